#pragma once
// A colour button writes its caption in the colour it edits. A colour close to the button's
// face in brightness (white on a light face) would leave the caption unreadable, so such a
// caption gets a plate behind it that stands out from its colour.

#include <optional>

#include "tabctl/TabTypes.h"

namespace morvane {

// The plate's colour, dark behind a light caption and white behind a dark one; none when the
// caption stands out from `face` on its own.
std::optional<tabctl::OleColor> CaptionPlate(tabctl::OleColor caption, tabctl::OleColor face);

}  // namespace morvane
