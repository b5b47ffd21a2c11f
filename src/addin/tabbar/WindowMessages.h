#pragma once
// The window messages and values the portable rules send, post or answer.

#include <cstdint>

namespace morvane::wm {

inline constexpr std::uint32_t Size = 0x0005;
inline constexpr std::uint32_t Activate = 0x0006;
inline constexpr std::uint32_t Close = 0x0010;
inline constexpr std::uint32_t NcCalcSize = 0x0083;
inline constexpr std::uint32_t NcPaint = 0x0085;
inline constexpr std::uint32_t NcActivate = 0x0086;
inline constexpr std::uint32_t ParentNotify = 0x0210;
inline constexpr std::uint32_t MdiActivate = 0x0222;
inline constexpr std::uint32_t HotKey = 0x0312;

}  // namespace morvane::wm
