#pragma once
// The web pages the add-in and the settings center open in the default browser.

#include <string_view>

namespace morvane {

// The help, a local page beside the binaries (relative to their folder).
inline constexpr std::wstring_view HelpPage = L"Help\\index.html";
// The product's home page and its support forum.
inline constexpr std::wstring_view HomePage = L"https://morvane.example.com/";
inline constexpr std::wstring_view SupportPage = L"https://morvane.example.com/support";

}  // namespace morvane
