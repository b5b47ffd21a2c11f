#include "support/TestWindow_win.h"

namespace morvane::test {

HWND CreateTestWindow(const wchar_t* className, DWORD style, HWND parent, const wchar_t* text) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    RegisterClassW(&wc);  // fails harmlessly when already registered
    return CreateWindowExW(0, className, text, style, 0, 0, 100, 100, parent, nullptr, wc.hInstance,
                           nullptr);
}

}  // namespace morvane::test
