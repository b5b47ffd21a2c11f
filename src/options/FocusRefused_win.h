#pragma once
// Where OK leaves the keyboard after it refused an input, in the options dialog and the
// settings center alike.

#include <windows.h>

namespace morvane {

// Gives `control` of `dialog` the focus, as a click would; an edit's whole text is selected, so
// that typing replaces it.
void FocusRefused(HWND dialog, HWND control);

}  // namespace morvane
