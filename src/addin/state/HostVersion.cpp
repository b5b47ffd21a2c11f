#include "addin/state/HostVersion.h"

namespace morvane {

int HostVersionNumber(const std::wstring& version) {
    int number = 0;
    for (const wchar_t c : version) {
        if (c < L'0' || c > L'9' || number > 100000) {
            break;
        }
        number = number * 10 + (c - L'0');
    }
    return number;
}

HostVersionInfo ParseHostVersion(const std::wstring& version) {
    return {version, HostVersionNumber(version)};
}

}  // namespace morvane
