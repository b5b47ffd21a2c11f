// The rules of the host's application events over doubles: the host, the windows, the tab bar
// with its real fill over a double tab strip, and the two dialogs.
#include "addin/AppEventHandlers.h"

#include "support/FakeHostDialogs.h"
#include "tabbar/TabBarFixture.h"

namespace morvane::test {
namespace {

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// The tab bar as the handlers see it: the real fill over the double strip.
class EventBar : public TabBarWindow {
  public:
    EventBar(std::unique_ptr<frmMorvane>& form, FakeTabStrip& strip, const bool& updating)
        : form_(form), strip_(strip), updating_(updating) {}

    int updates = 0;
    int timerStarts = 0;
    // Updating as each refresh found it.
    std::vector<bool> updatingSeen;

    WindowHandle hWnd() const override { return 0; }
    bool Visible() const override { return true; }
    void Hide() override {}
    void UpdateMenu() override {
        ++updates;
        updatingSeen.push_back(updating_);
        form_->UpdateMenu();
    }
    void ChangeDeafultColor() override {}
    void StartTimer() override { ++timerStarts; }
    TabStrip* Strip() override { return &strip_; }
    TabStyle* Style() override { return nullptr; }

  private:
    std::unique_ptr<frmMorvane>& form_;
    FakeTabStrip& strip_;
    const bool& updating_;
};

class AppEventsTest : public TabBarFixture {
  protected:
    EventBar bar{form, strip, Updating};
    FakeHostDialogs dialogs;
    bool hasBar = true;
    bool hasDialogs = true;
    bool exitHandled = false;
    bool ending = false;
    std::wstring osVersion = L"6.1";
    int beeps = 0;
    int reframes = 0;
    int cancels = 0;
    bool cancelWorks = true;

    // A new host with new windows and an empty bar, for the next case of a table.
    void Restart() {
        NewHost();
        dialogs = FakeHostDialogs{};
        hasBar = hasDialogs = true;
        exitHandled = false;
        ending = false;
        beeps = reframes = cancels = 0;
    }

    // The handlers of a host of this version, made after the test set up its parts.
    AppEventHandlers Handlers(const std::wstring& hostVersion) {
        host->version = hostVersion;
        NewForm(hostVersion);
        bar.updates = bar.timerStarts = 0;
        bar.updatingSeen.clear();
        return AppEventHandlers(AppEventParts{
            .host = *host,
            .settings = settings,
            .hostVersion = hostVersion,
            .osVersion = osVersion,
            .hMainWnd = mainWindow,
            .hMDIClient = client,
            .windows = windows,
            .tabBar = [this]() -> TabBarWindow* { return hasBar ? &bar : nullptr; },
            .reframeClient = [this] { ++reframes; },
            .beep = [this] { ++beeps; },
            .dialogs = hasDialogs ? &dialogs : nullptr,
            .projectWindows = ProjectWindows,
            .lockedProjects = LockedProjects,
            .updating = Updating,
            .ending = ending,
            .exitHandled = exitHandled,
        });
    }

    // What the close event's Info.Cancel := true does.
    std::function<bool()> KeepHostOpen() {
        return [this] {
            ++cancels;
            return cancelWorks;
        };
    }

    // Opens projects A, B and C and fills the tabs; C is active and selected.
    void OpenThree() {
        Open(L"A.mpp");
        Open(L"B.mpp");
        Open(L"C.mpp");
        form->UpdateMenu();
    }
};

TEST(CaptionForSavedState, AddsOrTakesTheUnsavedMark) {
    struct Case {
        const wchar_t* caption;
        bool saved;
        std::optional<std::wstring> expected;
    };
    const Case cases[] = {
        {L"  A.mpp  ", false, L"  A.mpp  *  "},
        {L"  A.mpp  *  ", false, std::nullopt},
        {L"  A.mpp  *  ", true, L"  A.mpp  "},
        {L"  A.mpp  ", true, std::nullopt},
        {L"A.mpp  *", true, L"  A.mpp  "},
        // One blank before the asterisk is part of the name, not the mark.
        {L"  A *  ", false, L"  A *  *  "},
        {L"  A *  ", true, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << Narrow(c.caption) << " saved " << c.saved);
        EXPECT_EQ(CaptionForSavedState(c.caption, c.saved), c.expected);
    }
}

// --- the host closing ---

TEST_F(AppEventsTest, CloseConfirmationOnlyWithSeveralWindowsWhileTheHostIsUp) {
    struct Case {
        const char* name;
        bool state;
        int windows;
        std::int32_t exitInfor;
        bool asks;
    };
    const Case cases[] = {
        {"three windows", true, 3, 0, true},      {"two windows", true, 2, 0, true},
        {"one window", true, 1, 0, false},        {"warning switched off", true, 3, 1, false},
        {"host state false", false, 3, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        for (int i = 0; i < c.windows; ++i) {
            Open(L"P" + std::to_wstring(i) + L".mpp");
        }
        host->state = c.state;
        settings.ExitInfor = c.exitInfor;
        auto handlers = Handlers(L"14.0");
        handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
        EXPECT_EQ(dialogs.closeOwners.size(), c.asks ? 1u : 0u);
        EXPECT_EQ(beeps, c.asks ? 1 : 0);
        // Cancel (the dialog double's default answer) keeps the host open; no question, no cancel.
        EXPECT_EQ(cancels, c.asks ? 1 : 0);
    }
}

TEST_F(AppEventsTest, CloseConfirmationAnswers) {
    struct Case {
        const char* name;
        std::wstring version;
        CloseChoice answer;
        bool keepsOpen;
        bool closesSelected;
        int refreshes;
    };
    const Case cases[] = {
        {"cancel", L"14.0", CloseChoice::Cancel, true, false, 0},
        {"close all on 14.0", L"14.0", CloseChoice::CloseAll, false, false, 0},
        {"close all on 12.0", L"12.0", CloseChoice::CloseAll, false, false, 0},
        {"close all on 11.0 refreshes the tabs", L"11.0", CloseChoice::CloseAll, false, false, 1},
        {"close the current tab", L"14.0", CloseChoice::CloseCurrent, true, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        osVersion = L"6.0";
        auto handlers = Handlers(c.version);
        OpenThree();
        strip.Select(1);  // B's tab, while C is the active window
        dialogs.closeAnswer = c.answer;
        handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());

        EXPECT_EQ(dialogs.closeOwners, std::vector<WindowHandle>{mainWindow});
        EXPECT_EQ(cancels, c.keepsOpen ? 1 : 0);
        EXPECT_EQ(bar.updates, c.refreshes);
        EXPECT_EQ(bar.updatingSeen, std::vector<bool>(static_cast<std::size_t>(c.refreshes), true));
        const auto closes = Closes();
        if (c.closesSelected) {
            ASSERT_EQ(closes.size(), 1u);
            EXPECT_EQ(closes[0].window, ChildHandles.Item(1));
        } else {
            EXPECT_TRUE(closes.empty());
        }
    }
}

TEST_F(AppEventsTest, CloseTheCurrentTabWithoutASelectedTabEndsTheHandler) {
    osVersion = L"6.1";
    auto handlers = Handlers(L"12.0");
    OpenThree();
    strip.selected = -1;
    dialogs.closeAnswer = CloseChoice::CloseCurrent;
    handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
    EXPECT_TRUE(Closes().empty());
    EXPECT_EQ(cancels, 0);
    EXPECT_EQ(bar.timerStarts, 0);  // the work-around after it does not run either
}

TEST_F(AppEventsTest, AFailingHostEndsTheCloseHandler) {
    for (const char* member : {"State", "WindowCount"}) {
        SCOPED_TRACE(member);
        Restart();
        auto handlers = Handlers(L"12.0");
        Open(L"A.mpp");
        Open(L"B.mpp");
        host->Fail(member);
        handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
        EXPECT_TRUE(dialogs.closeOwners.empty());
        EXPECT_EQ(bar.timerStarts, 0);
        EXPECT_FALSE(exitHandled);
    }
}

TEST_F(AppEventsTest, WithoutTheDialogsTheHostClosesWithoutAsking) {
    hasDialogs = false;
    auto handlers = Handlers(L"14.0");
    OpenThree();
    handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
    EXPECT_EQ(cancels, 0);
    EXPECT_EQ(beeps, 0);
}

// --- the exit work-around ---

TEST_F(AppEventsTest, ExitWorkaroundOnlyOnHost12UnderWindows7) {
    struct Case {
        std::wstring host;
        std::wstring os;
        bool runs;
    };
    const Case cases[] = {
        {L"12.0", L"6.1", true},  {L"14.0", L"6.1", false}, {L"11.0", L"6.1", false},
        {L"12.0", L"6.0", false}, {L"12.0", L"6.2", false}, {L"12.0", L"Failed", false},
        {L"12", L"6.1", false},  // the version is compared as text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(L"host " + c.host + L", Windows " + c.os));
        Restart();
        osVersion = c.os;
        auto handlers = Handlers(c.host);
        Open(L"A.mpp");
        handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
        EXPECT_EQ(bar.timerStarts, c.runs ? 1 : 0);
        EXPECT_EQ(host->saveAsCalls, c.runs ? 1 : 0);
        EXPECT_EQ(host->openCalls, 0);
        EXPECT_EQ(exitHandled, c.runs);
    }
}

TEST_F(AppEventsTest, ExitWorkaroundRunsOncePerProcess) {
    auto handlers = Handlers(L"12.0");
    Open(L"A.mpp");
    handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
    handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
    EXPECT_EQ(host->saveAsCalls, 1);
    EXPECT_EQ(bar.timerStarts, 1);
    // A new connection shares the process's flag.
    auto reconnected = Handlers(L"12.0");
    reconnected.oAppPro_ApplicationBeforeClose(KeepHostOpen());
    EXPECT_EQ(host->saveAsCalls, 1);
    EXPECT_EQ(bar.timerStarts, 0);
}

TEST_F(AppEventsTest, ExitWorkaroundOpensTheOpenDialogWhenNoWindowIsVisible) {
    auto handlers = Handlers(L"12.0");
    Open(L"A.mpp", L"C:\\Plans", true, false);
    handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
    EXPECT_EQ(host->openCalls, 1);
    EXPECT_EQ(host->saveAsCalls, 0);
    EXPECT_EQ(bar.timerStarts, 1);
    EXPECT_TRUE(exitHandled);
}

TEST_F(AppEventsTest, ExitWorkaroundAfterThePromptOnlyWhenAllClose) {
    struct Case {
        CloseChoice answer;
        bool unlockedBefore;
        bool runs;
    };
    const Case cases[] = {
        {CloseChoice::CloseAll, false, true},
        {CloseChoice::Cancel, false, false},
        {CloseChoice::CloseCurrent, false, false},
        // The last lock warning's answer counts too.
        {CloseChoice::CloseCurrent, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "answer " << static_cast<int>(c.answer) << ", unlocked "
                                        << c.unlockedBefore);
        Restart();
        auto handlers = Handlers(L"12.0");
        OpenThree();
        if (c.unlockedBefore) {
            LockedProjects.insert(L"C:\\Plans\\A.mpp");
            dialogs.unlockAnswer = true;
            bool cancel = false;
            handlers.oAppPro_ProjectBeforeClose(host->projects[0], cancel);
        }
        dialogs.closeAnswer = c.answer;
        handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
        EXPECT_EQ(host->saveAsCalls, c.runs ? 1 : 0);
        EXPECT_EQ(exitHandled, c.runs);
    }
}

TEST_F(AppEventsTest, ASaveAsDialogOnHost12CountsAsTheWorkaround) {
    for (const std::wstring version : {L"14.0", L"12.0"}) {
        SCOPED_TRACE(Narrow(version));
        Restart();
        auto handlers = Handlers(version);
        Open(L"A.mpp");
        bool cancel = false;
        handlers.oAppPro_ProjectBeforeSave(host->projects[0], false, cancel);
        EXPECT_FALSE(exitHandled);
        handlers.oAppPro_ProjectBeforeSave(host->projects[0], true, cancel);
        EXPECT_EQ(exitHandled, version == L"12.0");
        EXPECT_FALSE(cancel);
    }
    // After the save-as dialog of host "12.0" the exit needs no work-around.
    auto handlers = Handlers(L"12.0");
    handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
    EXPECT_EQ(host->saveAsCalls, 0);
    EXPECT_EQ(bar.timerStarts, 0);
}

TEST_F(AppEventsTest, AFailingFileCommandLeavesTheWorkaroundToTheNextExit) {
    auto handlers = Handlers(L"12.0");
    Open(L"A.mpp");
    host->Fail("FileSaveAs");
    handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
    EXPECT_FALSE(exitHandled);
    host->Heal("FileSaveAs");
    handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
    EXPECT_TRUE(exitHandled);
    EXPECT_EQ(host->saveAsCalls, 1);
}

// --- the lock guard ---

TEST_F(AppEventsTest, LockGuardOnCloseAndSave) {
    struct Case {
        const char* name;
        const wchar_t* locked;  // nullptr: nothing locked
        bool answer;
        bool warns;
        bool cancels;
        bool stillLocked;
    };
    const Case cases[] = {
        {"nothing locked", nullptr, false, false, false, false},
        {"another project locked", L"C:\\Plans\\B.mpp", false, false, false, true},
        {"locked, kept", L"C:\\Plans\\A.mpp", false, true, true, true},
        {"locked, unlocked", L"C:\\Plans\\A.mpp", true, true, false, false},
        {"locked in other case, unlocked", L"c:\\plans\\a.MPP", true, true, false, false},
    };
    for (const bool saving : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << (saving ? " on save" : " on close"));
            Restart();
            if (c.locked) {
                LockedProjects.insert(c.locked);
            }
            dialogs.unlockAnswer = c.answer;
            auto handlers = Handlers(L"14.0");
            Open(L"A.mpp");
            bool cancel = false;
            if (saving) {
                handlers.oAppPro_ProjectBeforeSave(host->projects[0], false, cancel);
            } else {
                handlers.oAppPro_ProjectBeforeClose(host->projects[0], cancel);
            }
            EXPECT_EQ(dialogs.lockWarnings.size(), c.warns ? 1u : 0u);
            if (c.warns) {
                EXPECT_EQ(dialogs.lockWarnings[0],
                          std::make_pair(mainWindow, std::wstring(L"A.mpp")));
            }
            EXPECT_EQ(beeps, c.warns ? 1 : 0);
            EXPECT_EQ(cancel, c.cancels);
            EXPECT_EQ(LockedProjects.size(), c.stillLocked ? 1u : 0u);
        }
    }
}

// Switched off while a question is open, the answer may still cancel what the host is doing, but
// starts nothing: Cancel and "close the current tab" keep the host open and close no window,
// "close all" lets it close; no tab is refreshed and the exit work-around does not run. A kept
// lock still refuses the close or save; an unlock lets it go on.
TEST_F(AppEventsTest, AnAnswerAfterASwitchOffMayCancelButStartsNothing) {
    struct Case {
        CloseChoice answer;
        bool keepsOpen;
    };
    const Case cases[] = {
        {CloseChoice::Cancel, true},
        {CloseChoice::CloseAll, false},
        {CloseChoice::CloseCurrent, true},
    };
    for (const std::wstring version : {L"11.0", L"12.0"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message()
                         << Narrow(version) << " answer " << static_cast<int>(c.answer));
            Restart();
            osVersion = L"6.1";
            auto handlers = Handlers(version);
            OpenThree();
            strip.Select(1);
            dialogs.closeAnswer = c.answer;
            dialogs.whileShown = [this] { ending = true; };
            handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
            EXPECT_EQ(cancels, c.keepsOpen ? 1 : 0);
            EXPECT_TRUE(Closes().empty());
            EXPECT_EQ(bar.updates, 0);
            EXPECT_EQ(bar.timerStarts, 0);
            EXPECT_EQ(host->saveAsCalls, 0);
            EXPECT_FALSE(exitHandled);
            EXPECT_FALSE(handlers.Standing());
        }
    }
    for (const bool saving : {false, true}) {
        for (const bool unlock : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << (saving ? "save, " : "close, ") << (unlock ? "unlocked" : "kept"));
            Restart();
            LockedProjects.insert(L"C:\\Plans\\A.mpp");
            dialogs.unlockAnswer = unlock;
            dialogs.whileShown = [this] { ending = true; };
            auto handlers = Handlers(L"14.0");
            Open(L"A.mpp");
            bool cancel = false;
            if (saving) {
                handlers.oAppPro_ProjectBeforeSave(host->projects[0], false, cancel);
            } else {
                handlers.oAppPro_ProjectBeforeClose(host->projects[0], cancel);
            }
            EXPECT_EQ(dialogs.lockWarnings.size(), 1u);
            EXPECT_EQ(cancel, !unlock);
        }
    }
}

TEST_F(AppEventsTest, LockGuardFailures) {
    LockedProjects.insert(L"C:\\Plans\\A.mpp");
    auto handlers = Handlers(L"14.0");
    Open(L"A.mpp");
    bool cancel = false;

    // A project whose full name cannot be read is not held back.
    host->projects[0]->Fail("FullName");
    handlers.oAppPro_ProjectBeforeClose(host->projects[0], cancel);
    EXPECT_FALSE(cancel);
    EXPECT_TRUE(dialogs.lockWarnings.empty());
    host->projects[0]->Heal("FullName");

    // No project argument at all: nothing to guard.
    handlers.oAppPro_ProjectBeforeClose(nullptr, cancel);
    EXPECT_FALSE(cancel);

    // A name that cannot be read: the warning names the full path instead.
    host->projects[0]->Fail("Name");
    handlers.oAppPro_ProjectBeforeClose(host->projects[0], cancel);
    ASSERT_EQ(dialogs.lockWarnings.size(), 1u);
    EXPECT_EQ(dialogs.lockWarnings[0].second, L"C:\\Plans\\A.mpp");
    EXPECT_TRUE(cancel);

    // Without the dialog the lock holds.
    hasDialogs = false;
    auto without = Handlers(L"14.0");
    cancel = false;
    without.oAppPro_ProjectBeforeSave(host->projects[0], false, cancel);
    EXPECT_TRUE(cancel);
    EXPECT_EQ(LockedProjects.size(), 1u);
}

// --- activation, panes and saves ---

TEST_F(AppEventsTest, WindowActivateOnlyOnHost11) {
    for (const std::wstring version : {L"11.0", L"12.0", L"14.0"}) {
        SCOPED_TRACE(Narrow(version));
        Restart();
        auto handlers = Handlers(version);
        const auto a = Open(L"A.mpp");
        handlers.oAppPro_WindowActivate(host->windows[0]);
        const bool acts = version == L"11.0";
        EXPECT_EQ(bar.updates, acts ? 1 : 0);
        EXPECT_EQ(bar.updatingSeen, std::vector<bool>(acts ? 1 : 0, true));
        EXPECT_FALSE(Updating);
        EXPECT_EQ(ProjectWindows.count(HandleText(a)), acts ? 1u : 0u);
        EXPECT_EQ(reframes, acts ? 1 : 0);  // one visible window with OneHide 0
        EXPECT_EQ(strip.Count(), acts ? 1 : 0);
    }
}

TEST_F(AppEventsTest, ARecordedWindowKeepsItsObjectAndTheRefreshStillRuns) {
    auto handlers = Handlers(L"11.0");
    const auto a = Open(L"A.mpp");
    auto stranger = std::make_shared<FakeWindow>();
    ProjectWindows[HandleText(a)] = stranger;
    handlers.oAppPro_WindowActivate(host->windows[0]);
    EXPECT_EQ(ProjectWindows[HandleText(a)], stranger);
    EXPECT_EQ(bar.updates, 1);

    handlers.oAppPro_PaneActivate();
    EXPECT_EQ(ProjectWindows[HandleText(a)], stranger);
    EXPECT_EQ(bar.updates, 2);
}

TEST_F(AppEventsTest, ReframeRuleByVisibleWindowsAndOneHide) {
    struct Case {
        std::int32_t oneHide;
        int visible;
        bool reframes;
    };
    const Case cases[] = {
        {0, 0, true}, {0, 1, true}, {0, 2, false}, {0, 3, false},
        {1, 1, true}, {1, 2, true}, {1, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "OneHide " << c.oneHide << ", visible " << c.visible);
        Restart();
        settings.OneHide = c.oneHide;
        auto handlers = Handlers(L"11.0");
        for (int i = 0; i < 3; ++i) {
            Open(L"P" + std::to_wstring(i) + L".mpp", L"C:\\Plans", true, i < c.visible);
        }
        const int expected = c.reframes ? 1 : 0;
        reframes = 0;
        handlers.oAppPro_PaneActivate();
        EXPECT_EQ(reframes, expected) << "pane";
        reframes = 0;
        handlers.oAppPro_WindowDeactivate();
        EXPECT_EQ(reframes, expected) << "deactivate";
        reframes = 0;
        handlers.oAppPro_WindowActivate(host->windows[0]);
        EXPECT_EQ(reframes, expected) << "activate";
    }
}

TEST_F(AppEventsTest, PaneActivateRecordsTheHostsActiveWindow) {
    auto handlers = Handlers(L"14.0");
    Open(L"A.mpp");
    const auto b = Open(L"B.mpp");
    handlers.oAppPro_PaneActivate();
    ASSERT_EQ(ProjectWindows.count(HandleText(b)), 1u);
    EXPECT_EQ(ProjectWindows[HandleText(b)], host->windows[1]);
    EXPECT_EQ(bar.updatingSeen, std::vector<bool>{true});
    EXPECT_EQ(strip.Count(), 2);

    // No active child: nothing recorded, the tabs still refreshed.
    ProjectWindows.clear();
    windows.activeChild[client] = 0;
    handlers.oAppPro_PaneActivate();
    EXPECT_TRUE(ProjectWindows.empty());
    EXPECT_EQ(bar.updates, 2);
}

// A refresh inside code that holds the busy flag leaves the flag held for that code.
TEST_F(AppEventsTest, ARefreshKeepsTheBusyFlagOfItsCaller) {
    auto handlers = Handlers(L"14.0");
    Open(L"A.mpp");
    Updating = true;
    handlers.oAppPro_PaneActivate();
    handlers.oAppPro_ProjectAfterSave();
    EXPECT_TRUE(Updating);
    EXPECT_EQ(bar.updates, 2);
}

// Three projects of one name from three folders, none recorded yet: the refresh activates
// windows to learn their handles, and the host raises its activation events meanwhile. Their
// refresh waits for the one under way, each window is activated once (the one active before,
// to be active again), and no activation is posted.
TEST_F(AppEventsTest, ActivationEventsWhileTheTabsLearnTheirWindows) {
    auto handlers = Handlers(L"14.0");
    std::map<std::wstring, std::wstring> fullNames;  // handle text: full name
    for (const wchar_t* folder : {L"C:\\A", L"C:\\B", L"C:\\C"}) {
        fullNames[HandleText(Open(L"Plan.mpp", folder))] = std::wstring(folder) + L"\\Plan.mpp";
    }
    const WindowHandle active = windows.activeChild[client];
    for (const auto& window : host->windows) {
        window->onActivate = [&handlers, bringForward = window->onActivate] {
            bringForward();
            handlers.oAppPro_PaneActivate();
        };
    }
    handlers.oAppPro_ProjectAfterSave();

    ASSERT_EQ(strip.Count(), 3);
    for (const auto& tab : strip.tabs) {
        EXPECT_EQ(tab.toolTip, fullNames.at(tab.tag));
    }
    for (const auto& window : host->windows) {
        EXPECT_EQ(window->activations, 1) << Narrow(window->project->fullName);
    }
    EXPECT_EQ(windows.activeChild[client], active);
    EXPECT_EQ(bar.updatingSeen, std::vector<bool>(static_cast<std::size_t>(bar.updates), true));
    EXPECT_FALSE(Updating);
    EXPECT_TRUE(windows.posted.empty());
}

TEST_F(AppEventsTest, SaveRefreshesTheTabs) {
    auto handlers = Handlers(L"14.0");
    Open(L"A.mpp", L"C:\\Plans", false);
    form->UpdateMenu();
    EXPECT_EQ(strip.tabs[0].caption, L"  A.mpp  *  ");
    host->projects[0]->saved = true;
    windows.posted.clear();
    handlers.oAppPro_ProjectAfterSave();
    EXPECT_EQ(strip.tabs[0].caption, L"  A.mpp  ");
    EXPECT_EQ(bar.updatingSeen, std::vector<bool>{true});
    EXPECT_FALSE(Updating);
    // The refresh's selection activated no window.
    EXPECT_TRUE(windows.posted.empty());
}

TEST_F(AppEventsTest, EveryHandlerSurvivesMissingTabBar) {
    hasBar = false;
    auto handlers = Handlers(L"11.0");
    OpenThree();
    bool cancel = false;
    handlers.oAppPro_ProjectAfterSave();
    handlers.oAppPro_WindowActivate(host->windows[0]);
    handlers.oAppPro_WindowDeactivate();
    handlers.oAppPro_WindowSelectionChange(host->windows[0]);
    handlers.oAppPro_PaneActivate();
    handlers.oAppPro_ProjectBeforeClose(host->projects[0], cancel);
    dialogs.closeAnswer = CloseChoice::CloseCurrent;
    handlers.oAppPro_ApplicationBeforeClose(KeepHostOpen());
    EXPECT_EQ(bar.updates, 0);
    EXPECT_FALSE(Updating);
    EXPECT_TRUE(Closes().empty());
    EXPECT_EQ(cancels, 0);
    EXPECT_FALSE(cancel);
}

// --- the unsaved mark on selection change ---

TEST_F(AppEventsTest, SelectionChangeMarksTheSelectedTabOfAnUnsavedProject) {
    auto handlers = Handlers(L"14.0");
    Open(L"A.mpp");
    Open(L"B.mpp");
    form->UpdateMenu();
    ASSERT_EQ(strip.selected, 1);
    host->projects[1]->saved = false;
    handlers.oAppPro_WindowSelectionChange(host->windows[1]);
    EXPECT_EQ(strip.tabs[1].caption, L"  B.mpp  *  ");
    handlers.oAppPro_WindowSelectionChange(host->windows[1]);
    EXPECT_EQ(strip.tabs[1].caption, L"  B.mpp  *  ");
    host->projects[1]->saved = true;
    handlers.oAppPro_WindowSelectionChange(host->windows[1]);
    EXPECT_EQ(strip.tabs[1].caption, L"  B.mpp  ");
    EXPECT_EQ(strip.tabs[0].caption, L"  A.mpp  ");
    EXPECT_EQ(bar.updates, 0);  // only host "11.0" refreshes here
}

TEST_F(AppEventsTest, SelectionChangeEndsAtItsFirstFailure) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
    };
    const std::vector<Case> cases = {
        {"host state false", [this] { host->state = false; }},
        {"host state fails", [this] { host->Fail("State"); }},
        {"no selected tab", [this] { strip.selected = -1; }},
        {"window without a project", [this] { host->windows[1]->Fail("Project"); }},
        {"Saved fails", [this] { host->projects[1]->Fail("Saved"); }},
        {"no tab bar", [this] { hasBar = false; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        auto handlers = Handlers(L"14.0");
        Open(L"A.mpp");
        Open(L"B.mpp");
        form->UpdateMenu();
        host->projects[1]->saved = false;
        c.arrange();
        handlers.oAppPro_WindowSelectionChange(host->windows[1]);
        EXPECT_EQ(strip.tabs[1].caption, L"  B.mpp  ");
    }
}

TEST_F(AppEventsTest, SelectionChangeOnHost11CatchesUpWithNewWindows) {
    auto handlers = Handlers(L"11.0");
    Open(L"A.mpp");
    form->UpdateMenu();
    const auto b = Open(L"B.mpp", L"C:\\Plans", false);
    ASSERT_EQ(strip.Count(), 1);
    handlers.oAppPro_WindowSelectionChange(host->windows[1]);
    EXPECT_EQ(ProjectWindows[HandleText(b)], host->windows[1]);
    EXPECT_EQ(bar.updatingSeen, std::vector<bool>{true});
    ASSERT_EQ(strip.Count(), 2);
    EXPECT_EQ(strip.tabs[1].caption, L"  B.mpp  *  ");

    // Counts agree: no refresh.
    handlers.oAppPro_WindowSelectionChange(host->windows[1]);
    EXPECT_EQ(bar.updates, 1);

    // A third window whose key is taken ends the handler before the refresh and the mark.
    const auto c = Open(L"C.mpp", L"C:\\Plans", false);
    ProjectWindows[HandleText(c)] = host->windows[0];
    handlers.oAppPro_WindowSelectionChange(host->windows[2]);
    EXPECT_EQ(bar.updates, 1);
    EXPECT_EQ(strip.Count(), 2);
}

}  // namespace
}  // namespace morvane::test
