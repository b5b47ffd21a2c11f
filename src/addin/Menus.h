#pragma once
// The Tools-menu entries and the two context menus: their captions, commands and looks, and
// their creation on the host's command bars.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "addin/state/AddinState.h"
#include "host/CommandBars.h"

namespace morvane {

// One control: its language key and English caption, the command in its Parameter, its
// built-in image (0: none) and whether a separator line comes above it.
struct MenuEntry {
    const wchar_t* key;
    const wchar_t* caption;
    const wchar_t* parameter;
    std::int32_t faceId;
    bool beginGroup;
};

// The Tag of every control the add-in creates.
inline constexpr const wchar_t* MenuTag = L"QUMBAR";
inline constexpr const wchar_t* PupTabOnItemName = L"PupTabOnItem";
inline constexpr const wchar_t* PupTabNoOnItemName = L"PupTabNoOnItem";
// Built-in control ids: the Tools menu.
inline constexpr std::int32_t ToolsMenuId = 30007;

extern const std::array<MenuEntry, 3> ToolsMenuEntries;
extern const std::array<MenuEntry, 14> PupTabOnItemEntries;
extern const std::array<MenuEntry, 10> PupTabNoOnItemEntries;

// The caption of a key, or the default text when the language file has none.
using MenuText = std::function<std::wstring(const std::wstring& key, const std::wstring& text)>;

// Deletes every control tagged "QUMBAR". Stops when a deletion fails or the search brings back
// the control it just deleted, so a control the host will not delete cannot hold it forever.
// Returns the number of controls deleted.
int SweepStaleControls(CommandBars& bars);

// Builds the Tools-menu entries (hosts before "14.0", the show entry down while TabShow is 0)
// and both context menus, sets the state's BtnShowTabBar, BarPupTabOnItem and
// BarPupTabNoOnItem, and returns the last button created, whose Click event serves every
// control. Failing steps are skipped.
CommandBarControlPtr CreateMenus(CommandBars& bars, AddinState& state, const MenuText& text);

}  // namespace morvane
