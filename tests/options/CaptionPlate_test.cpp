#include <gtest/gtest.h>

#include <optional>

#include "options/CaptionPlate.h"

namespace morvane::test {
namespace {

using tabctl::OleColor;
using tabctl::Rgb;

constexpr OleColor kLightFace = Rgb(240, 240, 240);
constexpr OleColor kDarkFace = Rgb(32, 32, 32);
constexpr OleColor kDark = Rgb(64, 64, 64);
constexpr OleColor kWhite = Rgb(255, 255, 255);

struct PlateCase {
    OleColor caption;
    OleColor face;
    std::optional<OleColor> plate;
};

TEST(CaptionPlate, OnlyACaptionThatMeltsIntoTheFaceGetsAPlateThatStandsOutFromIt) {
    const PlateCase cases[] = {
        // The tab bar's own defaults on a light face: white and light greys melt in.
        {kWhite, kLightFace, kDark},
        {Rgb(200, 200, 200), kLightFace, kDark},
        {Rgb(255, 255, 0), kLightFace, kDark},
        // Dark and strong colours stand out on a light face.
        {Rgb(0, 0, 0), kLightFace, std::nullopt},
        {Rgb(30, 60, 120), kLightFace, std::nullopt},
        {Rgb(0, 0, 255), kLightFace, std::nullopt},
        // A dark face (high contrast schemes) turns it round.
        {Rgb(0, 0, 0), kDarkFace, kWhite},
        {Rgb(0, 0, 128), kDarkFace, kWhite},
        {kWhite, kDarkFace, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CaptionPlate(c.caption, c.face), c.plate)
            << std::hex << "caption " << c.caption << " face " << c.face;
    }
}

}  // namespace
}  // namespace morvane::test
