#include "addin/tabbar/TabBarColors.h"

namespace morvane {

namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r + 256 * g + 65536 * b;
}

}  // namespace

std::optional<std::array<MemberColor, 4>> OfficePreset(std::int32_t officeTheme) {
    const std::uint32_t selected = Rgb(240, 240, 240);
    switch (officeTheme) {
        case 1:
            return std::array<MemberColor, 4>{{{2, Rgb(227, 235, 243)},
                                               {1, Rgb(164, 195, 235)},
                                               {6, selected},
                                               {7, Rgb(135, 163, 193)}}};
        case 2:
            return std::array<MemberColor, 4>{{{2, Rgb(224, 225, 228)},
                                               {1, Rgb(170, 174, 181)},
                                               {6, selected},
                                               {7, Rgb(186, 190, 194)}}};
        case 3:
            return std::array<MemberColor, 4>{{{2, Rgb(160, 160, 160)},
                                               {1, Rgb(110, 110, 110)},
                                               {6, selected},
                                               {7, Rgb(120, 120, 120)}}};
        default:
            return std::nullopt;
    }
}

std::array<MemberColor, 6> CustomColors(const TabSettings& settings) {
    const auto color = [](std::int32_t stored) { return static_cast<std::uint32_t>(stored); };
    return {{{2, color(settings.CoBackii)},
             {1, color(settings.CoBack)},
             {7, color(settings.CoNormal)},
             {6, color(settings.CoSelect)},
             {8, color(settings.CoText)},
             {10, color(settings.CoTextSe)}}};
}

bool UsesCustomColors(const TabSettings& settings) {
    return settings.CusColor != 0 && !ThemeHasOwnColors(settings.Theme);
}

}  // namespace morvane
