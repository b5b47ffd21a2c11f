#pragma once
// Value types of the tab control: sides, layouts, rectangles and the colour set.

#include <array>
#include <cstdint>

namespace morvane::tabctl {

// The edge of the control that holds the strip; the numbers are the control's side codes.
enum class TabSide { Top = 0, Left = 1, Bottom = 2, Right = 3 };

// How tab widths are found: from the caption, sharing the strip's length, or all alike.
enum class TabLayout { AutoSize = 0, SizeToFit = 1, Fixed = 2 };

// Switches of the paint manager, numbered as the callers number them.
enum class PaintSwitch {
    HotTracking = 7,   // the tab under the mouse lights up
    Gloss = 8,         // a soft sheen on the upper part of each tab
    Spare = 17,        // kept; changes nothing in this control
    CloseButton = 18,  // a close button at the strip's far end
};

// Where the colours come from: the appearance's own, the colour set, or the Office scheme.
enum class ColorStyle { Appearance = 1, ColorSet = 4, Office = 32 };

// The tool-tip context's style, numbered as the callers number them: none set, the style for
// hosts up to Project 2007, and the one for later hosts. Kept for the owner; the control's own
// tips look alike in both.
enum class ToolTipStyle { Unset = 0, Classic = 2, Office2010 = 5 };

// Switches of the tool-tip context, numbered as the callers number them. Kept for the owner;
// they change nothing in this control.
enum class ToolTipSwitch { Spare9 = 9, Spare10 = 10 };

constexpr bool IsVertical(TabSide side) {
    return side == TabSide::Left || side == TabSide::Right;
}

// Pixels of the control's client area; right and bottom are exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// OLE colour 0x00BBGGRR, red in the low byte.
using OleColor = std::uint32_t;

constexpr OleColor Rgb(int r, int g, int b) {
    return static_cast<OleColor>(r & 0xFF) | (static_cast<OleColor>(g & 0xFF) << 8) |
           (static_cast<OleColor>(b & 0xFF) << 16);
}
constexpr int RedOf(OleColor c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(OleColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(OleColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// Members of the colour set, numbered as the callers number them.
enum class ColorRole {
    FaceLight = 1,
    FaceDark = 2,
    SelectedTab = 6,
    NormalTab = 7,
    NormalText = 8,
    SelectedText = 10,
};

inline constexpr std::array<ColorRole, 6> kColorRoles = {
    ColorRole::FaceLight, ColorRole::FaceDark,   ColorRole::SelectedTab,
    ColorRole::NormalTab, ColorRole::NormalText, ColorRole::SelectedText,
};

// The six colours the control paints with.
struct ColorSet {
    OleColor faceLight = 0;
    OleColor faceDark = 0;
    OleColor selectedTab = 0;
    OleColor normalTab = 0;
    OleColor normalText = 0;
    OleColor selectedText = 0;

    OleColor Get(ColorRole role) const;
    void Set(ColorRole role, OleColor color);
    friend bool operator==(const ColorSet&, const ColorSet&) = default;
};

// Mouse buttons and shift keys as the mouse-down event reports them.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftKey : int { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

}  // namespace morvane::tabctl
