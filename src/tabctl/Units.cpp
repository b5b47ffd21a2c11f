#include "tabctl/Units.h"

#include <cmath>

namespace morvane::tabctl {

namespace {
int ValidDpi(int dpi) {
    return dpi > 0 ? dpi : kBaseDpi;
}
}  // namespace

int ScaleToDpi(int pixelsAt96, int dpi) {
    return static_cast<int>(
        std::lround(static_cast<double>(pixelsAt96) * ValidDpi(dpi) / kBaseDpi));
}

double TwipsPerPixel(int dpi) {
    return static_cast<double>(kTwipsPerInch) / ValidDpi(dpi);
}

double PixelsToTwips(double pixels, int dpi) {
    return pixels * TwipsPerPixel(dpi);
}

int TwipsToPixels(double twips, int dpi) {
    return static_cast<int>(std::lround(twips / TwipsPerPixel(dpi)));
}

}  // namespace morvane::tabctl
