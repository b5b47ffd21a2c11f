#pragma once
// The web pages the add-in opens in the default browser.

#include <string_view>

namespace morvane {

// The help, a local page beside the binaries (relative to their folder).
inline constexpr std::wstring_view HelpPage = L"Help\\index.html";

}  // namespace morvane
