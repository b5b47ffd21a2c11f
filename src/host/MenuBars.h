#pragma once
// The places of the context-menu items the tab bar disables or checks, and a button's states.

#include "host/CommandBars.h"

namespace morvane {

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
