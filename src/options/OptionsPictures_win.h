#pragma once
// The pictures of the options dialog and the settings center, drawn rather than loaded: the bar
// on each edge of Project's workspace (185 by 75 pixels at 96 dots per inch), in colour or
// greyed, and the product's icon.

#include <windows.h>

#include <cstdint>

namespace morvane {

// Project's window in miniature with the bar at `position` (0 above, 1 below, 2 left, 3 right);
// any other position draws the window without a bar. `greyed` washes every colour out, as for
// a switched-off control.
void DrawPositionPicture(HDC dc, const RECT& box, std::int32_t position, bool greyed = false);

// The product's icon, a tab strip over a page, centred in `box`.
void DrawProductIcon(HDC dc, const RECT& box);

}  // namespace morvane
