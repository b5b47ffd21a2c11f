#pragma once
// A portable window handle as Win32 takes it, and back; and the module this code is linked into.

#include <windows.h>

#include "shared/WindowHandle.h"

namespace morvane {

inline HWND AsHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(handle);
}

inline WindowHandle AsHandle(HWND hWnd) {
    return reinterpret_cast<WindowHandle>(hWnd);
}

// The module (the add-in's library, or a program) that holds this code. Window classes are
// registered under it, so that a class never outlives the procedure it names when the library
// is unloaded and loaded again.
HINSTANCE ThisModule();

}  // namespace morvane
