#pragma once
// The position pictures of the settings center: Project's window with the tab bar above,
// below, left or right of its workspace, in colour or greyed. Drawn, not loaded.

#include <windows.h>

namespace morvane::center {

// Draws the picture of `position` (0 to 3) into `box`; another position draws the window alone.
void DrawPositionPicture(HDC dc, const RECT& box, int position, bool greyed);

}  // namespace morvane::center
