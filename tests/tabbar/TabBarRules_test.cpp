#include "addin/state/HostVersion.h"
#include "addin/tabbar/TabBarRules.h"

#include <gtest/gtest.h>

#include "shared/TabSettings.h"
#include "addin/tabbar/TabBarColors.h"
#include "shared/WindowHandle.h"

namespace morvane {
namespace {

using tabctl::ColorRole;

struct ThemeCase {
    std::int32_t theme;
    std::int32_t appearance;
    std::int32_t offset;
};

TEST(TabBarRules, AppearanceAndStripOffsetByTheme) {
    // A stored Theme outside 0 to 10 leaves the control's appearance as it is.
    const ThemeCase cases[] = {{0, 0, 30},
                               {1, 1, 30},
                               {2, 2, 30},
                               {3, 3, 100},
                               {4, 4, 30},
                               {5, 5, 30},
                               {6, 6, 30},
                               {7, 7, 80},
                               {8, 9, 80},
                               {9, 10, 30},
                               {10, 11, 90},
                               {11, NoAppearance, 30},
                               {99, NoAppearance, 30},
                               {-1, NoAppearance, 30},
                               {INT32_MAX, NoAppearance, 30},
                               {INT32_MIN, NoAppearance, 30}};
    for (const auto& c : cases) {
        EXPECT_EQ(AppearanceFor(c.theme), c.appearance) << "Theme " << c.theme;
        EXPECT_EQ(StripOffset(c.theme), c.offset) << "Theme " << c.theme;
    }
}

TEST(TabBarRules, PositionCodesAndOrientation) {
    struct Case {
        std::int32_t position, code;
        bool horizontal;
    };
    const Case cases[] = {{0, 0, true},  {1, 2, true},  {2, 1, false},
                          {3, 3, false}, {7, 3, false}, {-1, 3, false}};
    for (const auto& c : cases) {
        const auto position = static_cast<BarPosition>(c.position);
        EXPECT_EQ(static_cast<int>(PositionCode(position)), c.code) << "Position " << c.position;
        EXPECT_EQ(IsHorizontal(position), c.horizontal) << "Position " << c.position;
    }
}

TEST(TabBarRules, WidthsToolTipsAndCaptions) {
    EXPECT_EQ(FixedTabWidth(0), 70);
    EXPECT_EQ(FixedTabWidth(120), 120);
    EXPECT_EQ(static_cast<int>(ToolTipStyleFor(HostVersionNumber(L"14.0"))), 5);
    EXPECT_EQ(static_cast<int>(ToolTipStyleFor(HostVersionNumber(L"12.0"))), 2);
    EXPECT_EQ(static_cast<int>(ToolTipStyleFor(HostVersionNumber(L""))), 2);
    EXPECT_EQ(TabCaption(L"Plan") + UnsavedMark, L"  Plan  *  ");
    EXPECT_EQ(HostVersionNumber(L"11.0"), 11);
    EXPECT_EQ(HostVersionNumber(L"x"), 0);
}

TEST(TabBarRules, StripThicknessRoundsHalvesToEven) {
    struct Case {
        std::int32_t extent, pageArea;
        double px;
        std::int32_t pixels;
    };
    const Case cases[] = {{600, 240, 15.0, 24},
                          {390, 0, 15.0, 26},
                          {375, 0, 15.0, 25},
                          {382, 0, 15.0, 25},
                          {383, 0, 15.0, 26},
                          {30, 0, 12.0, 2},
                          {42, 0, 12.0, 4},
                          {300, 0, 0.0, 0},
                          {0, 300, 15.0, -20},
                          // Extents far out of range do not overflow.
                          {INT32_MAX, INT32_MIN, 15.0, 286331153},
                          {INT32_MAX, INT32_MIN, 0.5, INT32_MAX},
                          {INT32_MIN, INT32_MAX, 0.5, INT32_MIN}};
    for (const auto& c : cases) {
        EXPECT_EQ(StripThickness(c.extent, c.pageArea, c.px), c.pixels)
            << c.extent << " - " << c.pageArea << " at " << c.px;
    }
}

TEST(TabBarColors, OfficePresetsByScheme) {
    const auto blue = OfficePreset(1);
    ASSERT_TRUE(blue);
    const MemberColor expectedBlue[] = {{ColorRole::FaceDark, 15985635},
                                        {ColorRole::FaceLight, 15451044},
                                        {ColorRole::SelectedTab, 15790320},
                                        {ColorRole::NormalTab, 12690311}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ((*blue)[i].member, expectedBlue[i].member);
        EXPECT_EQ((*blue)[i].color, expectedBlue[i].color);
    }
    const auto silver = OfficePreset(2);
    ASSERT_TRUE(silver);
    EXPECT_EQ((*silver)[0].color, 15000032u);
    EXPECT_EQ((*silver)[1].color, 11906730u);
    EXPECT_EQ((*silver)[3].color, 12762810u);
    const auto black = OfficePreset(3);
    ASSERT_TRUE(black);
    EXPECT_EQ((*black)[0].color, 10526880u);
    EXPECT_EQ((*black)[1].color, 7237230u);
    EXPECT_EQ((*black)[2].color, 15790320u);
    EXPECT_EQ((*black)[3].color, 7895160u);
    EXPECT_FALSE(OfficePreset(0));
    EXPECT_FALSE(OfficePreset(4));
}

TEST(TabBarColors, CustomColorsGoToTheirMembers) {
    TabSettings settings;
    settings.CoSelect = 0x000001;
    settings.CoNormal = 0x000002;
    settings.CoBack = 0x000003;
    settings.CoBackii = 0x000004;
    settings.CoText = 0;  // black is a colour too
    settings.CoTextSe = 0xFFFFFF;
    const auto colors = CustomColors(settings);
    const MemberColor expected[] = {
        {ColorRole::FaceDark, 4},   {ColorRole::FaceLight, 3},
        {ColorRole::NormalTab, 2},  {ColorRole::SelectedTab, 1},
        {ColorRole::NormalText, 0}, {ColorRole::SelectedText, 0xFFFFFF}};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(colors[i].member, expected[i].member);
        EXPECT_EQ(colors[i].color, expected[i].color);
    }
}

TEST(TabBarColors, CustomColorsOnlyForThemesThatTakeThem) {
    TabSettings settings;
    settings.CusColor = 1;
    for (const std::int32_t theme : {0, 3, 7, 8}) {
        settings.Theme = theme;
        EXPECT_TRUE(UsesCustomColors(settings)) << theme;
    }
    for (const std::int32_t theme : {4, 9, 10}) {
        settings.Theme = theme;
        EXPECT_FALSE(UsesCustomColors(settings)) << theme;
    }
    settings.CusColor = 0;
    settings.Theme = 0;
    EXPECT_FALSE(UsesCustomColors(settings));
}

TEST(WindowHandle, DecimalKeys) {
    EXPECT_EQ(HandleText(1234), L"1234");
    EXPECT_EQ(HandleText(-5), L"-5");
    EXPECT_EQ(HandleFromText(L"1234"), 1234);
    EXPECT_EQ(HandleFromText(L"-5"), -5);
    EXPECT_FALSE(HandleFromText(L""));
    EXPECT_FALSE(HandleFromText(L"12a"));
    EXPECT_FALSE(HandleFromText(L"99999999999999999999999"));
}

}  // namespace
}  // namespace morvane
