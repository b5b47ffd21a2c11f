#pragma once
// The helpers of mdPub that take window handles, and the start-up of the Windows programs.

#include <windows.h>

#include <string>

namespace morvane::mdPub {

// The window's class name (bClass true) or its text, at most 255 characters; empty when the
// window has none or no longer exists.
std::wstring GetWindowString(HWND hWnd, bool bClass);

// Gives the window the keyboard focus; a failure is ignored.
void SetFocusTo(HWND hWnd);

// Points mdReg::Registry and mdPub::System at the running system, where nothing else was set.
// Every Windows program calls it before anything reads a setting.
void UseWindowsPlatform();

}  // namespace morvane::mdPub
