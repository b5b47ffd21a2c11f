#pragma once
// The command-bar controls the menus create and the tab bar shows and checks.

#include "addin/CommandBars.h"

namespace morvane {

// The Tools-menu button "Show Tab bar" (menu hosts only); down while the bar is shown.
inline CommandBarControlPtr BtnShowTabBar;
// The context menu of a right click on a tab.
inline CommandBarPtr BarPupTabOnItem;
// The context menu of a right click on the empty part of the bar.
inline CommandBarPtr BarPupTabNoOnItem;

// 1-based positions of the context-menu items the tab bar disables or checks.
namespace TabMenuItem {
inline constexpr std::int32_t CloseOther = 4;
inline constexpr std::int32_t CloseAll = 5;
inline constexpr std::int32_t SaveAll = 8;
inline constexpr std::int32_t OpenFolder = 9;
inline constexpr std::int32_t Rename = 10;
inline constexpr std::int32_t Lock = 11;
}  // namespace TabMenuItem
namespace BarMenuItem {
inline constexpr std::int32_t CloseOther = 4;
inline constexpr std::int32_t CloseAll = 5;
inline constexpr std::int32_t SaveAll = 7;
}  // namespace BarMenuItem

inline constexpr std::int32_t msoButtonDown = -1;
inline constexpr std::int32_t msoButtonUp = 0;

}  // namespace morvane
