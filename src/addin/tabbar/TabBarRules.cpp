#include "addin/tabbar/TabBarRules.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace morvane {

bool IsHorizontal(std::int32_t position) {
    return position == 0 || position == 1;
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

std::int32_t PositionCode(std::int32_t position) {
    switch (position) {
        case 0:
            return 0;
        case 1:
            return 2;
        case 2:
            return 1;
        default:
            return 3;
    }
}

std::int32_t FixedTabWidth(std::int32_t fixWidth) {
    return fixWidth == 0 ? 70 : fixWidth;
}

std::int32_t ToolTipStyle(int hostVersion) {
    return hostVersion > 12 ? 5 : 2;
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
