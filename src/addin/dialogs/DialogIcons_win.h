#pragma once
// The dialogs' own icons, drawn rather than loaded: a question mark, a padlock and an "i".

#include <windows.h>

#include "addin/dialogs/FormDesign.h"

namespace morvane::dialogs {

// Draws the icon centred in `box` on the dialog's face colour.
void DrawFormIcon(HDC dc, const RECT& box, FormIcon icon);

}  // namespace morvane::dialogs
