#pragma once
// The tab control's look as the bar sets it up: font, images, reordering, appearance, the
// paint manager's switches, colour style and colour set, and the tool-tip context.

#include <cstdint>
#include <string>

#include "tabctl/TabTypes.h"

namespace morvane {

class TabStyle {
  public:
    virtual ~TabStyle() = default;
    virtual void SetFont(const std::wstring& name, std::int32_t points) = 0;
    virtual void AttachImages() = 0;
    virtual void SetReorder(bool allowed) = 0;
    virtual void SetAppearance(std::int32_t appearance) = 0;
    virtual void SetPaintSwitch(tabctl::PaintSwitch which, bool on) = 0;
    // Loads that style's colours into the colour set.
    virtual void SetColorStyle(tabctl::ColorStyle style) = 0;
    virtual void SetColor(tabctl::ColorRole role, tabctl::OleColor color) = 0;
    virtual void SetToolTipStyle(tabctl::ToolTipStyle style) = 0;
    virtual void SetToolTipSwitch(tabctl::ToolTipSwitch which, bool on) = 0;
    // Repaints the bar.
    virtual void Refresh() = 0;
};

}  // namespace morvane
