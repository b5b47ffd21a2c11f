#include "addin/tabbar/TabBarRules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace morvane {

bool IsHorizontal(BarPosition position) {
    return position == BarAbove || position == BarBelow;
}

std::int32_t StripOffset(std::int32_t theme) {
    switch (theme) {
        case 3:
            return 100;
        case 7:
        case 8:
            return 80;
        case 10:
            return 90;
        default:
            return 30;
    }
}

tabctl::TabSide PositionCode(BarPosition position) {
    using tabctl::TabSide;
    switch (position) {
        case BarAbove:
            return TabSide::Top;
        case BarBelow:
            return TabSide::Bottom;
        case BarLeft:
            return TabSide::Left;
        default:
            return TabSide::Right;
    }
}

std::optional<tabctl::TabLayout> TabLayoutFor(std::int32_t tbLayout) {
    using tabctl::TabLayout;
    if (tbLayout < static_cast<std::int32_t>(TabLayout::AutoSize) ||
        tbLayout > static_cast<std::int32_t>(TabLayout::Fixed)) {
        return std::nullopt;
    }
    return static_cast<TabLayout>(tbLayout);
}

std::int32_t FixedTabWidth(std::int32_t fixWidth) {
    return fixWidth == 0 ? 70 : fixWidth;
}

tabctl::ToolTipStyle ToolTipStyleFor(int hostVersion) {
    return hostVersion > 12 ? tabctl::ToolTipStyle::Office2010 : tabctl::ToolTipStyle::Classic;
}

std::wstring TabCaption(const std::wstring& windowCaption) {
    return L"  " + windowCaption + L"  ";
}

std::int32_t StripThickness(std::int32_t extent, std::int32_t pageArea, double twipsPerPixel) {
    if (!(twipsPerPixel > 0)) {
        return 0;
    }
    // In double: the difference of two extreme extents does not fit 32 bits. nearbyint rounds
    // halves to the even neighbour in the default rounding mode.
    const double pixels = std::nearbyint((static_cast<double>(extent) - pageArea) / twipsPerPixel);
    return static_cast<std::int32_t>(std::clamp(pixels, double{INT32_MIN}, double{INT32_MAX}));
}

}  // namespace morvane
