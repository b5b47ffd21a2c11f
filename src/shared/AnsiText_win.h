#pragma once
// Program text to and from the system's ANSI code page (CP_ACP).

#include <string>

namespace morvane {

std::string ToAnsi(const std::wstring& text);
std::wstring FromAnsi(const std::string& text);

}  // namespace morvane
