#include "tabctl/Appearance.h"

#include <algorithm>
#include <array>

#include "tabctl/Units.h"

namespace morvane::tabctl {

namespace {

// Member order: face light, face dark, selected tab, normal tab, normal text, selected text.
constexpr ColorSet Palette(OleColor faceLight, OleColor faceDark, OleColor selected,
                           OleColor normal, OleColor text, OleColor selectedText) {
    return {faceLight, faceDark, selected, normal, text, selectedText};
}

const std::array<AppearanceLook, kAppearanceCount> kLooks = {{
    {L"Classic 3D", LookKind::Classic3D, 2, 0, 0, 2, false,
     Palette(Rgb(240, 240, 240), Rgb(212, 208, 200), Rgb(248, 248, 246), Rgb(226, 224, 220),
             Rgb(40, 40, 40), Rgb(0, 0, 0))},
    {L"Flat", LookKind::Flat, 2, 0, 0, 0, false,
     Palette(Rgb(250, 250, 250), Rgb(232, 232, 232), Rgb(255, 255, 255), Rgb(236, 236, 236),
             Rgb(90, 90, 90), Rgb(0, 0, 0))},
    {L"Rounded", LookKind::Rounded, 2, 2, 0, 2, false,
     Palette(Rgb(244, 247, 252), Rgb(218, 225, 236), Rgb(255, 255, 255), Rgb(208, 218, 233),
             Rgb(40, 52, 72), Rgb(0, 0, 0))},
    {L"Buttons", LookKind::Buttons, 7, 3, 0, 0, false,
     Palette(Rgb(238, 238, 238), Rgb(222, 222, 222), Rgb(206, 220, 240), Rgb(240, 240, 240),
             Rgb(30, 30, 30), Rgb(0, 0, 110))},
    {L"Office 2003", LookKind::Office2003, 2, 1, 0, 2, true,
     Palette(Rgb(227, 239, 255), Rgb(158, 190, 245), Rgb(255, 220, 146), Rgb(203, 225, 252),
             Rgb(0, 21, 110), Rgb(0, 0, 0))},
    {L"Underlined", LookKind::Underlined, 2, 0, 0, 0, false,
     Palette(Rgb(255, 255, 255), Rgb(243, 243, 243), Rgb(255, 255, 255), Rgb(243, 243, 243),
             Rgb(96, 96, 96), Rgb(0, 90, 170))},
    {L"Sheet", LookKind::Slanted, 2, -8, 8, 0, false,
     Palette(Rgb(230, 230, 230), Rgb(198, 198, 198), Rgb(255, 255, 255), Rgb(218, 218, 218),
             Rgb(50, 50, 50), Rgb(0, 0, 0))},
    {L"Curved", LookKind::Curved, 5, -7, 7, 3, false,
     Palette(Rgb(222, 230, 240), Rgb(199, 211, 227), Rgb(252, 252, 252), Rgb(213, 223, 237),
             Rgb(50, 50, 50), Rgb(0, 0, 0))},
    {L"Notebook", LookKind::Notebook, 2, 0, 0, 2, false,
     Palette(Rgb(252, 252, 254), Rgb(236, 233, 216), Rgb(252, 252, 254), Rgb(238, 237, 229),
             Rgb(40, 40, 40), Rgb(0, 0, 0))},
    {L"Office 2007", LookKind::Office2007, 5, 2, 0, 2, false,
     Palette(Rgb(220, 232, 247), Rgb(191, 213, 241), Rgb(255, 255, 255), Rgb(205, 222, 244),
             Rgb(21, 66, 139), Rgb(0, 0, 0))},
    {L"Visual Studio 2010", LookKind::VisualStudio2010, 2, 1, 0, 1, true,
     Palette(Rgb(53, 73, 106), Rgb(41, 57, 85), Rgb(255, 240, 170), Rgb(77, 96, 130),
             Rgb(255, 255, 255), Rgb(0, 0, 0))},
    {L"Modern", LookKind::Modern, 6, 1, 0, 0, true,
     Palette(Rgb(51, 51, 55), Rgb(37, 37, 38), Rgb(0, 122, 204), Rgb(63, 63, 70),
             Rgb(226, 226, 226), Rgb(255, 255, 255))},
}};

// Colour style 4 without any member written: quiet greys.
constexpr ColorSet kPlainColors =
    Palette(Rgb(246, 246, 246), Rgb(226, 226, 226), Rgb(255, 255, 255), Rgb(214, 214, 214),
            Rgb(48, 48, 48), Rgb(0, 0, 0));

constexpr OleColor kOfficeText = Rgb(32, 32, 32);
constexpr OleColor kOfficeSelectedText = Rgb(21, 66, 139);
constexpr int kDefaultOfficeScheme = 2;

}  // namespace

bool IsAppearance(int appearance) {
    return appearance >= 0 && appearance < kAppearanceCount;
}

const AppearanceLook& Look(int appearance) {
    return kLooks[IsAppearance(appearance) ? appearance : 0];
}

bool IsColorStyle(int style) {
    return style == static_cast<int>(ColorStyle::Appearance) ||
           style == static_cast<int>(ColorStyle::ColorSet) ||
           style == static_cast<int>(ColorStyle::Office);
}

ColorSet StyleColors(ColorStyle style, int appearance) {
    switch (style) {
        case ColorStyle::Appearance:
            return Look(appearance).palette;
        case ColorStyle::ColorSet:
            return kPlainColors;
        case ColorStyle::Office: {
            const OfficePreset preset = *OfficeSchemePreset(kDefaultOfficeScheme);
            return Palette(preset.faceLight, preset.faceDark, preset.selectedTab, preset.normalTab,
                           kOfficeText, kOfficeSelectedText);
        }
    }
    return kPlainColors;
}

std::optional<OfficePreset> OfficeSchemePreset(int scheme) {
    switch (scheme) {
        case 1:
            return OfficePreset{Rgb(227, 235, 243), Rgb(164, 195, 235), Rgb(240, 240, 240),
                                Rgb(135, 163, 193)};
        case 2:
            return OfficePreset{Rgb(224, 225, 228), Rgb(170, 174, 181), Rgb(240, 240, 240),
                                Rgb(186, 190, 194)};
        case 3:
            return OfficePreset{Rgb(160, 160, 160), Rgb(110, 110, 110), Rgb(240, 240, 240),
                                Rgb(120, 120, 120)};
        default:
            return std::nullopt;
    }
}

int FlankWidth(int appearance, TabSide side, int dpi) {
    const int slant = Look(appearance).slant;
    return ScaleToDpi(IsVertical(side) ? slant / 2 : slant, dpi);
}

int TabPadding(int appearance, TabSide side, int dpi) {
    return ScaleToDpi(6, dpi) + FlankWidth(appearance, side, dpi);
}

int ImageSize(int dpi) {
    return ScaleToDpi(16, dpi);
}

int ImageGap(int dpi) {
    return ScaleToDpi(4, dpi);
}

int TabContentWidth(int appearance, TabSide side, int dpi, int textWidth, bool hasImage) {
    const int image = hasImage ? ImageSize(dpi) + ImageGap(dpi) : 0;
    return std::max(textWidth, 0) + image + 2 * TabPadding(appearance, side, dpi);
}

StripMetrics MetricsFor(int appearance, TabSide side, int dpi, int textHeight) {
    const AppearanceLook& look = Look(appearance);
    StripMetrics m;
    m.rowHeight = std::max(textHeight, ImageSize(dpi)) + ScaleToDpi(8, dpi);
    m.raise = ScaleToDpi(look.raise, dpi);
    m.leading = ScaleToDpi(look.leading, dpi);
    // Stacked rows never overlap: the flanks of a vertical strip are short.
    m.gap = IsVertical(side) ? std::max(ScaleToDpi(look.gap, dpi), ScaleToDpi(1, dpi))
                             : ScaleToDpi(look.gap, dpi);
    m.minTabWidth = ScaleToDpi(24, dpi) + 2 * FlankWidth(appearance, side, dpi);
    m.minVerticalThickness = ScaleToDpi(40, dpi);
    m.arrowSize = ScaleToDpi(13, dpi);
    m.closeSize = ScaleToDpi(16, dpi);
    return m;
}

}  // namespace morvane::tabctl
