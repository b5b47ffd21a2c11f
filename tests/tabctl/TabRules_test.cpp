#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tabctl/Appearance.h"
#include "tabctl/ClickRule.h"
#include "tabctl/ColorMath.h"
#include "tabctl/TabIcons.h"
#include "tabctl/TabModel.h"
#include "tabctl/Units.h"

namespace morvane::tabctl {
namespace {

TEST(DoubleClickRule, OnlyTheSecondClickOnTheSameTabInTimeCounts) {
    const ClickLimits limits{500, 4, 4};
    DoubleClickRule rule;
    EXPECT_FALSE(rule.IsSecondClick(1, 10, 10, 1000, limits));
    EXPECT_TRUE(rule.IsSecondClick(1, 12, 11, 1400, limits));
    // The pair is used up: a third quick click starts a new one.
    EXPECT_FALSE(rule.IsSecondClick(1, 12, 11, 1450, limits));

    EXPECT_FALSE(rule.IsSecondClick(2, 12, 11, 1500, limits));  // another tab
    EXPECT_FALSE(rule.IsSecondClick(2, 12, 11, 2100, limits));  // too late
    EXPECT_FALSE(rule.IsSecondClick(2, 30, 11, 2200, limits));  // too far
    rule.Reset();
    EXPECT_FALSE(rule.IsSecondClick(2, 30, 11, 2300, limits));
    // The tick count may wrap between the clicks.
    EXPECT_FALSE(rule.IsSecondClick(0, 0, 0, 0xFFFFFF00u, limits));
    EXPECT_TRUE(rule.IsSecondClick(0, 0, 0, 0x00000010u, limits));
}

struct RecordingEvents : TabControlEvents {
    void SelectionChanged(int tab) override { selections.push_back(tab); }
    std::vector<int> selections;
};

TEST(TabModel, CountChangesKeepTheFieldsOfTheTabsThatStay) {
    TabModel model;
    model.SetCount(3);
    model.EditTab(1).caption = L"Plan";
    model.EditTab(1).tag = L"1234";
    model.EditTab(1).image = 1;
    model.EditTab(2).visible = false;
    model.SetCount(2);
    model.SetCount(4);
    ASSERT_EQ(model.Count(), 4);
    EXPECT_EQ(model.Tab(1).caption, L"Plan");
    EXPECT_EQ(model.Tab(1).tag, L"1234");
    EXPECT_EQ(model.Tab(1).image, 1);
    // A tab that comes back is new.
    EXPECT_TRUE(model.Tab(2).visible);
    EXPECT_EQ(model.Tab(3).image, -1);
    model.SetCount(-1);
    EXPECT_EQ(model.Count(), 0);
    EXPECT_EQ(model.Selected(), -1);
}

TEST(TabModel, SelectingRaisesTheEventBeforeReturningAndOnlyOnAChange) {
    RecordingEvents events;
    TabModel model;
    model.SetEvents(&events);
    model.SetCount(3);
    EXPECT_EQ(model.Selected(), 0);
    EXPECT_TRUE(events.selections.empty());  // a count change is no selection

    EXPECT_TRUE(model.Select(2));
    EXPECT_EQ(events.selections, std::vector<int>{2});
    EXPECT_TRUE(model.Select(2));
    EXPECT_FALSE(model.Select(3));
    EXPECT_EQ(events.selections, std::vector<int>{2});

    // A selection that falls off the end moves to the last tab quietly.
    model.SetCount(2);
    EXPECT_EQ(model.Selected(), 1);
    EXPECT_EQ(events.selections.size(), 1u);
}

TEST(TabModel, MovesAndRemovalsKeepTheSelectionOnItsTab) {
    RecordingEvents events;
    TabModel model;
    model.SetEvents(&events);
    model.SetCount(4);
    for (int i = 0; i < 4; ++i) {
        model.EditTab(i).caption = std::wstring(1, static_cast<wchar_t>(L'a' + i));
    }
    model.Select(1);
    model.Move(1, 3);  // b goes last
    EXPECT_EQ(model.Selected(), 3);
    EXPECT_EQ(model.Tab(3).caption, L"b");
    model.Move(0, 2);  // a c d b -> c d a b
    EXPECT_EQ(model.Tab(2).caption, L"a");
    EXPECT_EQ(model.Selected(), 3);
    model.Move(3, 0);  // b c d a
    EXPECT_EQ(model.Selected(), 0);
    events.selections.clear();

    model.Remove(2);  // an unselected tab goes quietly
    EXPECT_TRUE(events.selections.empty());
    model.Remove(0);  // the selected one hands over to its neighbour
    EXPECT_EQ(model.Tab(0).caption, L"c");
    EXPECT_EQ(events.selections, std::vector<int>{0});
}

TEST(TabModel, NextSelectableSkipsHiddenAndDisabledTabs) {
    TabModel model;
    model.SetCount(4);
    model.EditTab(1).visible = false;
    model.EditTab(2).enabled = false;
    EXPECT_EQ(model.NextSelectable(1), 3);
    EXPECT_EQ(model.NextSelectable(-1), -1);
}

TEST(Units, TwipsFollowTheLogicalResolution) {
    EXPECT_DOUBLE_EQ(TwipsPerPixel(96), 15.0);
    EXPECT_DOUBLE_EQ(PixelsToTwips(10, 96), 150.0);
    EXPECT_DOUBLE_EQ(PixelsToTwips(10, 120), 120.0);
    EXPECT_EQ(TwipsToPixels(150, 96), 10);
    EXPECT_EQ(TwipsToPixels(157, 96), 10);
    EXPECT_EQ(TwipsToPixels(150, 144), 15);
    EXPECT_EQ(ScaleToDpi(16, 144), 24);
    EXPECT_EQ(ScaleToDpi(16, 0), 16);  // an unknown resolution counts as 96 dpi
}

TEST(ColorMath, BlendsInBgrOrder) {
    EXPECT_EQ(Rgb(1, 2, 3), 0x00030201u);
    EXPECT_EQ(Blend(Rgb(0, 0, 0), Rgb(200, 100, 50), 0.5), Rgb(100, 50, 25));
    EXPECT_EQ(Lighten(Rgb(0, 0, 0), 1.0), Rgb(255, 255, 255));
    EXPECT_EQ(Darken(Rgb(200, 200, 200), 2.0), Rgb(0, 0, 0));
    EXPECT_GT(Luminance(Rgb(240, 240, 240)), Luminance(Rgb(120, 120, 120)));
}

TEST(Appearance, TwelveDistinctLooksAndOnlyFourTenElevenCarryTheirOwnColours) {
    std::set<LookKind> kinds;
    std::set<std::wstring> names;
    for (int a = 0; a < kAppearanceCount; ++a) {
        kinds.insert(Look(a).kind);
        names.insert(Look(a).name);
        EXPECT_EQ(Look(a).ownColors, a == 4 || a == 10 || a == 11) << a;
    }
    EXPECT_EQ(kinds.size(), 12u);
    EXPECT_EQ(names.size(), 12u);
    EXPECT_FALSE(IsAppearance(12));
    EXPECT_FALSE(IsAppearance(-1));
    EXPECT_EQ(Look(99).kind, Look(0).kind);
}

TEST(Appearance, ColourStylesLoadTheirOwnColours) {
    EXPECT_TRUE(IsColorStyle(1));
    EXPECT_TRUE(IsColorStyle(4));
    EXPECT_TRUE(IsColorStyle(32));
    EXPECT_FALSE(IsColorStyle(2));
    // Style 1 follows the appearance; style 4 is one plain set for every appearance.
    EXPECT_EQ(StyleColors(ColorStyle::Appearance, 5), Look(5).palette);
    EXPECT_NE(StyleColors(ColorStyle::Appearance, 0), StyleColors(ColorStyle::Appearance, 5));
    EXPECT_EQ(StyleColors(ColorStyle::ColorSet, 0), StyleColors(ColorStyle::ColorSet, 7));
    // Style 32 starts from the silver scheme, the one Office uses when none is stored.
    const ColorSet office = StyleColors(ColorStyle::Office, 0);
    EXPECT_EQ(office.faceDark, 15000032u);
    EXPECT_EQ(office.faceLight, 11906730u);
    EXPECT_EQ(office.selectedTab, 15790320u);
    EXPECT_EQ(office.normalTab, 12762810u);
}

TEST(Appearance, OfficeSchemePresets) {
    const struct {
        int scheme;
        OleColor faceDark, faceLight, selected, normal;
    } cases[] = {
        {1, 15985635, 15451044, 15790320, 12690311},
        {2, 15000032, 11906730, 15790320, 12762810},
        {3, 10526880, 7237230, 15790320, 7895160},
    };
    for (const auto& c : cases) {
        const auto preset = OfficeSchemePreset(c.scheme);
        ASSERT_TRUE(preset) << c.scheme;
        EXPECT_EQ(preset->faceDark, c.faceDark);
        EXPECT_EQ(preset->faceLight, c.faceLight);
        EXPECT_EQ(preset->selectedTab, c.selected);
        EXPECT_EQ(preset->normalTab, c.normal);
    }
    EXPECT_FALSE(OfficeSchemePreset(0));
    EXPECT_FALSE(OfficeSchemePreset(4));
}

TEST(Appearance, MetricsScaleWithDpiAndVerticalStripsNeverOverlapRows) {
    const StripMetrics at96 = MetricsFor(6, TabSide::Top, 96, 13);
    const StripMetrics at192 = MetricsFor(6, TabSide::Top, 192, 26);
    EXPECT_EQ(at192.rowHeight, 2 * at96.rowHeight);
    EXPECT_EQ(at192.closeSize, 32);
    EXPECT_LT(at96.gap, 0);
    EXPECT_GT(MetricsFor(6, TabSide::Left, 96, 13).gap, 0);
    // The blind zone of the tab bar relies on these: 16 pixels of close button, 42 with arrows.
    EXPECT_EQ(at96.closeSize, 16);
    EXPECT_EQ(at96.closeSize + 2 * at96.arrowSize, 42);
    EXPECT_GT(TabContentWidth(0, TabSide::Top, 96, 50, true),
              TabContentWidth(0, TabSide::Top, 96, 50, false));
}

TEST(TabIcons, TwoDistinctImagesWithClearCorners) {
    const Icon16 plain = ProjectIcon();
    const Icon16 locked = LockedProjectIcon();
    auto alpha = [](std::uint32_t p) { return p >> 24; };
    EXPECT_EQ(alpha(plain[0]), 0u);
    EXPECT_EQ(alpha(plain[15 * 16]), 0u);
    EXPECT_EQ(alpha(plain[8 * 16 + 4]), 255u);
    EXPECT_NE(plain, locked);
    // The lock sits in the lower right corner.
    EXPECT_NE(plain[13 * 16 + 12], locked[13 * 16 + 12]);
    EXPECT_EQ(plain[3 * 16 + 4], locked[3 * 16 + 4]);
}

}  // namespace
}  // namespace morvane::tabctl
