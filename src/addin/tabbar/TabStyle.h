#pragma once
// The tab control's look as the bar sets it up: font, images, reordering, appearance, the
// paint manager's switches, colour style and colour set, and the tool-tip context.

#include <cstdint>
#include <string>

namespace morvane {

class TabStyle {
  public:
    virtual ~TabStyle() = default;
    virtual void SetFont(const std::wstring& name, std::int32_t points) = 0;
    virtual void AttachImages() = 0;
    virtual void SetReorder(bool allowed) = 0;
    virtual void SetAppearance(std::int32_t appearance) = 0;
    // Paint manager switches 7, 8, 17 and 18.
    virtual void SetPaintSwitch(std::int32_t id, bool on) = 0;
    // 1, 4 (the colour set) or 32 (the Office scheme); loads that style's colours into the set.
    virtual void SetColorStyle(std::int32_t style) = 0;
    // Colour-set members 1, 2, 6, 7, 8, 10; colours 0x00BBGGRR.
    virtual void SetColor(std::int32_t member, std::uint32_t color) = 0;
    virtual void SetToolTipStyle(std::int32_t style) = 0;
    // Tool-tip switches 9 and 10.
    virtual void SetToolTipSwitch(std::int32_t id, bool on) = 0;
    // Repaints the bar.
    virtual void Refresh() = 0;
};

}  // namespace morvane
