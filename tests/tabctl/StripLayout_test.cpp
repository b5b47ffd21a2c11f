#include "tabctl/StripLayout.h"

#include <gtest/gtest.h>

namespace morvane::tabctl {
namespace {

StripMetrics TestMetrics() {
    StripMetrics m;
    m.rowHeight = 20;
    m.raise = 2;
    m.leading = 2;
    m.gap = 0;
    m.minTabWidth = 24;
    m.minVerticalThickness = 40;
    m.arrowSize = 13;
    m.closeSize = 16;
    return m;
}

StripInput ThreeTabs(TabSide side, TabLayout layout) {
    StripInput in;
    in.side = side;
    in.layout = layout;
    in.clientWidth = 400;
    in.clientHeight = 100;
    in.contentWidths = {50, 80, 30};
    in.visible = {true, true, true};
    in.metrics = TestMetrics();
    return in;
}

TEST(StripLayout, RectanglesForEverySideAndLayout) {
    const struct {
        TabSide side;
        TabLayout layout;
        int fixed;
        int max;
        PixelRect first;
        PixelRect last;
        int thickness;
    } cases[] = {
        {TabSide::Top, TabLayout::AutoSize, 0, 0, {2, 0, 52, 22}, {132, 0, 162, 22}, 22},
        {TabSide::Bottom, TabLayout::AutoSize, 0, 0, {2, 78, 52, 100}, {132, 78, 162, 100}, 22},
        {TabSide::Left, TabLayout::AutoSize, 0, 0, {0, 2, 83, 22}, {0, 42, 83, 62}, 83},
        {TabSide::Right, TabLayout::AutoSize, 0, 0, {317, 2, 400, 22}, {317, 42, 400, 62}, 83},
        // The caption width never exceeds the maximum; the narrowest tab keeps its minimum.
        {TabSide::Top, TabLayout::AutoSize, 0, 60, {2, 0, 52, 22}, {112, 0, 142, 22}, 22},
        {TabSide::Top, TabLayout::Fixed, 70, 0, {2, 0, 72, 22}, {142, 0, 212, 22}, 22},
        {TabSide::Bottom, TabLayout::Fixed, 70, 0, {2, 78, 72, 100}, {142, 78, 212, 100}, 22},
        {TabSide::Left, TabLayout::Fixed, 70, 0, {0, 2, 73, 22}, {0, 42, 73, 62}, 73},
        {TabSide::Right, TabLayout::Fixed, 70, 0, {327, 2, 400, 22}, {327, 42, 400, 62}, 73},
        // Sharing 398 pixels: the odd pixels go to the first tabs.
        {TabSide::Top, TabLayout::SizeToFit, 0, 0, {2, 0, 135, 22}, {268, 0, 400, 22}, 22},
        {TabSide::Top, TabLayout::SizeToFit, 0, 100, {2, 0, 102, 22}, {202, 0, 302, 22}, 22},
        {TabSide::Left, TabLayout::SizeToFit, 0, 0, {0, 2, 83, 35}, {0, 68, 83, 100}, 83},
        {TabSide::Right, TabLayout::SizeToFit, 0, 60, {337, 2, 400, 35}, {337, 68, 400, 100}, 63},
    };
    for (const auto& c : cases) {
        StripInput in = ThreeTabs(c.side, c.layout);
        in.fixedWidth = c.fixed;
        in.maxWidth = c.max;
        const StripLayout out = ComputeStrip(in);
        SCOPED_TRACE(testing::Message() << "side " << static_cast<int>(c.side) << " layout "
                                        << static_cast<int>(c.layout) << " max " << c.max);
        EXPECT_EQ(out.tabs[0], c.first);
        EXPECT_EQ(out.tabs[2], c.last);
        EXPECT_EQ(out.thickness, c.thickness);
        EXPECT_FALSE(out.scrollArrows);
        // Extent less page area is the strip's thickness, on both axes that matter.
        if (IsVertical(c.side)) {
            EXPECT_EQ(in.clientWidth - out.PageWidth(), c.thickness);
            EXPECT_EQ(out.PageHeight(), in.clientHeight);
        } else {
            EXPECT_EQ(in.clientHeight - out.PageHeight(), c.thickness);
            EXPECT_EQ(out.PageWidth(), in.clientWidth);
        }
    }
}

TEST(StripLayout, HitTestsFindTheTabUnderThePointOnEverySide) {
    for (TabSide side : {TabSide::Top, TabSide::Bottom, TabSide::Left, TabSide::Right}) {
        const StripLayout out = ComputeStrip(ThreeTabs(side, TabLayout::AutoSize));
        for (int tab = 0; tab < 3; ++tab) {
            const PixelRect& r = out.tabs[tab];
            EXPECT_EQ(HitTest(out, r.left, r.top, -1), tab);
            EXPECT_EQ(HitTest(out, r.right - 1, r.bottom - 1, -1), tab);
        }
        // Past the last tab, and in the page area, there is no tab.
        const PixelRect& last = out.tabs[2];
        const bool vertical = IsVertical(side);
        EXPECT_EQ(
            HitTest(out, vertical ? last.left : last.right, vertical ? last.bottom : last.top, -1),
            -1);
        EXPECT_EQ(HitTest(out, out.page.left + out.page.Width() / 2,
                          out.page.top + out.page.Height() / 2, -1),
                  -1);
    }
}

TEST(StripLayout, HiddenTabsTakeNoRoom) {
    StripInput in = ThreeTabs(TabSide::Top, TabLayout::AutoSize);
    in.visible[1] = false;
    const StripLayout out = ComputeStrip(in);
    EXPECT_TRUE(out.tabs[1].IsEmpty());
    EXPECT_EQ(out.tabs[2], (PixelRect{52, 0, 82, 22}));
    EXPECT_EQ(HitTest(out, 60, 10, 1), 2);

    // Size to fit shares the length among the visible tabs only.
    in.layout = TabLayout::SizeToFit;
    const StripLayout fit = ComputeStrip(in);
    EXPECT_EQ(fit.tabs[0], (PixelRect{2, 0, 201, 22}));
    EXPECT_EQ(fit.tabs[2], (PixelRect{201, 0, 400, 22}));

    // A hidden tab adds nothing to a vertical strip's width either.
    in.side = TabSide::Left;
    in.layout = TabLayout::AutoSize;
    EXPECT_EQ(ComputeStrip(in).thickness, 53);
}

TEST(StripLayout, OverlappingTabsPutTheSelectedOneOnTop) {
    StripInput in = ThreeTabs(TabSide::Top, TabLayout::AutoSize);
    in.metrics.gap = -8;
    const StripLayout out = ComputeStrip(in);
    EXPECT_EQ(out.tabs[1].left, 44);
    EXPECT_EQ(HitTest(out, 48, 5, -1), 1);
    EXPECT_EQ(HitTest(out, 48, 5, 0), 0);
}

TEST(StripLayout, TabsThatDoNotFitScrollBehindArrowsBeforeTheCloseButton) {
    StripInput in = ThreeTabs(TabSide::Top, TabLayout::AutoSize);
    in.clientWidth = 300;
    in.contentWidths.assign(10, 60);
    in.visible.assign(10, true);
    in.closeButton = true;

    StripLayout out = ComputeStrip(in);
    EXPECT_TRUE(out.scrollArrows);
    EXPECT_EQ(out.tabsEnd, 300 - 16 - 26);
    EXPECT_EQ(out.close, (PixelRect{284, 0, 300, 22}));
    EXPECT_EQ(out.scrollBack, (PixelRect{258, 0, 271, 22}));
    EXPECT_EQ(out.scrollForward, (PixelRect{271, 0, 284, 22}));
    EXPECT_EQ(ButtonAt(out, 290, 10), StripButton::Close);
    EXPECT_EQ(ButtonAt(out, 260, 10), StripButton::ScrollBack);
    EXPECT_EQ(HitTest(out, 260, 10, 3), -1);
    // The close button stands for the selected tab.
    EXPECT_EQ(HitTest(out, 290, 10, 3), 3);
    EXPECT_EQ(HitTest(out, 290, 10, -1), -1);
    EXPECT_FALSE(out.canScrollBack);
    EXPECT_TRUE(out.canScrollForward);

    // Showing the last tab scrolls just far enough.
    in.ensureVisible = 9;
    out = ComputeStrip(in);
    EXPECT_EQ(out.firstTab, 6);
    EXPECT_EQ(out.spans[6].begin, 2);
    EXPECT_LE(out.spans[9].end, out.tabsEnd);
    EXPECT_TRUE(out.canScrollBack);
    EXPECT_FALSE(out.canScrollForward);
    EXPECT_EQ(HitTest(out, 5, 10, -1), 6);

    // A scroll position past the end comes back to the last useful one; once the strip is
    // wide enough, the arrows go.
    in.ensureVisible = -1;
    in.firstTab = 9;
    EXPECT_EQ(ComputeStrip(in).firstTab, 6);
    in.clientWidth = 700;
    out = ComputeStrip(in);
    EXPECT_FALSE(out.scrollArrows);
    EXPECT_EQ(out.firstTab, 0);
    EXPECT_TRUE(out.scrollBack.IsEmpty());
}

TEST(StripLayout, NoTabsStillGiveTheStripItsThickness) {
    StripInput in = ThreeTabs(TabSide::Top, TabLayout::SizeToFit);
    in.contentWidths.clear();
    in.visible.clear();
    StripLayout out = ComputeStrip(in);
    EXPECT_EQ(out.thickness, 22);
    EXPECT_FALSE(out.scrollArrows);
    EXPECT_EQ(HitTest(out, 10, 10, -1), -1);
    in.side = TabSide::Right;
    EXPECT_EQ(ComputeStrip(in).thickness, 43);
}

TEST(StripLayout, DropIndexCountsTheGapNearestThePoint) {
    const StripLayout out = ComputeStrip(ThreeTabs(TabSide::Top, TabLayout::AutoSize));
    // Tabs at [2,52), [52,132), [132,162).
    const struct {
        int from;
        int x;
        int expected;
    } cases[] = {
        {0, 150, 2}, {0, 100, 1}, {0, 300, 2}, {2, 10, 0}, {2, 60, 1}, {1, 60, 1}, {1, 20, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DropIndex(out, c.from, c.x, 10), c.expected) << c.from << " to x " << c.x;
    }
    const StripLayout left = ComputeStrip(ThreeTabs(TabSide::Left, TabLayout::AutoSize));
    EXPECT_EQ(DropIndex(left, 0, 10, 55), 2);
}

TEST(StripLayout, MoveItemKeepsTheOthersInOrder) {
    std::vector<int> items{0, 1, 2, 3};
    MoveItem(items, 0, 3);
    EXPECT_EQ(items, (std::vector<int>{1, 2, 3, 0}));
    MoveItem(items, 3, 0);
    EXPECT_EQ(items, (std::vector<int>{0, 1, 2, 3}));
    MoveItem(items, 1, 7);
    EXPECT_EQ(items, (std::vector<int>{0, 1, 2, 3}));
}

// A caller's vectors of different lengths: the content widths are the tabs, a missing
// visibility flag is a hidden tab, and nothing reads past either vector.
TEST(StripLayout, MismatchedInputsStayInBounds) {
    StripInput longer = ThreeTabs(TabSide::Top, TabLayout::SizeToFit);
    longer.clientWidth = 60;  // too narrow: the strip scrolls
    longer.visible = {true, true, true, true, true, true};
    longer.ensureVisible = 5;
    longer.firstTab = 4;
    const StripLayout a = ComputeStrip(longer);
    ASSERT_EQ(a.spans.size(), 3u);
    ASSERT_EQ(a.tabs.size(), 3u);
    EXPECT_LE(a.firstTab, 2);
    for (int x = 0; x < 60; x += 3) {
        EXPECT_LT(HitTest(a, x, 5, 5), 3);
        EXPECT_LE(DropIndex(a, 5, x, 5), 2);
    }

    StripInput shorter = ThreeTabs(TabSide::Left, TabLayout::AutoSize);
    shorter.visible = {true};
    shorter.ensureVisible = 2;
    const StripLayout b = ComputeStrip(shorter);
    ASSERT_EQ(b.spans.size(), 3u);
    EXPECT_FALSE(b.tabs[0].IsEmpty());
    EXPECT_TRUE(b.tabs[1].IsEmpty());
    EXPECT_TRUE(b.tabs[2].IsEmpty());
}

}  // namespace
}  // namespace morvane::tabctl
