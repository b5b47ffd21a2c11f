#include "TabBarFixture.h"

#include "addin/Menus.h"

namespace morvane::test {
namespace {

// Three tabs of 1500 twips along a 20000-twip strip at 15 twips per pixel.
class TabBarMouse : public TabBarFixture {
  protected:
    WindowHandle a = 0, b = 0, c = 0;

    void SetUp() override {
        TabBarFixture::SetUp();
        a = Open(L"Alpha.mpp");
        b = Open(L"Beta.mpp", L"", false);  // never saved
        c = Open(L"Gamma.mpp");
        strip.width = 20000;
        strip.height = 400;
        Updating = true;
        form->UpdateMenu();
        Updating = false;
        strip.LayOut(1500);
        windows.posted.clear();
        CreateMenus(bars, state, {});
    }

    void Click(std::int32_t button, float x, std::uint32_t at) {
        windows.tick = at;
        form->TabProject_MouseDown(button, 0, x, 100);
    }
    static constexpr float OnA = 700, OnB = 2200, OnC = 3700, Blank = 9000;
};

TEST_F(TabBarMouse, SecondQuickLeftClickOnATabClosesIt) {
    Click(LeftButton, OnA, 1000);
    EXPECT_TRUE(Closes().empty());
    Click(LeftButton, OnA, 1499);
    ASSERT_EQ(Closes().size(), 1u);
    EXPECT_EQ(Closes()[0], (PostedMessage{a, 0x10, 0, 0}));
    // The memory is cleared: a third quick click starts a new pair.
    Click(LeftButton, OnA, 1550);
    EXPECT_EQ(Closes().size(), 1u);
}

TEST_F(TabBarMouse, ClicksThatAreNoDoubleClick) {
    Click(LeftButton, OnA, 1000);
    Click(LeftButton, OnA, 1500);  // the double-click time has passed
    Click(LeftButton, OnC, 1600);  // another name
    Click(RightButton, OnC, 1700);
    Click(LeftButton, OnC, 1800);  // the last button was the right one
    EXPECT_TRUE(Closes().empty());
}

TEST_F(TabBarMouse, TheUnsavedMarkDoesNotBreakADoubleClick) {
    Click(LeftButton, OnA, 1000);
    strip.tabs[0].caption = L"  Alpha.mpp  *  ";  // changed between the two clicks
    Click(LeftButton, OnA, 1100);
    ASSERT_EQ(Closes().size(), 1u);
    EXPECT_EQ(Closes()[0].window, a);
}

TEST_F(TabBarMouse, ClicksOnTwoTabsOfOneNameCloseNothing) {
    // Two projects named Beta.mpp from two folders: one click on each is no double click.
    strip.tabs[2].caption = L"  Beta.mpp  ";
    Click(LeftButton, OnC, 1000);
    Click(LeftButton, OnB, 1100);
    EXPECT_TRUE(Closes().empty());
    Click(LeftButton, OnB, 1200);  // the second click on Beta's own tab
    ASSERT_EQ(Closes().size(), 1u);
    EXPECT_EQ(Closes()[0].window, b);
}

TEST_F(TabBarMouse, AClickThatMakesNoPairStillEndsTheFirstClicksPair) {
    settings.EnableCreate = 1;
    Click(LeftButton, OnA, 1000);
    Click(LeftButton, Blank, 1050);  // no new project here, but a click of its own
    Click(LeftButton, OnA, 1100);
    EXPECT_TRUE(Closes().empty());

    settings.EnableCreate = 0;
    settings.DoubleC = 1;
    Click(LeftButton, Blank, 2000);
    Click(LeftButton, OnA, 2050);  // tabs close nothing, but the click is one
    Click(LeftButton, Blank, 2100);
    EXPECT_EQ(bars.newButton->executions, 0);
}

TEST_F(TabBarMouse, SwitchesForTabs) {
    settings.DoubleC = 1;
    Click(LeftButton, OnA, 1000);
    Click(LeftButton, OnA, 1100);
    EXPECT_TRUE(Closes().empty());

    // With dragging allowed the control reports only the closing double-click.
    settings.DoubleC = 0;
    strip.reorder = true;
    Click(LeftButton, OnC, 2000);
    ASSERT_EQ(Closes().size(), 1u);
    EXPECT_EQ(Closes()[0].window, c);
}

TEST_F(TabBarMouse, DoubleClickOnTheBlankBarCreatesOneProject) {
    Click(LeftButton, Blank, 1000);
    Click(LeftButton, Blank, 1200);
    EXPECT_EQ(bars.newButton->executions, 1);
    Click(LeftButton, Blank, 1300);
    EXPECT_EQ(bars.newButton->executions, 1);

    settings.EnableCreate = 1;
    Click(LeftButton, Blank, 5000);
    Click(LeftButton, Blank, 5100);
    EXPECT_EQ(bars.newButton->executions, 1);
}

TEST_F(TabBarMouse, MiddleClickClosesTheTab) {
    Click(MiddleButton, OnB, 1000);
    ASSERT_EQ(Closes().size(), 1u);
    EXPECT_EQ(Closes()[0].window, b);
    EXPECT_EQ(strip.selected, 1);
    Click(MiddleButton, Blank, 1100);
    settings.EnableMiddle = 1;
    Click(MiddleButton, OnA, 1200);
    EXPECT_EQ(Closes().size(), 1u);
}

TEST_F(TabBarMouse, AMiddleCloseForgetsTheFirstClick) {
    Click(LeftButton, OnA, 1000);
    Click(MiddleButton, OnC, 1050);
    Click(LeftButton, OnA, 1100);
    EXPECT_EQ(Closes().size(), 1u);  // only the middle click's close
}

TEST_F(TabBarMouse, BlindZoneAtTheStripsFarEnd) {
    struct Case {
        const char* name;
        float x;
        std::int32_t blindValue;
        std::int32_t lastRight;  // pixels
        bool blind;
    };
    // 16 pixels are 240 twips and 42 pixels 630 from the end at 20000.
    const Case cases[] = {{"within 16 pixels", 19800, 0, 100, true},
                          {"within 42 pixels with the control's value", 19500, 1, 100, true},
                          {"within 42 pixels, value 0, tabs end early", 19500, 0, 100, false},
                          {"within 42 pixels, last tab at the end", 19500, 0, 1332, true},
                          {"outside 42 pixels", 19300, 1, 1333, false}};
    for (const auto& c : cases) {
        strip.blindZoneValue = c.blindValue;
        strip.tabs[2].rectangle = TabRectangle{200, 0, c.lastRight, 26};
        strip.tabs[2].to = 20000;  // the last tab runs to the end
        windows.posted.clear();
        Click(LeftButton, c.x, 1000);
        Click(LeftButton, c.x, 1100);
        EXPECT_EQ(Closes().empty(), c.blind) << c.name;
        windows.tick = 9000;  // let the memory expire
        Click(LeftButton, 9000, 9000);
    }
}

TEST_F(TabBarMouse, TheBlindZoneCoversTheControlsButtonsAtTheirScaledSize) {
    // At 120 dpi: 12 twips per pixel, a close button of 20 pixels and arrows of 16.
    windows.twipsPerPixel = 12;
    strip.buttonLengths = {20, 52};
    strip.blindZoneValue = 1;
    strip.tabs[2].to = 20000;  // the last tab runs under the buttons
    struct Case {
        const char* name;
        float pixelsFromEnd;
        bool blind;
    };
    const Case cases[] = {{"on the close button, past 16 pixels", 18.5f, true},
                          {"on the back arrow, past 42 pixels", 50, true},
                          {"just before the buttons", 53, false}};
    for (const auto& c : cases) {
        windows.posted.clear();
        const float x = 20000 - c.pixelsFromEnd * 12;
        Click(LeftButton, x, 1000);
        Click(LeftButton, x, 1100);
        EXPECT_EQ(Closes().empty(), c.blind) << c.name;
        Click(LeftButton, 9000, 9000);  // let the memory go
    }
    // On the blank bar behind the arrows a double click creates nothing.
    strip.tabs[2].to = 4500;
    Click(LeftButton, 20000 - 50 * 12, 12000);
    Click(LeftButton, 20000 - 50 * 12, 12100);
    EXPECT_EQ(bars.newButton->executions, 0);
}

TEST_F(TabBarMouse, TheBlindZoneLeavesTheLastButtonAlone) {
    Click(LeftButton, OnA, 1000);
    Click(RightButton, 19990, 1050);
    Click(LeftButton, OnA, 1100);
    EXPECT_EQ(Closes().size(), 1u);
}

TEST_F(TabBarMouse, VerticalBarsMeasureAlongY) {
    settings.Position = BarLeft;
    strip.width = 400;
    strip.height = 20000;
    strip.hitAlongY = true;
    windows.tick = 1000;
    form->TabProject_MouseDown(LeftButton, 0, 100, OnA);
    windows.tick = 1100;
    form->TabProject_MouseDown(LeftButton, 0, 100, OnA);
    ASSERT_EQ(Closes().size(), 1u);
    EXPECT_EQ(Closes()[0].window, a);
    form->TabProject_MouseDown(RightButton, 0, 100, 19900);
    EXPECT_EQ(bars.FakeBarNamed(L"PupTabOnItem")->popupsShown, 0);
    EXPECT_EQ(bars.FakeBarNamed(L"PupTabNoOnItem")->popupsShown, 0);
}

TEST_F(TabBarMouse, RightClickOnATabShowsItsMenuWithTheRules) {
    auto menu = bars.FakeBarNamed(L"PupTabOnItem");
    // Three visible windows, a saved, unlocked project: everything enabled, lock up.
    Click(RightButton, OnA, 1000);
    EXPECT_EQ(menu->popupsShown, 1);
    EXPECT_EQ(strip.selected, 0);
    ASSERT_EQ(windows.posted.size(), 1u);  // the selection activates the window
    EXPECT_EQ(windows.posted[0].message, 0x222u);
    for (std::int32_t i = 1; i <= 14; ++i) {
        EXPECT_TRUE(menu->At(i).enabled) << i;
    }
    EXPECT_EQ(menu->At(11).state, 0);

    // One visible window, a never-saved, locked project.
    host->windows[0]->visible = false;
    host->windows[2]->visible = false;
    LockedProjects.insert(strip.tabs[1].toolTip);
    Click(RightButton, OnB, 2000);
    EXPECT_EQ(menu->popupsShown, 2);
    for (std::int32_t i = 1; i <= 14; ++i) {
        const bool disabled = i == 4 || i == 5 || i == 8 || i == 9 || i == 10;
        EXPECT_EQ(menu->At(i).enabled, !disabled) << i;
    }
    EXPECT_EQ(menu->At(11).state, -1);

    // A project the host cannot find by the tool tip keeps folder and rename enabled.
    strip.tabs[1].toolTip = L"C:\\Nowhere.mpp";
    Click(RightButton, OnB, 3000);
    EXPECT_TRUE(menu->At(9).enabled);
    EXPECT_TRUE(menu->At(10).enabled);
    EXPECT_EQ(menu->At(11).state, 0);
}

TEST_F(TabBarMouse, RightClickOnTheBlankBarShowsTheOtherMenu) {
    auto menu = bars.FakeBarNamed(L"PupTabNoOnItem");
    Click(RightButton, Blank, 1000);
    EXPECT_EQ(menu->popupsShown, 1);
    EXPECT_TRUE(windows.posted.empty());
    for (std::int32_t i = 1; i <= 10; ++i) {
        EXPECT_TRUE(menu->At(i).enabled) << i;
    }
    host->windows[1]->visible = false;
    host->windows[2]->visible = false;
    Click(RightButton, Blank, 2000);
    for (std::int32_t i = 1; i <= 10; ++i) {
        EXPECT_EQ(menu->At(i).enabled, i != 4 && i != 5 && i != 7) << i;
    }
}

TEST_F(TabBarMouse, CloseButtonClosesTheTabUnderTheCursorAndAlwaysCancels) {
    strip.controlWindow = 0x777;
    windows.cursor = {150, 10};  // 2250 twips: Beta
    bool cancel = false;
    form->TabProject_CloseButtonClick(cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(windows.cursorWindow, 0x777);
    ASSERT_EQ(Closes().size(), 1u);
    EXPECT_EQ(Closes()[0].window, b);
    EXPECT_EQ(strip.selected, 1);

    windows.cursor = {900, 10};  // past the tabs
    cancel = false;
    form->TabProject_CloseButtonClick(cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(Closes().size(), 1u);
}

TEST_F(TabBarMouse, DraggingReordersTheHandles) {
    form->TabProject_TabMoved(0, 2);
    EXPECT_EQ(ChildHandles.Items(), (std::vector<WindowHandle>{b, c, a}));
    form->TabProject_TabMoved(1, 0);  // the control's tab 1 still names Beta
    EXPECT_EQ(ChildHandles.Items(), (std::vector<WindowHandle>{b, c, a}));
    form->TabProject_TabMoved(2, 0);
    EXPECT_EQ(ChildHandles.Items(), (std::vector<WindowHandle>{c, b, a}));
    // A position past the end keeps the handle, last.
    form->TabProject_TabMoved(2, 9);
    EXPECT_EQ(ChildHandles.Items(), (std::vector<WindowHandle>{b, a, c}));
}

TEST_F(TabBarMouse, SelectionActivatesUnlessBusy) {
    form->TabProject_SelectionChanged(2);
    ASSERT_EQ(windows.posted.size(), 1u);
    EXPECT_EQ(windows.posted[0], (PostedMessage{client, 0x222, static_cast<std::uintptr_t>(c), 0}));
    Updating = true;
    form->TabProject_SelectionChanged(0);
    EXPECT_EQ(windows.posted.size(), 1u);
}

using ExitTimer = TabBarFixture;

TEST_F(ExitTimer, ClosesTheHostsFileDialogOnly) {
    const auto other = windows.Add(0, L"OtherMain");
    const auto foreign = windows.Add(0, L"#32770", L"Save As");
    windows.windows[foreign].parent = other;
    windows.Add(foreign, L"DUIViewWndClassName");
    const auto plain = windows.Add(0, L"#32770", L"Message");
    windows.windows[plain].parent = mainWindow;
    form->StartTimer();
    EXPECT_EQ(timerSwitches, std::vector<bool>{true});
    host->alerts = false;

    form->Timer_ProExit_Timer();
    EXPECT_TRUE(windows.posted.empty());
    EXPECT_EQ(timerSwitches.size(), 1u);

    const auto dialog = windows.Add(0, L"#32770", L"Save As");
    windows.windows[dialog].parent = mainWindow;
    windows.Add(dialog, L"DUIViewWndClassName");
    windows.topLevel = {foreign, plain, dialog, other};
    form->Timer_ProExit_Timer();
    ASSERT_EQ(windows.posted.size(), 1u);
    EXPECT_EQ(windows.posted[0], (PostedMessage{dialog, 0x10, 0, 0}));
    EXPECT_EQ(timerSwitches, (std::vector<bool>{true, false}));
    EXPECT_TRUE(host->alerts);

    form->Form_Unload();
    EXPECT_EQ(timerSwitches.back(), false);
}

TEST_F(ExitTimer, StopsAfterTwoSecondsWhenTheHostStaysOpen) {
    windows.tick = 5000;
    form->StartTimer();
    host->alerts = false;
    for (std::uint32_t at = 5030; at < 7000; at += 30) {
        windows.tick = at;
        form->Timer_ProExit_Timer();
    }
    EXPECT_EQ(timerSwitches, std::vector<bool>{true});
    windows.tick = 7000;
    form->Timer_ProExit_Timer();
    EXPECT_EQ(timerSwitches, (std::vector<bool>{true, false}));
    EXPECT_TRUE(windows.posted.empty());
    EXPECT_FALSE(host->alerts);

    // Started again, it waits its full two seconds from then on, across the tick count's wrap.
    windows.tick = 0xFFFFFF00u;
    form->StartTimer();
    windows.tick = 0x500u;
    form->Timer_ProExit_Timer();
    EXPECT_EQ(timerSwitches, (std::vector<bool>{true, false, true}));
}

}  // namespace
}  // namespace morvane::test
