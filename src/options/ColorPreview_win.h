#pragma once
// The colour previews of the options dialog and the settings center in a window: a small tab
// control with a selected and a normal tab, shown as the options model's ColorPreview has it.

#include <windows.h>

#include <memory>

#include "options/ColorPreview.h"
#include "tabctl/TabControl_win.h"

namespace morvane {

// Makes a preview at `place` in `parent`'s client area; its two tabs share its width.
std::unique_ptr<tabctl::TabControl> MakePreviewTabs(HWND parent, const RECT& place, int id);

// Gives the tab control the preview's captions, appearance, colours and enabled states.
void ShowPreview(tabctl::TabControl& tabs, const ColorPreview& preview);

}  // namespace morvane
