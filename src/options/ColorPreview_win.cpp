#include "options/ColorPreview_win.h"

namespace morvane {

std::unique_ptr<tabctl::TabControl> MakePreviewTabs(HWND parent, const RECT& place, int id) {
    auto tabs = tabctl::TabControl::Create(parent, place.left, place.top, place.right - place.left,
                                           place.bottom - place.top,
                                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, id);
    if (!tabs) {
        return nullptr;
    }
    tabs->SetCount(2);
    tabs->SetSelected(0, true);
    tabs->SetLayout(tabctl::TabLayout::SizeToFit);
    // In front of the group it lies in.
    SetWindowPos(tabs->Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return tabs;
}

void ShowPreview(tabctl::TabControl& tabs, const ColorPreview& preview) {
    for (int i = 0; i < 2; ++i) {
        tabs.SetCaption(i, preview.captions[static_cast<std::size_t>(i)]);
        tabs.SetEnabled(i, preview.tabsEnabled);
    }
    tabs.SetAppearance(preview.appearance);
    tabs.SetColorStyle(preview.colorStyle);
    tabs.SetPaintSwitch(tabctl::PaintSwitch::Gloss, preview.paintSwitch8);
    for (const auto role : tabctl::kColorRoles) {
        tabs.SetColor(role, preview.colors.Get(role));
    }
    EnableWindow(tabs.Hwnd(), preview.enabled);
}

}  // namespace morvane
