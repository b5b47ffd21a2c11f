#pragma once
// What every tab control of the bar must answer alike, run against the double natively and
// against our tab control under Wine. A world makes one control and records the selection
// events it raises.

#include <gtest/gtest.h>

#include <vector>

#include "addin/tabbar/TabBarControl.h"

namespace morvane::test {

template <typename World>
class TabBarControlContract : public ::testing::Test {
  protected:
    World world;
};

TYPED_TEST_SUITE_P(TabBarControlContract);

TYPED_TEST_P(TabBarControlContract, TabsKeepTheirFieldsAndNewTabsStartEmpty) {
    TabBarControl& control = this->world.Control();
    control.SetCount(3);
    ASSERT_EQ(control.Count(), 3);
    control.SetCaption(1, L"  Plan.mpp  ");
    control.SetToolTip(1, L"C:\\Plans\\Plan.mpp");
    control.SetTag(1, L"4242");
    control.SetVisible(1, false);
    control.SetImage(1, TabImage::LockedProject);
    EXPECT_EQ(control.Caption(1), L"  Plan.mpp  ");
    EXPECT_EQ(control.ToolTip(1), L"C:\\Plans\\Plan.mpp");
    EXPECT_EQ(control.Tag(1), L"4242");
    EXPECT_FALSE(control.Visible(1));
    EXPECT_TRUE(control.Visible(0));

    control.SetCount(1);
    control.SetCount(2);
    EXPECT_EQ(control.Caption(1), L"");
    EXPECT_EQ(control.Tag(1), L"");
    EXPECT_EQ(control.ToolTip(1), L"");
    EXPECT_TRUE(control.Visible(1));

    control.SetCount(-1);
    EXPECT_EQ(control.Count(), 0);
}

TYPED_TEST_P(TabBarControlContract, SelectionRaisesItsEventOnlyWhenItChanges) {
    TabBarControl& control = this->world.Control();
    const std::vector<std::int32_t>& events = this->world.Selections();
    EXPECT_EQ(control.SelectedIndex(), -1);
    // The first tabs bring a selected tab with them, without an event.
    control.SetCount(3);
    EXPECT_EQ(control.SelectedIndex(), 0);
    EXPECT_TRUE(events.empty());

    control.Select(2);
    EXPECT_EQ(control.SelectedIndex(), 2);
    EXPECT_EQ(events, std::vector<std::int32_t>{2});
    control.Select(2);  // already selected
    EXPECT_EQ(events, std::vector<std::int32_t>{2});
    control.Select(0);
    EXPECT_EQ(events, (std::vector<std::int32_t>{2, 0}));

    // Fewer tabs keep the selection within them, without an event; none leave none selected.
    control.Select(2);
    control.SetCount(2);
    EXPECT_EQ(control.SelectedIndex(), 1);
    control.SetCount(0);
    EXPECT_EQ(control.SelectedIndex(), -1);
    EXPECT_EQ(events, (std::vector<std::int32_t>{2, 0, 2}));
}

TYPED_TEST_P(TabBarControlContract, IndexesWithoutATabAnswerEmptyAndChangeNothing) {
    TabBarControl& control = this->world.Control();
    control.SetCount(2);
    control.Select(1);
    for (const std::int32_t index : {-1, 2, 99}) {
        control.Select(index);
        control.SetCaption(index, L"x");
        control.SetTag(index, L"1");
        control.SetToolTip(index, L"x");
        control.SetVisible(index, false);
        control.SetImage(index, TabImage::LockedProject);
        EXPECT_EQ(control.Caption(index), L"") << index;
        EXPECT_EQ(control.Tag(index), L"") << index;
        EXPECT_EQ(control.ToolTip(index), L"") << index;
        EXPECT_FALSE(control.Visible(index)) << index;
        EXPECT_FALSE(control.Rectangle(index)) << index;
    }
    EXPECT_EQ(control.Count(), 2);
    EXPECT_EQ(control.SelectedIndex(), 1);
    EXPECT_EQ(this->world.Selections(), std::vector<std::int32_t>{1});
}

TYPED_TEST_P(TabBarControlContract, PlaceSizeAndReorderReadBack) {
    TabBarControl& control = this->world.Control();
    control.SetLeft(-30);
    control.SetTop(0);
    control.SetWidth(12000);
    control.SetHeight(600);
    EXPECT_EQ(control.Left(), -30);
    EXPECT_EQ(control.Top(), 0);
    EXPECT_EQ(control.Width(), 12000);
    EXPECT_EQ(control.Height(), 600);
    control.SetReorder(true);
    EXPECT_TRUE(control.Reorder());
    control.SetReorder(false);
    EXPECT_FALSE(control.Reorder());
}

REGISTER_TYPED_TEST_SUITE_P(TabBarControlContract, TabsKeepTheirFieldsAndNewTabsStartEmpty,
                            SelectionRaisesItsEventOnlyWhenItChanges,
                            IndexesWithoutATabAnswerEmptyAndChangeNothing,
                            PlaceSizeAndReorderReadBack);

}  // namespace morvane::test
