#pragma once
// The tab bar's colours: the Office "14.0" colour-scheme presets and the colour-set members
// that the six custom colours go to.

#include <array>
#include <cstdint>
#include <optional>

#include "shared/TabSettings.h"

namespace morvane {

// One colour-set member and its colour (0x00BBGGRR).
struct MemberColor {
    std::int32_t member;
    std::uint32_t color;
};

// Colour styles of the paint manager.
inline constexpr std::int32_t ColorStyleCustom = 4;
inline constexpr std::int32_t ColorStyleOffice = 32;

// The preset of an Office colour scheme (1 blue, 2 silver, 3 black), as members 2, 1, 6 and 7
// in that order; no value for any other scheme.
std::optional<std::array<MemberColor, 4>> OfficePreset(std::int32_t officeTheme);

// The six custom colours in the order they are put on the control: members 2, 1, 7, 6, 8, 10
// from CoBackii, CoBack, CoNormal, CoSelect, CoText, CoTextSe.
std::array<MemberColor, 6> CustomColors(const TabSettings& settings);

// Whether the bar loads with the custom colours: CusColor set and a Theme other than 4, 9, 10.
bool UsesCustomColors(const TabSettings& settings);

}  // namespace morvane
