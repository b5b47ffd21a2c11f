#include "shared/Browser_win.h"

#include <shellapi.h>

namespace morvane {

void OpenInBrowser(const std::wstring& address, HWND owner) {
    if (!address.empty()) {
        ShellExecuteW(owner, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

}  // namespace morvane
