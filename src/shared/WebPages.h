#pragma once
// The web pages the add-in and the settings center open. The online help ships beside the
// binaries; the others are on the product's site.

namespace morvane::WebPages {

// The online help, relative to the folder of the running module.
inline constexpr wchar_t kHelpFile[] = L"Help\\index.html";
inline constexpr wchar_t kHome[] = L"https://morvane.example.com/";
inline constexpr wchar_t kSupport[] = L"https://morvane.example.com/support";
// What the lock warning's help button explains.
inline constexpr wchar_t kLockHelp[] = L"https://morvane.example.com/help/locked-projects";

}  // namespace morvane::WebPages
