#pragma once
// A plain window for tests: its class (DefWindowProc) is registered on first use.

#include <windows.h>

namespace morvane::test {

// A window of the class at (0, 0), 100 by 100 pixels; parent is its owner for a WS_POPUP.
HWND CreateTestWindow(const wchar_t* className, DWORD style, HWND parent = nullptr,
                      const wchar_t* text = L"");

}  // namespace morvane::test
