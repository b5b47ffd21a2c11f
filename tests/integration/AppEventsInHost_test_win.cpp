// The host's application events reaching the connected tab bar in the stand-in host: the tabs
// follow the host by themselves, the unsaved mark, the close confirmation, the lock guard, and
// handlers that meet a failing host or odd arguments.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "BarInHost_win.h"
#include "shared/Office_win.h"
#include "shared/mdPub.h"
#include "support/FakeSystem.h"
#include "support/TempFolder_win.h"

namespace morvane::test {
namespace {

using standin::ObjectKind;

class AppEventsInHost : public BarInHost {
  protected:
    void SetUp() override {
        BarInHost::SetUp();
        // Not Windows 7: the exit work-around has its own program, for it runs once per process.
        system->version = VersionNumbers{2, 6, 0};
        state.System = system;
    }

    // A host of this version with projects A, B and C saved in the temporary folder, C active,
    // and the bar connected.
    void StartWithThree(const std::wstring& version, SettingValues settings = {}) {
        StartHost(version, settings);
        for (const wchar_t* name : {L"A.mpp", L"B.mpp", L"C.mpp"}) {
            host->OpenProject(name, folder);
        }
        Connect();
    }

    // Disconnects and lets the host go, for the next case of a table.
    void EndHost() {
        Disconnect();
        host.reset();
        state = AddinState{};
        state.System = system;
    }

    std::vector<std::wstring> Captions() const {
        std::vector<std::wstring> captions;
        for (int i = 0; i < Control().Count(); ++i) {
            captions.push_back(Control().Caption(i));
        }
        return captions;
    }

    std::wstring SelectedCaption() const {
        const int selected = Control().SelectedIndex();
        return selected >= 0 ? Control().Caption(selected) : L"";
    }

    std::shared_ptr<FakeSystem> system = std::make_shared<FakeSystem>();
    const std::wstring folder = TempFolder(L"morvane-events");
};

// Only the host's events refresh the tabs here: the test never does.
TEST_F(AppEventsInHost, TheTabsFollowTheHostsEvents) {
    for (const wchar_t* version : {L"11.0", L"12.0", L"14.0"}) {
        SCOPED_TRACE(testing::Message() << version);
        StartHost(version);
        ConnectAddin();
        host->OpenProject(L"A.mpp", folder);
        host->OpenProject(L"B.mpp", folder);
        host->Pump();
        EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"  A.mpp  ", L"  B.mpp  "}));
        EXPECT_EQ(SelectedCaption(), L"  B.mpp  ");
        EXPECT_FALSE(state.Updating);

        host->Activate(L"A.mpp");
        host->Pump();
        EXPECT_EQ(SelectedCaption(), L"  A.mpp  ");
        EXPECT_EQ(ActiveName(), L"A.mpp");  // the refresh's selection activated nothing else
        EndHost();
    }
}

TEST_F(AppEventsInHost, TheSelectedTabShowsTheUnsavedMarkUntilSaved) {
    for (const wchar_t* version : {L"11.0", L"14.0"}) {
        SCOPED_TRACE(testing::Message() << version);
        StartWithThree(version);
        host->Modify(L"B.mpp");
        host->Pump();
        EXPECT_EQ(SelectedCaption(), L"  B.mpp  *  ");
        host->Modify(L"B.mpp");  // a second change keeps one mark
        EXPECT_EQ(SelectedCaption(), L"  B.mpp  *  ");
        ASSERT_TRUE(host->Save(L"B.mpp"));
        host->Pump();
        // The windows open before the connection are in z-order, topmost first.
        EXPECT_EQ(Captions(),
                  (std::vector<std::wstring>{L"  C.mpp  ", L"  B.mpp  ", L"  A.mpp  "}));
        EndHost();
    }
}

TEST_F(AppEventsInHost, CloseConfirmationAnswers) {
    struct Case {
        const char* name;
        CloseChoice answer;
        bool hostCloses;
        std::vector<std::wstring> left;
    };
    const Case cases[] = {
        {"cancel", CloseChoice::Cancel, false, {L"A.mpp", L"B.mpp", L"C.mpp"}},
        {"close the current tab", CloseChoice::CloseCurrent, false, {L"A.mpp", L"C.mpp"}},
        {"close all", CloseChoice::CloseAll, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs->closeOwners.clear();
        dialogs->closeAnswer = c.answer;
        StartWithThree(L"14.0");
        host->Activate(L"B.mpp");
        host->Pump();
        EXPECT_EQ(host->Close(), c.hostCloses);
        host->Pump();
        EXPECT_EQ(host->IsOpen(), !c.hostCloses);
        EXPECT_EQ(dialogs->closeOwners, std::vector<WindowHandle>{state.hMainWnd});
        if (!c.hostCloses) {
            EXPECT_EQ(OpenNames(), c.left);
        }
        EndHost();
    }
}

TEST_F(AppEventsInHost, NoConfirmationWithOneWindowOrWhenSwitchedOff) {
    for (const std::int32_t exitInfor : {0, 1}) {
        SCOPED_TRACE(exitInfor);
        StartHost(L"14.0", {{L"ExitInfor", exitInfor}});
        host->OpenProject(L"A.mpp", folder);
        if (exitInfor == 1) {
            host->OpenProject(L"B.mpp", folder);
        }
        Connect();
        EXPECT_TRUE(host->Close());
        EXPECT_TRUE(dialogs->closeOwners.empty());
        EndHost();
    }
}

TEST_F(AppEventsInHost, LockedProjectsAreHeldBackFromClosingAndSaving) {
    struct Case {
        const char* name;
        bool saving;
        bool unlock;
    };
    const Case cases[] = {
        {"close, kept locked", false, false},
        {"close, unlocked", false, true},
        {"save, kept locked", true, false},
        {"save, unlocked", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs->lockWarnings.clear();
        dialogs->unlockAnswer = c.unlock;
        StartWithThree(L"14.0");
        const std::wstring locked = folder + L"\\A.mpp";
        LockedProjects.insert(locked);
        host->Modify(L"A.mpp");
        host->Pump();

        // A project that is not locked passes without a word.
        EXPECT_TRUE(host->CloseProject(L"C.mpp"));
        EXPECT_TRUE(dialogs->lockWarnings.empty());

        const bool done = c.saving ? host->Save(L"A.mpp") : host->CloseProject(L"A.mpp");
        host->Pump();
        EXPECT_EQ(done, c.unlock);
        ASSERT_EQ(dialogs->lockWarnings.size(), 1u);
        EXPECT_EQ(dialogs->lockWarnings[0].first, state.hMainWnd);
        EXPECT_EQ(dialogs->lockWarnings[0].second, L"A.mpp");
        EXPECT_EQ(LockedProjects.count(locked), c.unlock ? 0u : 1u);
        if (c.saving) {
            EXPECT_EQ(host->Find(L"A.mpp")->saved, c.unlock);
        } else {
            EXPECT_EQ(host->Find(L"A.mpp") == nullptr, c.unlock);
        }
        EndHost();
    }
}

// Every member the handlers call, told to fail while the user works: nothing crashes, the
// host goes on, and once healed the bar follows the host again.
TEST_F(AppEventsInHost, HandlersSurviveAFailingHost) {
    struct Fault {
        const char* name;
        ObjectKind kind;
        DISPID id;
    };
    const Fault faults[] = {
        {"host state", ObjectKind::Application, appid::Visible},
        {"window count", ObjectKind::Windows, collectionid::Count},
        {"window enumeration", ObjectKind::Windows, collectionid::NewEnum},
        {"window by caption", ObjectKind::Windows, collectionid::Item},
        {"active window", ObjectKind::Application, appid::ActiveWindow},
        {"projects", ObjectKind::Application, appid::Projects},
        {"window caption", ObjectKind::Window, windowid::Caption},
        {"window visible", ObjectKind::Window, windowid::Visible},
        {"window parent", ObjectKind::Window, windowid::Parent},
        {"project's windows", ObjectKind::Project, projectid::Windows},
        {"project name", ObjectKind::Project, projectid::Name},
        {"project full name", ObjectKind::Project, projectid::FullName},
        {"project saved", ObjectKind::Project, projectid::Saved},
        {"save as", ObjectKind::Application, appid::FileSaveAs},
        {"open", ObjectKind::Application, appid::FileOpen},
    };
    for (const wchar_t* version : {L"11.0", L"14.0"}) {
        for (const Fault& f : faults) {
            SCOPED_TRACE(testing::Message() << f.name << " on " << version);
            dialogs->unlockAnswer = false;
            dialogs->closeAnswer = CloseChoice::Cancel;
            StartWithThree(version);
            LockedProjects.insert(folder + L"\\A.mpp");
            host->Fail(f.kind, f.id);

            host->Activate(L"A.mpp");
            host->Modify(L"B.mpp");
            host->Save(L"B.mpp");
            host->CloseProject(L"A.mpp");
            host->Close();
            dialogs->closeAnswer = CloseChoice::CloseCurrent;
            host->Close();
            host->Pump();
            ASSERT_TRUE(host->IsOpen());

            host->HealAll();
            const std::wstring last = host->Documents().back()->name;
            host->Activate(last);
            host->Pump();
            EXPECT_EQ(mdPub::StripModifiedMark(SelectedCaption()), last);
            EXPECT_FALSE(state.Updating);
            EndHost();
        }
    }
}

// Events with missing, surplus or odd arguments are ignored or read as far as they go.
TEST_F(AppEventsInHost, OddArgumentsStayInsideTheSink) {
    StartWithThree(L"11.0");
    LockedProjects.insert(folder + L"\\A.mpp");
    const auto a = host->Find(L"A.mpp");
    VARIANT_BOOL cancel = VARIANT_FALSE;
    com::Variant byValueCancel = com::Variant::Bool(false);
    using V = std::vector<com::Variant>;
    const std::vector<std::pair<DISPID, V>> events = {
        {office::ProjectBeforeClose, {}},
        {office::ProjectBeforeClose, {com::Variant::Text(L"A.mpp")}},
        {office::ProjectBeforeClose,
         {com::Variant::Object(nullptr), com::Variant::BoolRef(&cancel)}},
        {office::ProjectBeforeClose, {com::Variant::Object(a->projectObject.Get()), byValueCancel}},
        {office::ProjectBeforeSave, {com::Variant::Object(a->projectObject.Get())}},
        {office::ProjectBeforeSave,
         {com::Variant::Object(a->projectObject.Get()), com::Variant::Text(L"yes"),
          com::Variant::BoolRef(&cancel)}},
        {office::WindowActivate, {}},
        {office::WindowActivate, {com::Variant::Int(7)}},
        {office::WindowSelectionChange, {com::Variant::Object(nullptr)}},
        {office::WindowSelectionChange, {com::Variant::Object(a->projectObject.Get())}},
        {office::ApplicationBeforeClose, {}},
        {office::ApplicationBeforeClose, {com::Variant::Int(1)}},
        {office::PaneActivate, {com::Variant::Int(1), com::Variant::Int(2)}},
        {999, {com::Variant::Int(1)}},
    };
    for (const auto& [id, args] : events) {
        SCOPED_TRACE(id);
        host->RaiseEvent(id, args);
        host->Pump();
    }
    // The save of locked A with a Cancel by reference was held back; nothing else reached it.
    EXPECT_EQ(cancel, VARIANT_TRUE);
    EXPECT_EQ(LockedProjects.size(), 1u);
    EXPECT_TRUE(host->IsOpen());
}

TEST_F(AppEventsInHost, AThrowingDialogStaysInsideTheSink) {
    StartWithThree(L"14.0");
    LockedProjects.insert(folder + L"\\A.mpp");
    dialogs->whileShown = [] { throw std::runtime_error("dialog failed"); };
    host->CloseProject(L"A.mpp");
    host->Close();
    host->Pump();
    EXPECT_EQ(dialogs->lockWarnings.size(), 1u);
    EXPECT_EQ(dialogs->closeOwners.size(), 1u);
}

TEST_F(AppEventsInHost, DisconnectedHandlersHearNothing) {
    StartWithThree(L"14.0");
    Disconnect();
    EXPECT_TRUE(host->Close());
    EXPECT_TRUE(dialogs->closeOwners.empty());
}

}  // namespace
}  // namespace morvane::test
