#pragma once
// Colour arithmetic for shading tabs from the colour set.

#include "tabctl/TabTypes.h"

namespace morvane::tabctl {

// `a` moved towards `b` by `amount` (0 = a, 1 = b).
OleColor Blend(OleColor a, OleColor b, double amount);
OleColor Darken(OleColor c, double amount);
OleColor Lighten(OleColor c, double amount);
// Relative brightness, 0 (black) to 1 (white).
double Luminance(OleColor c);

}  // namespace morvane::tabctl
