#pragma once
// The colour buttons of the options dialog and the settings center: an owner-drawn push button
// whose caption is written in the colour it edits, above a swatch of that colour. A caption
// that would melt into the button's face gets a plate behind it that stands out from it. A
// click opens the system's colour chooser on the button's colour.

#include <windows.h>

#include <cstddef>

#include "tabctl/TabTypes.h"

namespace morvane {

class OptionsModel;

// Draws a colour button for WM_DRAWITEM.
void DrawColorButton(const DRAWITEMSTRUCT& item, tabctl::OleColor color);

// The colour chooser over `owner`, opened on colour button `button` of `model` with the custom
// colours the user left in it last time; what it answers, a colour or a cancel, goes to the
// model.
void PickButtonColor(HWND owner, OptionsModel& model, std::size_t button);

}  // namespace morvane
