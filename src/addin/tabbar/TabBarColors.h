#pragma once
// The tab bar's colours: the Office "14.0" colour-scheme presets and the colour-set members
// that the six custom colours go to.

#include <array>
#include <cstdint>
#include <optional>

#include "shared/TabSettings.h"
#include "tabctl/TabTypes.h"

namespace morvane {

// One colour-set member and its colour.
struct MemberColor {
    tabctl::ColorRole member;
    tabctl::OleColor color;
};

// The preset of an Office colour scheme (1 blue, 2 silver, 3 black): the dark and light faces,
// the selected and the normal tab, in that order; no value for any other scheme.
std::optional<std::array<MemberColor, 4>> OfficePreset(std::int32_t officeTheme);

// The six custom colours in the order they are put on the control: the dark and light faces,
// the normal and the selected tab, the normal and the selected text, from CoBackii, CoBack,
// CoNormal, CoSelect, CoText, CoTextSe.
std::array<MemberColor, 6> CustomColors(const TabSettings& settings);

// Whether the bar loads with the custom colours: CusColor set and a Theme other than 4, 9, 10.
bool UsesCustomColors(const TabSettings& settings);

}  // namespace morvane
