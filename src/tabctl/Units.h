#pragma once
// Pixels, twips and dots per inch.

namespace morvane::tabctl {

inline constexpr int kBaseDpi = 96;
inline constexpr int kTwipsPerInch = 1440;

// A size given for 96 dpi at `dpi`, rounded to the nearest pixel.
int ScaleToDpi(int pixelsAt96, int dpi);

// Twips per pixel at the screen's logical resolution.
double TwipsPerPixel(int dpi);
double PixelsToTwips(double pixels, int dpi);
// Twips to whole pixels, rounded to the nearest one.
int TwipsToPixels(double twips, int dpi);

}  // namespace morvane::tabctl
