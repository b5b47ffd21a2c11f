#pragma once
// The helpers of mdPub that take window handles, and the start-up of the Windows programs.

#include <windows.h>

#include <memory>
#include <string>

#include "shared/RegistryApi.h"
#include "shared/SystemApi.h"

namespace morvane::mdPub {

// The window's class name (bClass true) or its text, at most 255 characters; empty when the
// window has none or no longer exists.
std::wstring GetWindowString(HWND hWnd, bool bClass);

// Gives the window the keyboard focus; a failure is ignored.
void SetFocusTo(HWND hWnd);

// Points a state's registry and system facts at the running system, each where its keeper chose
// no other.
void UseWindowsPlatform(std::shared_ptr<RegistryApi>& registry, std::shared_ptr<SystemApi>& system);

}  // namespace morvane::mdPub
