#include "tabctl/ColorMath.h"

#include <algorithm>
#include <cmath>

namespace morvane::tabctl {

namespace {
int Mix(int a, int b, double amount) {
    return std::clamp(static_cast<int>(std::lround(a + (b - a) * amount)), 0, 255);
}
}  // namespace

OleColor Blend(OleColor a, OleColor b, double amount) {
    amount = std::clamp(amount, 0.0, 1.0);
    return Rgb(Mix(RedOf(a), RedOf(b), amount), Mix(GreenOf(a), GreenOf(b), amount),
               Mix(BlueOf(a), BlueOf(b), amount));
}

OleColor Darken(OleColor c, double amount) {
    return Blend(c, Rgb(0, 0, 0), amount);
}

OleColor Lighten(OleColor c, double amount) {
    return Blend(c, Rgb(255, 255, 255), amount);
}

double Luminance(OleColor c) {
    return (0.299 * RedOf(c) + 0.587 * GreenOf(c) + 0.114 * BlueOf(c)) / 255.0;
}

}  // namespace morvane::tabctl
