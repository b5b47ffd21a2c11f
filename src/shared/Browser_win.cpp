#include "shared/Browser_win.h"

#include <shellapi.h>

#include "shared/Trace.h"

namespace morvane {

void OpenInBrowser(const std::wstring& address, HWND owner) {
    if (address.empty()) {
        return;
    }
    // ShellExecuteW answers a number above 32 when it started something.
    const auto started = reinterpret_cast<INT_PTR>(
        ShellExecuteW(owner, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (started <= 32) {
        TraceFailure(L"ShellExecuteW", HRESULT_FROM_WIN32(GetLastError()));
    }
}

}  // namespace morvane
