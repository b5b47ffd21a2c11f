#pragma once
// Draws a tab strip with GDI in one of the twelve appearances.

#include <windows.h>

#include <vector>

#include "tabctl/StripLayout.h"
#include "tabctl/TabImageList_win.h"
#include "tabctl/TabModel.h"
#include "tabctl/TabTypes.h"

namespace morvane::tabctl {

struct PaintState {
    const StripLayout* strip = nullptr;
    const std::vector<TabData>* tabs = nullptr;
    int selected = -1;
    int appearance = 0;
    ColorSet colors;  // the colours to paint with (an own-colour look's palette already put in)
    HFONT font = nullptr;
    const TabImageList* images = nullptr;
    int dpi = 96;
    bool mnemonics = true;
    bool enabled = true;
    bool focused = false;
    bool gloss = false;
    int hotTab = -1;
    StripButton hotButton = StripButton::None;
    StripButton pressedButton = StripButton::None;
    int dropMark = -1;  // along the strip: where a dragged tab would land; -1 for none
};

// Paints the strip, its buttons and the page area into `dc`, covering the whole client area.
void PaintTabStrip(HDC dc, const PaintState& state);

}  // namespace morvane::tabctl
