#pragma once
// A window's text, whole.

#include <windows.h>

#include <string>

namespace morvane {

// The text of `window` (a control's caption or an edit's contents); empty when it has none.
std::wstring WindowText(HWND window);

}  // namespace morvane
