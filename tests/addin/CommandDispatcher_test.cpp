// The menu commands over doubles of the host, the windows, the files, the shell and the dialogs.
#include "addin/CommandDispatcher.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/MenuBars.h"
#include "support/FakeCommandBars.h"
#include "support/FakeCommandPorts.h"
#include "support/FakeHost.h"
#include "support/FakeTabStrip.h"
#include "support/SameNameCases.h"

namespace morvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

// The bar as the commands see it: each refresh logged with the busy flag it found.
class LoggingBar : public TabBarWindow {
  public:
    LoggingBar(CommandLog& log, const bool& updating) : log_(log), updating_(updating) {}
    FakeTabStrip strip;

    WindowHandle hWnd() const override { return 0; }
    bool Visible() const override { return true; }
    void Hide() override {}
    void UpdateMenu() override { log_.push_back(updating_ ? L"refresh" : L"refresh not busy"); }
    void ChangeDeafultColor() override {}
    void StartTimer() override {}
    TabStrip* Strip() override { return &strip; }
    TabStyle* Style() override { return nullptr; }

  private:
    CommandLog& log_;
    const bool& updating_;
};

class CommandDispatcherTest : public ::testing::Test {
  protected:
    CommandDispatcherTest() { host.disk = &disk; }

    CommandLog log;
    FakeDisk disk;
    FakeHost host;
    TabSettings settings;
    FakeCommandWindows windows{log};
    FakeCommandFiles files{log, disk};
    FakeCommandShell shell{log};
    FakeCommandDialogs dialogs{log};
    HandleCollection childHandles;
    std::map<std::wstring, HostWindowPtr> projectWindows;
    std::set<std::wstring, NoCaseLess> locked;
    bool updating = false;
    bool ending = false;
    LoggingBar bar{log, updating};
    bool hasBar = true;
    std::vector<std::int32_t> tabShowWritten;
    int reframes = 0;
    int ribbonInvalidations = 0;
    CommandDispatcher dispatcher{CommandParts{
        .host = host,
        .settings = settings,
        .windows = windows,
        .files = files,
        .shell = shell,
        .dialogs = dialogs,
        .childHandles = childHandles,
        .projectWindows = projectWindows,
        .lockedProjects = locked,
        .updating = updating,
        .ending = ending,
        .tabBar = [this]() -> TabBarWindow* { return hasBar ? &bar : nullptr; },
        .reframeClient = [this] { ++reframes; },
        .writeTabShow = [this](std::int32_t value) { tabShowWritten.push_back(value); },
        .invalidateRibbon = [this] { ++ribbonInvalidations; },
        .text = [](const std::wstring&, const std::wstring& text) { return text; },
        .helpPage = L"C:\\Morvane\\Help\\index.html",
        .supportPage = L"https://example.com/support",
    }};

    // Clicks a control that carries this Parameter and State.
    std::shared_ptr<FakeControl> Click(const std::wstring& parameter,
                                       std::int32_t state = msoButtonUp) {
        auto control = std::make_shared<FakeControl>();
        control->parameter = parameter;
        control->state = state;
        dispatcher.OnClick(control);
        return control;
    }

    // A saved project in C:\Plans, active, with its file on disk.
    std::shared_ptr<FakeProject> SavedProject(const std::wstring& fileName) {
        return host.AddProject(fileName, L"C:\\Plans")->project;
    }

    // A project whose window has this handle, its tab last, its window object known.
    std::shared_ptr<FakeProject> ProjectInWindow(const std::wstring& fileName,
                                                 WindowHandle handle) {
        const auto window = host.AddProject(fileName, L"C:\\P");
        childHandles.Add(handle);
        projectWindows[HandleText(handle)] = window;
        return window->project;
    }
};

// The file port's double takes names for one as Windows does.
TEST(FakeCommandFiles, TakesNamesForOneAsTheFileSystemDoes) {
    CommandLog log;
    FakeDisk disk;
    FakeCommandFiles files{log, disk};
    for (const SameNameCase& c : SameNameCases) {
        EXPECT_EQ(files.SameName(c.a, c.b), c.same)
            << testing::PrintToString(std::wstring(c.a) + L" | " + c.b);
    }
}

TEST_F(CommandDispatcherTest, HostCommandsCallTheirHostMember) {
    Click(L"New_Project");
    Click(L"Save_Project");
    Click(L"Open");
    Click(L"SaveAs_Project");
    EXPECT_EQ(host.newCalls, 1);
    EXPECT_EQ(host.saveCalls, 1);
    EXPECT_EQ(host.openCalls, 1);
    EXPECT_EQ(host.saveAsCalls, 1);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(CommandDispatcherTest, ParametersMatchExactly) {
    for (const wchar_t* parameter :
         {L"new_project", L"New_Project ", L"", L"SAVE_PROJECT", L"Opener"}) {
        Click(parameter);
    }
    dispatcher.OnClick(nullptr);
    EXPECT_EQ(host.newCalls + host.saveCalls + host.openCalls, 0);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(CommandDispatcherTest, OptionsAboutAndHelpOpenTheirPages) {
    Click(L"Option_Project");
    Click(L"About");
    Click(L"Help");
    EXPECT_THAT(log,
                ElementsAre(L"options", L"options about", L"page C:\\Morvane\\Help\\index.html"));
}

TEST_F(CommandDispatcherTest, ShowOrHideFollowsTheButtonAndRestoresOnTheSecondClick) {
    settings.TabShow = 0;
    auto button = std::make_shared<FakeControl>();
    button->parameter = L"show_Project";
    button->state = msoButtonDown;
    dispatcher.OnClick(button);
    EXPECT_EQ(button->state, msoButtonUp);
    EXPECT_EQ(settings.TabShow, 1);
    dispatcher.OnClick(button);
    EXPECT_EQ(button->state, msoButtonDown);
    EXPECT_EQ(settings.TabShow, 0);
    EXPECT_THAT(tabShowWritten, ElementsAre(1, 0));
    EXPECT_EQ(reframes, 2);
    EXPECT_EQ(ribbonInvalidations, 2);
}

// The backstage's show/hide task flips TabShow itself (no button there); the other tasks reach
// the options dialog and the two pages.
TEST_F(CommandDispatcherTest, BackstageTasks) {
    using Backstage::Action;
    settings.TabShow = 0;
    dispatcher.OnTask(Action::ToggleBar);
    EXPECT_EQ(settings.TabShow, 1);
    dispatcher.OnTask(Action::ToggleBar);
    EXPECT_EQ(settings.TabShow, 0);
    EXPECT_THAT(tabShowWritten, ElementsAre(1, 0));
    EXPECT_EQ(reframes, 2);
    EXPECT_EQ(ribbonInvalidations, 2);
    for (const Action task : {Action::Options, Action::Help, Action::Contact, Action::None}) {
        dispatcher.OnTask(task);
    }
    EXPECT_THAT(log, ElementsAre(L"options", L"page C:\\Morvane\\Help\\index.html",
                                 L"page https://example.com/support"));
    EXPECT_EQ(reframes, 2);
}

TEST_F(CommandDispatcherTest, ShowOrHideTakesTheDirectionFromTheButtonNotTheSetting) {
    settings.TabShow = 1;  // out of step with the button, which says shown
    Click(L"show_Project", msoButtonDown);
    EXPECT_EQ(settings.TabShow, 1);
    EXPECT_THAT(tabShowWritten, ElementsAre(1));
}

TEST_F(CommandDispatcherTest, ClosePostsToTheActiveWindowOnly) {
    windows.active = 7;
    Click(L"Close_Project");
    windows.active = 0;
    Click(L"Close_Project");
    EXPECT_THAT(log, ElementsAre(L"post close 7"));
}

TEST_F(CommandDispatcherTest, SaveAllSavesEachProjectInOrderAndGivesTheActiveWindowBack) {
    auto a = host.AddProject(L"A.mpp", L"C:\\P")->project;
    auto b = host.AddProject(L"B.mpp", L"C:\\P")->project;
    windows.active = 42;
    Click(L"SaveAll_Project");
    EXPECT_EQ(a->activations, 1);
    EXPECT_EQ(b->activations, 1);
    EXPECT_EQ(host.saveCalls, 2);
    EXPECT_THAT(log, ElementsAre(L"refresh", L"post activate 42"));
    EXPECT_FALSE(updating);
}

TEST_F(CommandDispatcherTest, ARefreshKeepsTheBusyFlagOfItsCaller) {
    host.AddProject(L"A.mpp", L"C:\\P");
    updating = true;
    Click(L"SaveAll_Project");
    EXPECT_THAT(log, ElementsAre(L"refresh"));
    EXPECT_TRUE(updating);
}

TEST_F(CommandDispatcherTest, SaveAllSkipsTheSaveOfAProjectThatWouldNotActivate) {
    auto a = host.AddProject(L"A.mpp", L"C:\\P")->project;
    host.AddProject(L"B.mpp", L"C:\\P");
    a->Fail("Activate");
    Click(L"SaveAll_Project");
    EXPECT_EQ(host.saveCalls, 1);
}

TEST_F(CommandDispatcherTest, CloseAllSendsToEveryWindowInTabOrderFromACopyThenRefreshesOnce) {
    for (WindowHandle handle : {30, 10, 20}) {
        childHandles.Add(handle);
    }
    windows.active = 10;
    // The host's closing takes each handle out of the collection.
    windows.onSendClose = [&](WindowHandle handle) {
        childHandles.Remove(std::to_wstring(handle));
    };
    Click(L"CloseAll_Project");
    EXPECT_THAT(log, ElementsAre(L"send close 30", L"send close 10", L"send close 20", L"refresh"));
}

// Switched off inside a window's closing, the loop closes no further window and refreshes
// nothing; the host gets its alerts back all the same.
TEST_F(CommandDispatcherTest, CloseAllStopsClosingWhenSwitchedOffInsideAClose) {
    for (WindowHandle handle : {30, 10, 20}) {
        childHandles.Add(handle);
    }
    windows.onSendClose = [&](WindowHandle handle) {
        childHandles.Remove(std::to_wstring(handle));
        ending = handle == 10;
    };
    Click(L"CloseAll_Project");
    EXPECT_THAT(log, ElementsAre(L"send close 30", L"send close 10"));
    EXPECT_TRUE(host.alerts);
}

TEST_F(CommandDispatcherTest, CloseOthersKeepsTheActiveWindow) {
    for (WindowHandle handle : {30, 10, 20}) {
        childHandles.Add(handle);
    }
    windows.active = 10;
    Click(L"CloseOther_Project");
    EXPECT_THAT(log, ElementsAre(L"send close 30", L"send close 20", L"refresh"));
}

TEST_F(CommandDispatcherTest, CloseOthersWithOneWindowSendsNothingAndRefreshes) {
    childHandles.Add(10);
    windows.active = 10;
    Click(L"CloseOther_Project");
    EXPECT_THAT(log, ElementsAre(L"refresh"));
}

// The alerts go off only while nothing unsaved is closed, and always come back on. What is
// closed is told by the windows: Close Others keeps the window the client window names active,
// whichever project the host calls active, and a window whose project is not known counts as
// unsaved.
TEST_F(CommandDispatcherTest, AlertsAreSwitchedOffOnlyWhenEveryClosedProjectIsSaved) {
    struct Case {
        const char* name;
        const wchar_t* command;
        bool firstSaved, secondSaved;
        WindowHandle activeChild;  // 0: the client window names none
        int hostsActive;           // 1 or 2: the project the host calls active
        bool firstKnown;           // the first window's object is known
        bool alertsOffWhileClosing;
    };
    const Case cases[] = {
        {"all saved, close all", L"CloseAll_Project", true, true, 2, 2, true, true},
        {"active unsaved, close all", L"CloseAll_Project", true, false, 2, 2, true, false},
        {"other unsaved, close all", L"CloseAll_Project", false, true, 2, 2, true, false},
        {"all saved, close others", L"CloseOther_Project", true, true, 2, 2, true, true},
        {"kept unsaved, close others", L"CloseOther_Project", true, false, 2, 2, true, true},
        {"other unsaved, close others", L"CloseOther_Project", false, true, 2, 2, true, false},
        {"no active child, host's active unsaved", L"CloseOther_Project", true, false, 0, 2, true,
         false},
        {"host's active unsaved in a closed window", L"CloseOther_Project", false, true, 2, 1, true,
         false},
        {"host's active saved in a closed window, kept unsaved", L"CloseOther_Project", true, false,
         2, 1, true, true},
        {"closed window not known, close others", L"CloseOther_Project", true, true, 2, 2, false,
         false},
        {"window not known, close all", L"CloseAll_Project", true, true, 2, 2, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.projects.clear();
        host.windows.clear();
        childHandles.Clear();
        projectWindows.clear();
        auto first = ProjectInWindow(L"First.mpp", 1);
        auto second = ProjectInWindow(L"Second.mpp", 2);
        first->saved = c.firstSaved;
        second->saved = c.secondSaved;
        host.activeProject = c.hostsActive == 1 ? first : second;
        if (!c.firstKnown) {
            projectWindows.erase(HandleText(1));
        }
        windows.active = c.activeChild;
        std::vector<bool> alertsSeen;
        windows.onSendClose = [&](WindowHandle) { alertsSeen.push_back(host.alerts); };
        Click(c.command);
        ASSERT_FALSE(alertsSeen.empty());
        for (const bool alerts : alertsSeen) {
            EXPECT_EQ(alerts, !c.alertsOffWhileClosing);
        }
        EXPECT_TRUE(host.alerts);
    }
}

// A host that cannot say whether a project is saved, or which project a window shows, keeps
// its questions.
TEST_F(CommandDispatcherTest, AlertsStayOnWhenTheHostCannotSayWhatIsSaved) {
    for (const char* failing : {"Saved", "Project"}) {
        SCOPED_TRACE(failing);
        host.projects.clear();
        host.windows.clear();
        childHandles.Clear();
        projectWindows.clear();
        auto project = ProjectInWindow(L"A.mpp", 1);
        if (std::string(failing) == "Saved") {
            project->Fail("Saved");
        } else {
            host.windows.front()->Fail("Project");
        }
        std::vector<bool> alertsSeen;
        windows.onSendClose = [&](WindowHandle) { alertsSeen.push_back(host.alerts); };
        Click(L"CloseAll_Project");
        EXPECT_THAT(alertsSeen, ElementsAre(true));
    }
}

TEST_F(CommandDispatcherTest, OpenFolderQuotesTheFullName) {
    host.AddProject(L"Plan, final.mpp", L"C:\\Plans");
    Click(L"OpenDir_Project");
    EXPECT_THAT(log, ElementsAre(L"start explorer.exe /select ,\"C:\\Plans\\Plan, final.mpp\""));
}

TEST_F(CommandDispatcherTest, LockTogglesTheSelectedTabsProjectAndRefreshes) {
    bar.strip.tabs.resize(2);
    bar.strip.tabs[0].toolTip = L"C:\\P\\A.mpp";
    bar.strip.tabs[1].toolTip = L"C:\\P\\B.mpp";
    bar.strip.selected = 1;
    auto item = Click(L"Lock_Project", msoButtonUp);
    EXPECT_EQ(item->state, msoButtonDown);
    EXPECT_THAT(locked, ElementsAre(L"C:\\P\\B.mpp"));
    Click(L"Lock_Project", msoButtonDown);
    EXPECT_THAT(locked, IsEmpty());
    EXPECT_THAT(log, ElementsAre(L"refresh", L"refresh"));
}

TEST_F(CommandDispatcherTest, LockWithoutABarDoesNothing) {
    hasBar = false;
    Click(L"Lock_Project");
    EXPECT_THAT(locked, IsEmpty());
}

// Rename: the prompt shows the base name; the save carries the old extension and writes the new
// file; the old file goes after the save. Windows drops trailing dots and blanks, and a drive's
// root folder ends with its separator: the project is saved under the name Windows gives its
// file, and such a rename ends as any other.
TEST_F(CommandDispatcherTest, RenameSavesUnderTheNewNameThenDeletesTheOldFile) {
    struct Case {
        const wchar_t* folder;
        const wchar_t* fileName;
        const wchar_t* typed;
        const wchar_t* shown;
        const wchar_t* savedAs;
    };
    const Case cases[] = {
        {L"C:\\Plans", L"Plan.mpp", L"Plan2", L"Plan", L"C:\\Plans\\Plan2.mpp"},
        {L"C:\\Plans", L"a.b.mpp", L"c", L"a.b", L"C:\\Plans\\c.mpp"},
        {L"C:\\Plans", L"Plan", L"Plan2", L"Plan", L"C:\\Plans\\Plan2"},
        {L"C:\\Plans", L"Plan.mpp", L"x.mpp", L"Plan", L"C:\\Plans\\x.mpp.mpp"},
        {L"C:\\Plans", L"Plan", L"Plan2.", L"Plan", L"C:\\Plans\\Plan2"},
        {L"C:\\Plans", L"Plan", L"Plan2 ", L"Plan", L"C:\\Plans\\Plan2"},
        {L"C:\\Plans", L"Plan", L"Plan2. .", L"Plan", L"C:\\Plans\\Plan2"},
        {L"C:\\Plans", L"Plan.mpp", L"Plan2 ", L"Plan", L"C:\\Plans\\Plan2 .mpp"},
        {L"C:\\", L"advroot.mpp", L"advroot2", L"advroot", L"C:\\advroot2.mpp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.fileName) + L" to " + c.typed));
        log.clear();
        host.projects.clear();
        host.windows.clear();
        auto project = host.AddProject(c.fileName, c.folder)->project;
        const std::wstring oldFullName = project->fullName;
        dialogs.newNames = {c.typed};
        dialogs.namesShown.clear();
        Click(L"Rename_Project");
        EXPECT_THAT(dialogs.namesShown, ElementsAre(c.shown));
        EXPECT_THAT(project->savedAs, ElementsAre(c.savedAs));
        EXPECT_EQ(project->fullName, c.savedAs);
        EXPECT_THAT(log, ElementsAre(L"delete " + oldFullName, L"refresh"));
        EXPECT_FALSE(disk.Exists(oldFullName));
        EXPECT_EQ(disk.Content(c.savedAs), project->content);
        disk.Remove(c.savedAs);
    }
}

TEST_F(CommandDispatcherTest, RenameCancelledOrOnlyInCaseSavesAndDeletesNothing) {
    for (const wchar_t* typed : {L"", L"plan", L"PLAN", L"Plan"}) {
        SCOPED_TRACE(typed[0] == 0 ? "cancel" : "same letters");
        log.clear();
        auto project = SavedProject(L"Plan.mpp");
        dialogs.newNames = {typed};
        Click(L"Rename_Project");
        EXPECT_THAT(project->savedAs, IsEmpty());
        EXPECT_THAT(log, ElementsAre(L"refresh"));
    }
}

TEST_F(CommandDispatcherTest, RenameOfANeverSavedProjectOnlyAlerts) {
    host.AddProject(L"Project1", L"");
    dialogs.newNames = {L"New"};
    Click(L"Rename_Project");
    EXPECT_THAT(log, ElementsAre(L"alert Please save this Workbook before you can do it."));
    EXPECT_THAT(dialogs.namesShown, IsEmpty());
}

TEST_F(CommandDispatcherTest, RenameOfALockedProjectAsksToUnlockFirst) {
    for (const bool unlock : {false, true}) {
        SCOPED_TRACE(unlock ? "Yes" : "No");
        log.clear();
        dialogs.namesShown.clear();
        auto project = SavedProject(L"Plan.mpp");
        locked = {L"c:\\plans\\PLAN.MPP"};
        dialogs.unlockAnswer = unlock;
        dialogs.newNames = {};  // the prompt, if shown, is cancelled
        Click(L"Rename_Project");
        if (unlock) {
            EXPECT_THAT(locked, IsEmpty());
            EXPECT_THAT(dialogs.namesShown, ElementsAre(L"Plan"));
            EXPECT_THAT(log, ElementsAre(L"beep", L"ask unlock Plan.mpp", L"refresh"));
        } else {
            EXPECT_EQ(locked.size(), 1U);
            EXPECT_THAT(dialogs.namesShown, IsEmpty());
            EXPECT_THAT(log, ElementsAre(L"beep", L"ask unlock Plan.mpp"));
        }
    }
}

// Switched off while the rename asks or the host saves, the command goes no further: nothing is
// saved after the switch-off, no file is deleted, nothing more is asked or refreshed.
TEST_F(CommandDispatcherTest, RenameSwitchedOffOnTheWaySavesAndDeletesNothingMore) {
    enum class At { UnlockQuestion, NamePrompt, RefusalMessage, HostSave };
    for (const At at : {At::UnlockQuestion, At::NamePrompt, At::RefusalMessage, At::HostSave}) {
        SCOPED_TRACE(static_cast<int>(at));
        log.clear();
        host.projects.clear();
        host.windows.clear();
        ending = false;
        auto project = SavedProject(L"Plan.mpp");
        const std::wstring oldFullName = project->fullName;
        locked = {oldFullName};
        dialogs.unlockAnswer = true;
        // A name the rule refuses first, where its message is the moment.
        dialogs.newNames = {at == At::RefusalMessage ? L"a:b" : L"Plan2", L"Plan2"};
        dialogs.namesShown.clear();
        // The unlock question comes first, then the name prompt, then the refusal's message.
        int questions = 0;
        dialogs.whileShown = [&] {
            ++questions;
            ending = ending || (at == At::UnlockQuestion && questions == 1) ||
                     (at == At::NamePrompt && questions == 2) ||
                     (at == At::RefusalMessage && questions == 3);
        };
        project->whileSaving = [&] { ending = ending || at == At::HostSave; };
        Click(L"Rename_Project");
        EXPECT_TRUE(disk.Exists(oldFullName));
        EXPECT_THAT(log, SizeIs(at == At::RefusalMessage ? 3U : 2U));
        if (at == At::HostSave) {
            EXPECT_THAT(project->savedAs, ElementsAre(L"C:\\Plans\\Plan2.mpp"));
        } else {
            EXPECT_THAT(project->savedAs, IsEmpty());
        }
        EXPECT_THAT(dialogs.namesShown, SizeIs(at == At::UnlockQuestion ? 0U : 1U));
        disk.Remove(L"C:\\Plans\\Plan2.mpp");
    }
}

// A click that arrives after the switch-off runs no command.
TEST_F(CommandDispatcherTest, NothingRunsOnceSwitchedOff) {
    ending = true;
    SavedProject(L"Plan.mpp");
    dialogs.newNames = {L"Plan2"};
    for (const wchar_t* command : {L"Rename_Project", L"SaveAll_Project", L"CloseAll_Project",
                                   L"Option_Project", L"show_Project"}) {
        Click(command);
    }
    dispatcher.OnTask(Backstage::Action::ToggleBar);
    EXPECT_THAT(log, IsEmpty());
    EXPECT_THAT(dialogs.namesShown, IsEmpty());
    EXPECT_THAT(tabShowWritten, IsEmpty());
    EXPECT_EQ(host.saveCalls, 0);
}

// The host's description of the refusal is the message; a host that gives none is named with
// the file it could not write.
TEST_F(CommandDispatcherTest, RenameRefusedByTheHostKeepsTheOldFileAndSaysWhy) {
    struct Case {
        const wchar_t* hostSays;
        const wchar_t* message;
    };
    const Case cases[] = {
        {L"Access is denied.", L"message Access is denied."},
        {L"", L"message The project could not be saved as: C:\\Plans\\Plan2.mpp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.hostSays)));
        log.clear();
        auto project = SavedProject(L"Plan.mpp");
        project->Fail("SaveAs");
        project->saveAsError = c.hostSays;
        dialogs.newNames = {L"Plan2"};
        Click(L"Rename_Project");
        EXPECT_THAT(log, ElementsAre(c.message));
        EXPECT_TRUE(disk.Exists(L"C:\\Plans\\Plan.mpp"));
    }
}

// The project is under its new name already when the old file's delete fails: the message says
// so, names the old file and what is known of it. A file that is there still is kept, with the
// reason; one that went meanwhile is gone, as the rename would have it; one that cannot be
// looked up is neither. Only a file gone ends the rename without an error.
TEST_F(CommandDispatcherTest, RenameTellsWhatBecameOfAnOldFileItCouldNotDelete) {
    const std::wstring oldFile = L"C:\\Plans\\Plan.mpp";
    struct Case {
        const char* name;
        std::function<void()> meanwhile;  // while the host saves
        std::vector<std::wstring> after;  // the log after the delete
    };
    const Case cases[] = {
        {"held by another program",
         [&] { files.deleteError = L"Permission denied"; },
         {L"message The project is saved under its new name, but its old file could not be "
          L"deleted and is kept: " +
          oldFile + L"\nPermission denied"}},
        {"gone meanwhile",
         [&] { disk.Remove(oldFile); },
         {L"message The project is saved under its new name, and its old file is gone already: " +
              oldFile,
          L"refresh"}},
        {"cannot be looked up",
         [&] {
             files.deleteError = L"Permission denied";
             files.lookupErrors[oldFile] = L"The network path was not found.";
         },
         {L"message The project is saved under its new name, but its old file could not be "
          L"deleted, and Windows cannot tell whether it is still there: " +
          oldFile + L"\nPermission denied"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        host.projects.clear();
        host.windows.clear();
        files.deleteError.reset();
        files.lookupErrors.clear();
        disk.Remove(L"C:\\Plans\\Plan2.mpp");
        auto project = SavedProject(L"Plan.mpp");
        project->whileSaving = c.meanwhile;
        dialogs.newNames = {L"Plan2"};
        Click(L"Rename_Project");
        std::vector<std::wstring> expected{L"delete " + oldFile};
        expected.insert(expected.end(), c.after.begin(), c.after.end());
        EXPECT_EQ(log, expected);
        EXPECT_EQ(project->fullName, L"C:\\Plans\\Plan2.mpp");
        EXPECT_TRUE(disk.Exists(L"C:\\Plans\\Plan2.mpp"));
    }
}

// The host answered that it saved, but the project's full name cannot be read: where the
// project is was not checked, so nothing is deleted, and the message says just that.
TEST_F(CommandDispatcherTest, RenameWhoseProjectCannotBeFoundAfterTheSaveKeepsTheOldFile) {
    auto project = SavedProject(L"Plan.mpp");
    project->whileSaving = [&] { project->Fail("FullName"); };
    dialogs.newNames = {L"Plan2"};
    Click(L"Rename_Project");
    EXPECT_THAT(log, ElementsAre(L"message The project was saved, but where it is now could not "
                                 L"be checked, so its old file is kept: C:\\Plans\\Plan.mpp",
                                 L"refresh"));
    EXPECT_EQ(disk.Content(L"C:\\Plans\\Plan.mpp"), L"content of Plan.mpp");
    EXPECT_TRUE(disk.Exists(L"C:\\Plans\\Plan2.mpp"));
}

// A name Windows reads as the old file's (a trailing dot) leaves the name as it is: nothing is
// saved over the only copy, nothing is deleted.
TEST_F(CommandDispatcherTest, RenameToAnotherSpellingOfItsOwnFileChangesNothing) {
    auto project = SavedProject(L"Plan");
    disk.aliases[L"C:\\Plans\\Plan."] = L"C:\\Plans\\Plan";
    dialogs.newNames = {L"Plan."};
    Click(L"Rename_Project");
    EXPECT_THAT(project->savedAs, IsEmpty());
    EXPECT_THAT(log, ElementsAre(L"refresh"));
    EXPECT_EQ(disk.Content(L"C:\\Plans\\Plan"), L"content of Plan");
}

TEST_F(CommandDispatcherTest, RenameRefusesNamesWindowsWouldNotTakeAndAsksAgain) {
    for (const wchar_t* refused : {L"..\\Plan", L"a/b", L"c:x", L"a*", L"a?", L"a\"b", L"a<b",
                                   L"a>b", L"a|b", L"a\tb", L"...", L"  ", L" . "}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(refused)));
        log.clear();
        dialogs.namesShown.clear();
        auto project = SavedProject(L"Plan.mpp");
        dialogs.newNames = {refused, L""};
        Click(L"Rename_Project");
        EXPECT_THAT(project->savedAs, IsEmpty());
        EXPECT_THAT(dialogs.namesShown, ElementsAre(L"Plan", refused));
        ASSERT_EQ(log.size(), 2U);
        EXPECT_TRUE(log[0].starts_with(L"message A file name cannot contain"));
        EXPECT_EQ(log[1], L"refresh");
    }
}

// A name another project has, in any case of any alphabet, is never taken: its file is not
// saved over, and an open project that has no file yet keeps its full name (a save of it would
// write over the renamed one). The user is told what is in the way and asked again.
TEST_F(CommandDispatcherTest, RenameOntoAnotherProjectsNameAsksAgainAndKeepsBoth) {
    struct Case {
        const wchar_t* other;  // the other project's file name
        const wchar_t* taken;
        bool onDisk;  // the other project's file
        const wchar_t* message;
    };
    const wchar_t* const fileThere =
        L"message Another file already has this name, so the project is not saved over it: ";
    const wchar_t* const projectOpen =
        L"message Another open project already has this name, so "
        L"the project is not renamed to it: ";
    const Case cases[] = {
        {L"B.mpp", L"B", true, fileThere},
        {L"B.mpp", L"b", true, fileThere},
        {L"B.mpp", L"B", false, projectOpen},
        {L"B.mpp", L"b", false, projectOpen},
        {L"\u00C4nderung.mpp", L"\u00E4nderung", true, fileThere},  // Änderung, änderung
        {L"\u00C4nderung.mpp", L"\u00E4nderung", false, projectOpen},
        {L"\u0416.mpp", L"\u0436", false, projectOpen},  // Ж, ж
        {L"\u043F\u043B\u0430\u043D.mpp", L"\u041F\u041B\u0410\u041D", false, projectOpen},  // план
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.other) + L" to " + c.taken +
                                            (c.onDisk ? L", on disk" : L"")));
        log.clear();
        dialogs.namesShown.clear();
        host.projects.clear();
        host.windows.clear();
        const std::wstring otherFile = L"C:\\Plans\\" + std::wstring(c.other);
        host.AddProject(c.other, L"C:\\Plans");
        if (!c.onDisk) {
            disk.Remove(otherFile);
        }
        auto a = SavedProject(L"A.mpp");
        dialogs.newNames = {c.taken, L"C"};
        Click(L"Rename_Project");
        EXPECT_THAT(dialogs.namesShown, ElementsAre(L"A", c.taken));
        EXPECT_THAT(a->savedAs, ElementsAre(L"C:\\Plans\\C.mpp"));
        EXPECT_THAT(log, ElementsAre(c.message + (L"C:\\Plans\\" + std::wstring(c.taken) + L".mpp"),
                                     L"delete C:\\Plans\\A.mpp", L"refresh"));
        EXPECT_EQ(disk.Content(otherFile),
                  c.onDisk ? std::optional(L"content of " + std::wstring(c.other)) : std::nullopt);
        EXPECT_EQ(disk.Content(L"C:\\Plans\\C.mpp"), L"content of A.mpp");
        disk.Remove(otherFile);
        disk.Remove(L"C:\\Plans\\C.mpp");
    }
}

// When Windows cannot tell whether a file has the new name (access denied, a network fault),
// nothing is saved over what may be there: the name is refused with the reason, and asked again.
TEST_F(CommandDispatcherTest, RenameRefusesANameWhoseFileCannotBeLookedUp) {
    auto project = SavedProject(L"Plan.mpp");
    files.lookupErrors[L"C:\\Plans\\Plan2.mpp"] = L"Access is denied.";
    dialogs.newNames = {L"Plan2", L"Plan3"};
    Click(L"Rename_Project");
    EXPECT_THAT(dialogs.namesShown, ElementsAre(L"Plan", L"Plan2"));
    EXPECT_THAT(project->savedAs, ElementsAre(L"C:\\Plans\\Plan3.mpp"));
    EXPECT_THAT(log, ElementsAre(L"message Windows cannot tell whether another file has this name, "
                                 L"so the project is not saved under it: C:\\Plans\\Plan2.mpp\n"
                                 L"Access is denied.",
                                 L"delete C:\\Plans\\Plan.mpp", L"refresh"));
}

// Windows reads these names as devices: a save into one writes nothing, so they are refused as
// the forbidden characters are.
TEST_F(CommandDispatcherTest, RenameRefusesDeviceNamesAndAsksAgain) {
    struct Case {
        const wchar_t* fileName;
        const wchar_t* typed;
    };
    const Case cases[] = {
        {L"Plan.mpp", L"NUL"},  {L"Plan.mpp", L"com1"}, {L"Plan.mpp", L"CON "},
        {L"Plan.mpp", L"Nul."}, {L"Plan.mpp", L"prn"},  {L"Plan.mpp", L"aux.x"},
        {L"Plan.mpp", L"LPT9"}, {L"Plan", L"nul"},      {L"Plan", L"COM3 . "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.fileName) + L" to " + c.typed));
        log.clear();
        dialogs.namesShown.clear();
        auto project = SavedProject(c.fileName);
        dialogs.newNames = {c.typed, L""};
        Click(L"Rename_Project");
        EXPECT_THAT(project->savedAs, IsEmpty());
        EXPECT_THAT(dialogs.namesShown, ElementsAre(L"Plan", c.typed));
        ASSERT_EQ(log.size(), 2U);
        EXPECT_TRUE(log[0].starts_with(L"message Windows keeps this name for a device"))
            << testing::PrintToString(log[0]);
        EXPECT_EQ(log[1], L"refresh");
        EXPECT_TRUE(disk.Exists(project->fullName));
    }
}

// A device the name rules do not know is still a name that is taken.
TEST_F(CommandDispatcherTest, RenameOntoAnUnknownDeviceIsRefusedAsTaken) {
    auto project = SavedProject(L"Plan.mpp");
    disk.devices.insert(L"C:\\Plans\\Printer.mpp");
    dialogs.newNames = {L"Printer"};
    Click(L"Rename_Project");
    EXPECT_THAT(project->savedAs, IsEmpty());
    EXPECT_THAT(log, ElementsAre(L"message Another file already has this name, so the project is "
                                 L"not saved over it: C:\\Plans\\Printer.mpp",
                                 L"refresh"));
    EXPECT_TRUE(disk.Exists(L"C:\\Plans\\Plan.mpp"));
}

// C:\Plans\ and .mpp leave 246 characters of the 259 a path may hold.
TEST_F(CommandDispatcherTest, RenameRefusesANameTooLongForItsFolder) {
    auto project = SavedProject(L"Plan.mpp");
    const std::wstring longest(246, L'x');
    dialogs.newNames = {longest + L"x", longest};
    Click(L"Rename_Project");
    EXPECT_THAT(project->savedAs, ElementsAre(L"C:\\Plans\\" + longest + L".mpp"));
    ASSERT_EQ(log.size(), 3U);
    EXPECT_TRUE(log[0].starts_with(L"message This name is too long"))
        << testing::PrintToString(log[0]);
    EXPECT_EQ(log[1], L"delete C:\\Plans\\Plan.mpp");
}

// A save that answers success is not taken at its word: the old file goes only when the project
// now names the new file and that file is on disk.
TEST_F(CommandDispatcherTest, RenameKeepsTheOldFileWhenTheSaveDidNotMoveTheProject) {
    struct Case {
        const char* name;
        bool writes, moves;
        const wchar_t* message;
    };
    const Case cases[] = {
        {"wrote a copy, project stayed", true, false,
         L"message The project was not saved under its new name, so its file is kept: "
         L"C:\\Plans\\Plan.mpp"},
        {"wrote nothing, project stayed", false, false,
         L"message The project was not saved under its new name, so its file is kept: "
         L"C:\\Plans\\Plan.mpp"},
        {"moved, but wrote nothing", false, true,
         L"message The new name does not lead to a new file, so the old file is kept: "
         L"C:\\Plans\\Plan.mpp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        disk.Remove(L"C:\\Plans\\Plan2.mpp");
        auto project = SavedProject(L"Plan.mpp");
        project->saveAsWrites = c.writes;
        project->saveAsMoves = c.moves;
        dialogs.newNames = {L"Plan2"};
        Click(L"Rename_Project");
        EXPECT_THAT(log, ElementsAre(c.message, L"refresh"));
        EXPECT_EQ(disk.Content(L"C:\\Plans\\Plan.mpp"), L"content of Plan.mpp");
    }
}

TEST_F(CommandDispatcherTest, RenameTakesTheCorrectedNameAfterARefusal) {
    auto project = SavedProject(L"Plan.mpp");
    dialogs.newNames = {L"Plan:3", L"Plan3"};
    Click(L"Rename_Project");
    EXPECT_THAT(project->savedAs, ElementsAre(L"C:\\Plans\\Plan3.mpp"));
}

}  // namespace
}  // namespace morvane::test
