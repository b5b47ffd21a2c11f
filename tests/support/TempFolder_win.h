#pragma once
// A folder of the given name in the temporary folder, created when missing.

#include <windows.h>

#include <string>

namespace morvane::test {

inline std::wstring TempFolder(const std::wstring& name) {
    wchar_t temp[MAX_PATH];
    const DWORD n = GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp, n > 0 ? n - 1 : 0) + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

}  // namespace morvane::test
