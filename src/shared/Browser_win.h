#pragma once
// Web pages, and the help page beside the binaries, opened in the user's default browser.

#include <windows.h>

#include <string>

namespace morvane {

// Opens the address with the shell's default verb, its window shown normally; an empty address
// opens nothing.
void OpenInBrowser(const std::wstring& address, HWND owner = nullptr);

}  // namespace morvane
