#include "TabBarFixture.h"

namespace morvane::test {
namespace {

using UpdateMenu = TabBarFixture;

TEST_F(UpdateMenu, FillsOneTabPerWindowInHandleOrder) {
    const auto a = Open(L"Alpha.mpp");
    const auto b = Open(L"Beta.mpp", L"C:\\Plans", false);
    const auto c = Open(L"Gamma.mpp", L"D:\\Work", true, false);
    LockedProjects.insert(L"d:\\work\\GAMMA.mpp");  // paths compare without case
    windows.activeChild[client] = b;
    Updating = true;
    form->UpdateMenu();
    Updating = false;

    ASSERT_EQ(strip.Count(), 3);
    EXPECT_EQ(strip.tabs[0].caption, L"  Alpha.mpp  ");
    EXPECT_EQ(strip.tabs[1].caption, L"  Beta.mpp  *  ");
    EXPECT_EQ(strip.tabs[2].caption, L"  Gamma.mpp  ");
    EXPECT_EQ(strip.tabs[0].toolTip, L"C:\\Plans\\Alpha.mpp");
    EXPECT_EQ(strip.tabs[2].toolTip, L"D:\\Work\\Gamma.mpp");
    EXPECT_EQ(strip.tabs[0].image, 0);
    EXPECT_EQ(strip.tabs[2].image, 1);
    EXPECT_EQ(strip.tabs[0].tag, HandleText(a));
    EXPECT_EQ(strip.tabs[2].tag, HandleText(c));
    EXPECT_TRUE(strip.tabs[1].visible);
    EXPECT_FALSE(strip.tabs[2].visible);
    EXPECT_EQ(strip.selected, 1);
    EXPECT_EQ(ProjectWindows.size(), 3u);
    // The refresh's own selection activates nothing while the caller holds Updating.
    EXPECT_TRUE(windows.posted.empty());

    // Saved since: the mark goes at the next refresh.
    host->projects[1]->saved = true;
    form->UpdateMenu();
    EXPECT_EQ(strip.tabs[1].caption, L"  Beta.mpp  ");
}

TEST_F(UpdateMenu, SelectingWithoutTheBusyFlagActivatesTheWindow) {
    Open(L"Alpha.mpp");
    const auto b = Open(L"Beta.mpp");
    form->UpdateMenu();
    ASSERT_EQ(windows.posted.size(), 1u);
    EXPECT_EQ(windows.posted[0], (PostedMessage{client, 0x222, static_cast<std::uintptr_t>(b), 0}));
}

TEST_F(UpdateMenu, LaysTheStripOutBySettings) {
    struct Case {
        std::int32_t theme, position, fixWidth, maxWidth;
        std::int32_t left, top, side, fixed;
    };
    const Case cases[] = {{3, 0, 0, 0, -100, 0, 0, 70},
                          {7, 1, 120, 200, -80, 0, 2, 120},
                          {10, 2, 0, 0, 0, -90, 1, 70},
                          {0, 3, 0, 90, 0, -30, 3, 70},
                          {8, 7, 400, 400, 0, -80, 3, 400}};
    Open(L"Alpha.mpp");
    for (const auto& c : cases) {
        settings.Theme = c.theme;
        settings.Position = static_cast<BarPosition>(c.position);
        settings.FixWidth = c.fixWidth;
        settings.MaxWidth = c.maxWidth;
        settings.TbLayout = c.theme % 3;
        form->UpdateMenu();
        EXPECT_EQ(strip.left, c.left) << c.theme << "/" << c.position;
        EXPECT_EQ(strip.top, c.top) << c.theme << "/" << c.position;
        EXPECT_EQ(strip.side, c.side) << c.theme << "/" << c.position;
        EXPECT_EQ(strip.fixedWidth, c.fixed) << c.theme << "/" << c.position;
        EXPECT_EQ(strip.maxWidth, c.maxWidth) << c.theme << "/" << c.position;
        EXPECT_EQ(strip.layout, c.theme % 3) << c.theme << "/" << c.position;
    }
}

TEST_F(UpdateMenu, MeasuresTheBarAcrossItsStrip) {
    Open(L"Alpha.mpp");
    strip.width = 15000;
    strip.height = 600;
    strip.pageWidth = 14000;
    strip.pageHeight = 232;
    form->UpdateMenu();
    EXPECT_EQ(TabBarSize, 25);  // 368 twips is 24.53 pixels
    settings.Position = BarRight;
    form->UpdateMenu();
    EXPECT_EQ(TabBarSize, 67);  // 1000 twips is 66.67 pixels
}

TEST_F(UpdateMenu, WithoutAnActiveWindowNothingChanges) {
    Open(L"Alpha.mpp");
    form->UpdateMenu();
    TabBarSize = 33;
    Open(L"Beta.mpp");
    windows.activeChild.clear();
    settings.Theme = 3;
    form->UpdateMenu();
    EXPECT_EQ(strip.Count(), 1);
    EXPECT_EQ(strip.left, -30);
    EXPECT_EQ(TabBarSize, 33);
}

// Two projects named Plan from two folders, the second opened after the bar's first fill: each
// tab shows its own project's full name, unsaved mark and lock.
TEST_F(UpdateMenu, TwoWindowsWithOneCaptionEachKeepTheirOwnProject) {
    auto first = host->AddProject(L"Plan", L"C:\\A");
    const auto h1 = windows.Add(client, L"Winproj-DocWindowClass", L"Plan");
    ChildHandles.Add(h1);
    windows.activeChild[client] = h1;
    Updating = true;
    form->UpdateMenu();

    auto second = host->AddProject(L"Plan", L"C:\\B");
    second->project->saved = false;
    const auto h2 = windows.Add(client, L"Winproj-DocWindowClass", L"Plan");
    windows.Raise(h2);  // the new window is the topmost of that caption
    ChildHandles.Add(h2);
    windows.activeChild[client] = h2;
    LockedProjects.insert(L"C:\\B\\Plan");
    form->UpdateMenu();

    ASSERT_EQ(ProjectWindows.size(), 2u);
    EXPECT_EQ(ProjectWindows.at(HandleText(h1)), first);
    EXPECT_EQ(ProjectWindows.at(HandleText(h2)), second);
    ASSERT_EQ(strip.Count(), 2);
    EXPECT_EQ(strip.tabs[0].toolTip, L"C:\\A\\Plan");
    EXPECT_EQ(strip.tabs[0].caption, L"  Plan  ");
    EXPECT_EQ(strip.tabs[0].image, 0);
    EXPECT_EQ(strip.tabs[1].toolTip, L"C:\\B\\Plan");
    EXPECT_EQ(strip.tabs[1].caption, L"  Plan  *  ");
    EXPECT_EQ(strip.tabs[1].image, 1);
    Updating = false;
}

// Projects named Plan from two folders, all open before the bar's first fill (as when the add-in
// connects), in either order and whichever was active last: each tab names its own window's
// project, and the window active before the fill is active after it.
TEST_F(UpdateMenu, WindowsOfOneCaptionOpenBeforeTheFirstFillEachNameTheirOwnProject) {
    struct Case {
        const char* name;
        std::vector<const wchar_t*> folders;  // opening order
        int activeLast;                       // the window the user activated last
    };
    const Case cases[] = {
        {"A then B", {L"C:\\A", L"C:\\B"}, 1},
        {"B then A", {L"C:\\B", L"C:\\A"}, 1},
        {"A then B, A active again", {L"C:\\A", L"C:\\B"}, 0},
        {"three of one name", {L"C:\\A", L"C:\\B", L"C:\\C"}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewHost();
        NewForm(L"14.0");
        // A window of a name of its own takes its handle without being activated.
        const WindowHandle other = Open(L"Other.mpp");
        std::map<WindowHandle, std::wstring> fullNames;
        for (const wchar_t* folder : c.folders) {
            const bool saved = std::wstring(folder) == L"C:\\A";
            const WindowHandle handle = Open(L"Plan.mpp", folder, saved);
            fullNames[handle] = std::wstring(folder) + L"\\Plan.mpp";
        }
        LockedProjects.insert(L"C:\\B\\Plan.mpp");
        const auto last = host->windows[static_cast<std::size_t>(c.activeLast) + 1];
        last->Activate();
        const WindowHandle active = windows.activeChild[client];
        host->windows[0]->activations = 0;
        last->activations = 0;

        Updating = true;
        form->UpdateMenu();
        EXPECT_TRUE(Updating) << "the caller's busy flag";
        Updating = false;

        ASSERT_EQ(strip.Count(), static_cast<std::int32_t>(c.folders.size()) + 1);
        for (const auto& tab : strip.tabs) {
            const WindowHandle handle = *HandleFromText(tab.tag);
            if (handle == other) {
                EXPECT_EQ(tab.toolTip, L"C:\\Plans\\Other.mpp");
                continue;
            }
            const std::wstring& fullName = fullNames.at(handle);
            EXPECT_EQ(tab.toolTip, fullName);
            EXPECT_EQ(tab.caption,
                      fullName == L"C:\\A\\Plan.mpp" ? L"  Plan.mpp  " : L"  Plan.mpp  *  ");
            EXPECT_EQ(tab.image, fullName == L"C:\\B\\Plan.mpp" ? 1 : 0);
        }
        EXPECT_EQ(windows.activeChild[client], active);
        EXPECT_EQ(host->activeWindow, last);
        EXPECT_EQ(strip.tabs[static_cast<std::size_t>(strip.selected)].tag, HandleText(active));
        EXPECT_EQ(host->windows[0]->activations, 0);
        EXPECT_TRUE(windows.posted.empty()) << "the fill activated a window";
    }
}

// A hidden and a visible window of one caption, both new at the fill: the hidden one is never
// activated, yet each tab names its own window's project, whichever comes first in the host's
// windows and whether or not the visible one could be activated.
TEST_F(UpdateMenu, AHiddenAndAVisibleWindowOfOneCaptionEachNameTheirOwnProject) {
    struct Case {
        const char* name;
        bool hiddenFirst;       // in the host's windows, which follow the opening order
        const char* hostFault;  // a member of the host that fails, or none
        bool visibleFails;      // the visible window cannot be activated
    };
    const Case cases[] = {
        {"hidden first", true, nullptr, false},
        {"visible first", false, nullptr, false},
        {"hidden first, no active host window", true, "ActiveWindow", false},
        {"visible first, no active host window", false, "ActiveWindow", false},
        {"hidden first, the visible one cannot be activated", true, nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewHost();
        NewForm(L"14.0");
        // The visible one has unsaved changes and is locked: its marks must not move.
        const auto openHidden = [this] { return Open(L"Plan.mpp", L"C:\\H", true, false); };
        const auto openVisible = [this] { return Open(L"Plan.mpp", L"C:\\V", false); };
        const WindowHandle first = c.hiddenFirst ? openHidden() : openVisible();
        const WindowHandle second = c.hiddenFirst ? openVisible() : openHidden();
        const WindowHandle hidden = c.hiddenFirst ? first : second;
        const WindowHandle visible = c.hiddenFirst ? second : first;
        const auto hiddenWindow = host->windows[c.hiddenFirst ? 0 : 1];
        const auto visibleWindow = host->windows[c.hiddenFirst ? 1 : 0];
        visibleWindow->Activate();  // the hidden window is never the active one
        hiddenWindow->activations = 0;
        LockedProjects.insert(L"C:\\V\\Plan.mpp");
        if (c.hostFault) {
            host->Fail(c.hostFault);
        }
        if (c.visibleFails) {
            visibleWindow->Fail("Activate");
        }

        Updating = true;
        form->UpdateMenu();
        Updating = false;

        EXPECT_EQ(ProjectWindows[HandleText(hidden)].get(), hiddenWindow.get());
        EXPECT_EQ(ProjectWindows[HandleText(visible)].get(), visibleWindow.get());
        ASSERT_EQ(strip.Count(), 2);
        const std::size_t h = c.hiddenFirst ? 0 : 1;
        const std::size_t v = 1 - h;
        EXPECT_EQ(strip.tabs[h].tag, HandleText(hidden));
        EXPECT_EQ(strip.tabs[h].toolTip, L"C:\\H\\Plan.mpp");
        EXPECT_EQ(strip.tabs[h].caption, L"  Plan.mpp  ");
        EXPECT_EQ(strip.tabs[h].image, 0);
        EXPECT_FALSE(strip.tabs[h].visible);
        EXPECT_EQ(strip.tabs[v].tag, HandleText(visible));
        EXPECT_EQ(strip.tabs[v].toolTip, L"C:\\V\\Plan.mpp");
        EXPECT_EQ(strip.tabs[v].caption, L"  Plan.mpp  *  ");
        EXPECT_EQ(strip.tabs[v].image, 1);
        EXPECT_EQ(hiddenWindow->activations, 0) << "a hidden window stays hidden";
        EXPECT_EQ(windows.activeChild[client], visible);
    }
}

// Where a window cannot be activated, or is hidden, the fill goes on without activating it.
TEST_F(UpdateMenu, AWindowThatCannotBeActivatedStillGetsATab) {
    Open(L"Plan.mpp", L"C:\\A");
    const auto hidden = Open(L"Plan.mpp", L"C:\\B", true, false);
    Open(L"Plan.mpp", L"C:\\C");
    const WindowHandle active = windows.activeChild[client];
    host->windows[0]->Fail("Activate");
    Updating = true;
    form->UpdateMenu();
    Updating = false;
    ASSERT_EQ(strip.Count(), 3);
    EXPECT_EQ(ProjectWindows.size(), 3u);
    EXPECT_EQ(host->windows[1]->activations, 0) << "a hidden window stays hidden";
    EXPECT_FALSE(windows.IsWindowVisible(hidden));
    EXPECT_EQ(windows.activeChild[client], active);

    // Without the host's active window to go back to, nothing is activated.
    host->windows[0]->Heal("Activate");
    for (const auto& window : host->windows) {
        window->activations = 0;
    }
    ProjectWindows.clear();
    host->Fail("ActiveWindow");
    form->UpdateMenu();
    EXPECT_EQ(ProjectWindows.size(), 3u);
    for (const auto& window : host->windows) {
        EXPECT_EQ(window->activations, 0);
    }
}

TEST_F(UpdateMenu, EqualCountsSkipTheResynchronisation) {
    const auto a = Open(L"Alpha.mpp");
    ProjectWindows.emplace(L"1", host->windows[0]);
    windows.windows[a].text = L"Alpha text";
    form->UpdateMenu();
    EXPECT_EQ(ProjectWindows.count(HandleText(a)), 0u);
    // Filled from the window's own text and the host window of that caption (none here).
    EXPECT_EQ(strip.tabs[0].caption, L"  Alpha text  ");
    EXPECT_EQ(strip.tabs[0].toolTip, L"");
}

TEST_F(UpdateMenu, AFailingHostKeepsThePreviousFill) {
    Open(L"Alpha.mpp");
    form->UpdateMenu();
    auto project = host->projects[0];
    project->fullName = L"C:\\Elsewhere\\Alpha.mpp";
    project->saved = false;
    project->Fail("FullName");
    project->Fail("Saved");
    LockedProjects.insert(L"C:\\Plans\\Alpha.mpp");
    form->UpdateMenu();
    EXPECT_EQ(strip.tabs[0].toolTip, L"C:\\Plans\\Alpha.mpp");
    EXPECT_EQ(strip.tabs[0].caption, L"  Alpha.mpp  ");
    EXPECT_EQ(strip.tabs[0].image, 1);  // the lock follows the kept tool tip

    host->Fail("Windows");
    state.HostApp = nullptr;
    form->UpdateMenu();
    EXPECT_EQ(strip.Count(), 1);
}

TEST_F(UpdateMenu, ClosedWindowsLeaveWithTheirHandles) {
    Open(L"Alpha.mpp");
    const auto b = Open(L"Beta.mpp");
    form->UpdateMenu();
    ChildHandles.Remove(HandleText(b));
    windows.activeChild[client] = ChildHandles.Item(0);
    form->UpdateMenu();
    ASSERT_EQ(strip.Count(), 1);
    EXPECT_EQ(strip.tabs[0].caption, L"  Alpha.mpp  ");
}

using TabBarLoad = TabBarFixture;

TEST_F(TabBarLoad, SetsUpTheControlThenFills) {
    settings.TabFontName = L"Tahoma";
    settings.TabFontSize = 11;
    settings.Theme = 8;
    settings.EnableReorder = 1;
    Open(L"Alpha.mpp");
    form->Form_Load(L"Segoe UI");
    EXPECT_EQ(strip.fontName, L"Tahoma");
    EXPECT_EQ(strip.fontPoints, 11);
    EXPECT_TRUE(strip.imagesAttached);
    EXPECT_FALSE(strip.reorder);
    EXPECT_EQ(strip.appearance, 9);
    EXPECT_TRUE(strip.paintSwitches[18]);
    EXPECT_TRUE(strip.paintSwitches[7]);
    EXPECT_TRUE(strip.paintSwitches[17]);
    EXPECT_FALSE(strip.paintSwitches[8]);
    EXPECT_EQ(strip.toolTipStyle, 5);
    EXPECT_TRUE(strip.toolTipSwitches[9]);
    EXPECT_TRUE(strip.toolTipSwitches[10]);
    EXPECT_EQ(strip.colorStyle, 32);  // Office colours: custom colours are off
    EXPECT_EQ(strip.Count(), 1);
}

TEST_F(TabBarLoad, KeepsTheBuiltInFontWithoutASystemFontAndTakesCustomColours) {
    settings.TabFontName = L"Tahoma";
    settings.CusColor = 1;
    settings.Theme = 2;
    NewForm(L"12.0");
    form->Form_Load(L"");
    EXPECT_EQ(strip.fontName, L"");
    EXPECT_TRUE(strip.reorder);
    EXPECT_EQ(strip.toolTipStyle, 2);
    EXPECT_EQ(strip.colorStyle, 4);
    EXPECT_EQ(strip.colors.size(), 6u);
}

using TabBarColours = TabBarFixture;

// The Office colour scheme of a host version, as Office stores it.
void PutScheme(FakeRegistry& registry, const std::wstring& version, std::int32_t scheme) {
    registry.PutDword(RootKey::CurrentUser,
                      L"Software\\Microsoft\\Office\\" + version + L"\\Common", L"Theme", scheme);
}

TEST_F(TabBarColours, OfficeSchemeIsReadAgainAtEveryCall) {
    PutScheme(*registry, L"14.0", 1);
    form->ChangeDeafultColor();
    EXPECT_EQ(state.OfficeTheme, 1);
    EXPECT_EQ(strip.colorStyle, 32);
    EXPECT_EQ(strip.colors[2], 15985635u);
    EXPECT_EQ(strip.colors[7], 12690311u);
    const std::vector<std::string> order = {"style 32", "color 2", "color 1", "color 6", "color 7"};
    EXPECT_EQ(strip.styleCalls, order);
    EXPECT_EQ(strip.refreshes, 1);

    PutScheme(*registry, L"14.0", 3);
    form->ChangeDeafultColor();
    EXPECT_EQ(strip.colors[1], 7237230u);

    // Missing value: the scheme stays as the loader left it.
    registry->Delete(RootKey::CurrentUser, L"Software\\Microsoft\\Office\\14.0\\Common", L"Theme");
    state.OfficeTheme = 2;
    form->ChangeDeafultColor();
    EXPECT_EQ(strip.colors[1], 11906730u);
    EXPECT_EQ(strip.colors.count(8), 0u);  // no text colours
}

TEST_F(TabBarColours, UnknownSchemeSetsTheStyleOnly) {
    PutScheme(*registry, L"14.0", 4);
    form->ChangeDeafultColor();
    EXPECT_EQ(strip.colorStyle, 32);
    EXPECT_TRUE(strip.colors.empty());
}

TEST_F(TabBarColours, OlderHostsKeepTheirColours) {
    PutScheme(*registry, L"12.0", 1);
    NewForm(L"12.0");
    form->ChangeDeafultColor();
    EXPECT_TRUE(strip.styleCalls.empty());
    EXPECT_EQ(state.OfficeTheme, 2);
}

TEST_F(TabBarColours, CustomColoursInTheirOrder) {
    settings.CoBackii = 1;
    settings.CoText = 0;
    form->ChangCustomColor();
    const std::vector<std::string> order = {"switch 8 0", "style 4", "color 2", "color 1",
                                            "color 7",    "color 6", "color 8", "color 10"};
    EXPECT_EQ(strip.styleCalls, order);
    EXPECT_EQ(strip.colors[2], 1u);
    EXPECT_EQ(strip.colors[8], 0u);
    EXPECT_EQ(strip.refreshes, 0);
}

TEST_F(TabBarFixture, ResizeKeepsTheStripInWholePixels) {
    strip.left = -30;
    strip.height = 400;
    strip.pageHeight = 20;  // 380 twips: 25.33 pixels
    form->Form_Resize(12000, 3000);
    EXPECT_EQ(TabBarSize, 25);
    EXPECT_EQ(strip.height, 375);
    EXPECT_EQ(strip.width, 12030);

    settings.Position = BarLeft;
    strip.top = -90;
    strip.width = 500;
    strip.pageWidth = 110;  // 390 twips: 26 pixels
    form->Form_Resize(400, 8000);
    EXPECT_EQ(TabBarSize, 26);
    EXPECT_EQ(strip.left, 0);
    EXPECT_EQ(strip.width, 390);
    EXPECT_EQ(strip.height, 8090);
}

}  // namespace
}  // namespace morvane::test
