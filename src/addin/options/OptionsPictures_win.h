#pragma once
// The options dialog's own pictures, drawn rather than loaded: the bar on each edge of the
// workspace (185 by 75 pixels at 96 dots per inch) and the product's icon.

#include <windows.h>

#include <cstdint>

namespace morvane {

// Project's window in miniature with the bar at `position` (0 above, 1 below, 2 left, 3 right).
void DrawPositionPicture(HDC dc, const RECT& box, std::int32_t position);

// The product's icon, a tab strip over a page, centred in `box`.
void DrawProductIcon(HDC dc, const RECT& box);

}  // namespace morvane
