#include "addin/tabbar/TabBarColors.h"

namespace morvane {

using tabctl::ColorRole;
using tabctl::Rgb;

std::optional<std::array<MemberColor, 4>> OfficePreset(std::int32_t officeTheme) {
    const std::uint32_t selected = Rgb(240, 240, 240);
    switch (officeTheme) {
        case 1:
            return std::array<MemberColor, 4>{{{ColorRole::FaceDark, Rgb(227, 235, 243)},
                                               {ColorRole::FaceLight, Rgb(164, 195, 235)},
                                               {ColorRole::SelectedTab, selected},
                                               {ColorRole::NormalTab, Rgb(135, 163, 193)}}};
        case 2:
            return std::array<MemberColor, 4>{{{ColorRole::FaceDark, Rgb(224, 225, 228)},
                                               {ColorRole::FaceLight, Rgb(170, 174, 181)},
                                               {ColorRole::SelectedTab, selected},
                                               {ColorRole::NormalTab, Rgb(186, 190, 194)}}};
        case 3:
            return std::array<MemberColor, 4>{{{ColorRole::FaceDark, Rgb(160, 160, 160)},
                                               {ColorRole::FaceLight, Rgb(110, 110, 110)},
                                               {ColorRole::SelectedTab, selected},
                                               {ColorRole::NormalTab, Rgb(120, 120, 120)}}};
        default:
            return std::nullopt;
    }
}

std::array<MemberColor, 6> CustomColors(const TabSettings& settings) {
    const auto color = [](std::int32_t stored) { return static_cast<std::uint32_t>(stored); };
    return {{{ColorRole::FaceDark, color(settings.CoBackii)},
             {ColorRole::FaceLight, color(settings.CoBack)},
             {ColorRole::NormalTab, color(settings.CoNormal)},
             {ColorRole::SelectedTab, color(settings.CoSelect)},
             {ColorRole::NormalText, color(settings.CoText)},
             {ColorRole::SelectedText, color(settings.CoTextSe)}}};
}

bool UsesCustomColors(const TabSettings& settings) {
    return settings.CusColor != 0 && !ThemeHasOwnColors(settings.Theme);
}

}  // namespace morvane
