#pragma once
// The tab bar's system-wide hot keys: which keys the ids 401 to 411 stand for, and the tab
// selections they make.

#include <cstdint>
#include <vector>

#include "shared/TabSettings.h"
#include "addin/tabbar/TabStrip.h"

namespace morvane {

inline constexpr std::int32_t HotKeyBase = 400;
inline constexpr std::int32_t HotKeyShowBar = 1;  // offsets from the base
inline constexpr std::int32_t HotKeyNextTab = 2;
inline constexpr std::int32_t HotKeyFirstNumber = 3;
inline constexpr std::int32_t HotKeyLastNumber = 11;

struct HotKeyRegistration {
    std::int32_t id;
    std::int32_t modifiers;
    std::int32_t key;
    bool operator==(const HotKeyRegistration&) const = default;
};

// Id 401: HotKeyBar, Win+Q when its key code is 0.
HotKeyRegistration BarHotKey(const TabSettings& settings);
// Id 402: HotKeyTabit, Ctrl+Tab when its key code is 0.
HotKeyRegistration NextTabHotKey(const TabSettings& settings);
// Ids 403 to 411: Alt+1 to Alt+9.
std::vector<HotKeyRegistration> TabNumberHotKeys();
// The hot keys whose switches (EnableTa, EnableTi, EnableAlt) are on, in that order.
std::vector<HotKeyRegistration> EnabledHotKeys(const TabSettings& settings);
// Every id in the order they are unregistered: 401, 402, 403 to 411.
std::vector<std::int32_t> AllHotKeyIds();

// Selects the visible tab with number n, counting from 0; nothing when there are fewer.
void SelectTabByNumber(TabStrip& strip, std::int32_t n);
// Selects the next visible tab after the selected one, wrapping to the first; never the
// selected one itself.
void SelectNextTab(TabStrip& strip);

}  // namespace morvane
