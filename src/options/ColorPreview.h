#pragma once
// One of the dialog's two colour previews (a small tab control with a selected and a normal
// tab), as the rules leave it: the window binds a real tab control to this.

#include <array>
#include <cstdint>
#include <string>

#include "tabctl/TabTypes.h"

namespace morvane {

struct ColorPreview {
    std::array<std::wstring, 2> captions;  // the selected and the normal tab
    std::int32_t appearance = 0;           // 0 to 11
    tabctl::ColorStyle colorStyle = tabctl::ColorStyle::Appearance;
    bool paintSwitch8 = false;
    tabctl::ColorSet colors;
    bool tabsEnabled = true;
    bool enabled = true;

    // Setting a colour style loads that style's colours into the set, as the tab control does.
    void SetColorStyle(tabctl::ColorStyle style);
    void SetColor(tabctl::ColorRole member, tabctl::OleColor color) { colors.Set(member, color); }
    // An appearance the tab control does not have leaves the preview as it was.
    void SetAppearance(std::int32_t value);
};

}  // namespace morvane
