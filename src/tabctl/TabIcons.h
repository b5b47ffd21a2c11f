#pragma once
// The tab bar's two 16x16 images, drawn in code: a project plan, and the same plan locked.

#include <array>
#include <cstdint>

namespace morvane::tabctl {

inline constexpr int kIconSize = 16;

// Premultiplied 0xAARRGGBB pixels, rows from the top.
using Icon16 = std::array<std::uint32_t, kIconSize * kIconSize>;

Icon16 ProjectIcon();
Icon16 LockedProjectIcon();

}  // namespace morvane::tabctl
