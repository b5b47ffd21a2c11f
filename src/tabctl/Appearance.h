#pragma once
// The twelve appearances of the tab control and the colours each colour style brings.

#include <optional>

#include "tabctl/StripLayout.h"
#include "tabctl/TabTypes.h"

namespace morvane::tabctl {

inline constexpr int kAppearanceCount = 12;

// How a look draws its tabs.
enum class LookKind {
    Classic3D,         // raised bevelled tabs that join the page
    Flat,              // flat cells with thin separators
    Rounded,           // outlined tabs with rounded corners
    Buttons,           // raised push buttons; the selected one pressed in
    Office2003,        // rounded, shaded tabs in their own blue
    Underlined,        // flat text, the selected tab underlined in its accent
    Slanted,           // overlapping trapezoids, like sheet tabs
    Curved,            // overlapping tabs with curved flanks
    Notebook,          // property-page tabs with a coloured line on the selected one
    Office2007,        // glossy rounded tabs
    VisualStudio2010,  // dark blue strip, light tabs, in their own colours
    Modern,            // flat dark strip with an accent-coloured selected tab, own colours
};

struct AppearanceLook {
    const wchar_t* name;
    LookKind kind;
    int leading;       // pixels at 96 dpi before the first tab
    int gap;           // pixels between tabs; negative overlaps them
    int slant;         // pixels of each slanted or curved flank
    int raise;         // how much higher the selected tab stands
    bool ownColors;    // always drawn in its own palette, whatever the colour style
    ColorSet palette;  // its own colours (colour style 1)
};

bool IsAppearance(int appearance);
// The look of a valid appearance (0 to 11); anything else gives appearance 0.
const AppearanceLook& Look(int appearance);

// The colours a colour style loads into the colour set for an appearance.
ColorSet StyleColors(ColorStyle style, int appearance);
bool IsColorStyle(int style);

// The Office "14.0" scheme's face and tab colours (members 1, 2, 6, 7) for scheme 1 blue,
// 2 silver, 3 black; nothing for any other value.
struct OfficePreset {
    OleColor faceDark;
    OleColor faceLight;
    OleColor selectedTab;
    OleColor normalTab;
};
std::optional<OfficePreset> OfficeSchemePreset(int scheme);

// Strip metrics for an appearance on a side at a dpi, given the text height.
StripMetrics MetricsFor(int appearance, TabSide side, int dpi, int textHeight);

// The flank of slanted and curved looks, in pixels; vertical strips use short flanks.
int FlankWidth(int appearance, TabSide side, int dpi);

// The pixels around a tab's content: padding on each side and the flanks.
int TabPadding(int appearance, TabSide side, int dpi);

// A tab's natural width: its caption, its image when it has one, padding and flanks.
int TabContentWidth(int appearance, TabSide side, int dpi, int textWidth, bool hasImage);

// Image size and the gap between image and caption.
int ImageSize(int dpi);
int ImageGap(int dpi);

}  // namespace morvane::tabctl
