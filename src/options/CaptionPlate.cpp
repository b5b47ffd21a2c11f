#include "options/CaptionPlate.h"

#include <cmath>

#include "tabctl/ColorMath.h"

namespace morvane {

namespace {

// Brightness apart that keeps text readable on its own.
constexpr double kReadable = 0.4;
constexpr tabctl::OleColor kDarkPlate = tabctl::Rgb(64, 64, 64);
constexpr tabctl::OleColor kLightPlate = tabctl::Rgb(255, 255, 255);

}  // namespace

std::optional<tabctl::OleColor> CaptionPlate(tabctl::OleColor caption, tabctl::OleColor face) {
    const double brightness = tabctl::Luminance(caption);
    if (std::abs(brightness - tabctl::Luminance(face)) >= kReadable) {
        return std::nullopt;
    }
    return brightness >= 0.5 ? kDarkPlate : kLightPlate;
}

}  // namespace morvane
