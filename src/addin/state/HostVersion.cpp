#include "addin/state/HostVersion.h"

namespace morvane {

HostVersionInfo ParseHostVersion(const std::wstring& version) {
    return {version, HostVersionNumber(version)};
}

}  // namespace morvane
