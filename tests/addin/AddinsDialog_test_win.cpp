// The add-in is switched off while its own code runs: by the host's COM add-ins dialog, which a
// command of the host's own window opens, or directly (disconnected, released and its library
// freed) by a macro or another add-in. That may come inside a message of a window we hook,
// inside our dialogs' message loops, inside a window's closing that a command of ours sent, or
// from another handler of the host's events called before ours. The host runs on, nothing is
// saved or deleted after the switch-off, a Cancel the user gives after it still holds, nothing of
// ours stays in a window chain, and the library goes at the next free once the host lets go of it.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <string>

#include "AddinDll_win.h"
#include "dialogs/DialogScript_win.h"
#include "shared/EventSink_win.h"
#include "shared/Office_win.h"
#include "support/TempFolder_win.h"

namespace morvane::test {
namespace {

struct SwitchOffCase {
    const wchar_t* hostVersion;
    bool fromClient;  // the command reaches the client window, else the main window
};

// Every project window's procedure, as the host made it.
std::map<HWND, LONG_PTR> DocumentProcedures(const standin::Host& host) {
    std::map<HWND, LONG_PTR> procedures;
    for (const auto& doc : host.Documents()) {
        procedures[doc->window] = GetWindowLongPtrW(doc->window, GWLP_WNDPROC);
    }
    return procedures;
}

class AddinsDialogTest : public AddinDllTest,
                         public ::testing::WithParamInterface<SwitchOffCase> {};

TEST_P(AddinsDialogTest, SwitchedOffInsideAMessageOfAHookedWindowTheHostRunsOn) {
    const SwitchOffCase c = GetParam();
    StartHost(3, {}, c.hostVersion);
    const auto documents = DocumentProcedures(*host);
    ASSERT_EQ(host->LoadAddins(), 1);
    host->Pump();
    ASSERT_TRUE(MainHooked());
    ASSERT_TRUE(ClientHooked());

    const HWND window = c.fromClient ? host->Client() : host->MainWindow();
    EXPECT_EQ(SendMessageW(window, WM_COMMAND, standin::Host::AddinsOffCommand, 0), 0);

    EXPECT_TRUE(host->Addins().Connected().empty());
    EXPECT_FALSE(MainHooked());
    EXPECT_FALSE(ClientHooked());
    EXPECT_EQ(DocumentProcedures(*host), documents);
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_FALSE(HotKeyTaken(MOD_ALT, '1'));
    // Our procedure was on the stack when the host asked: the library stayed for it, and goes
    // when the host next frees unused libraries.
    ASSERT_TRUE(DllLoaded());
    host->Addins().FreeUnusedLibraries();
    EXPECT_FALSE(DllLoaded());

    // The host's windows work on without the library.
    for (const HWND each : {host->MainWindow(), host->Client()}) {
        EXPECT_EQ(SendMessageW(each, WM_COMMAND, standin::Host::AddinsOffCommand, 0), 0);
        SendMessageW(each, WM_NCACTIVATE, TRUE, 0);
        SetWindowPos(each, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    SetWindowPos(host->MainWindow(), nullptr, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_NE(host->OpenProject(L"After.mpp", L"C:\\Plans"), nullptr);
    EXPECT_TRUE(host->Activate(L"Plan 1.mpp"));
    host->PressHotKey(401, MOD_WIN, 'Q');
    host->Pump();
    EXPECT_TRUE(host->CloseProject(L"After.mpp"));
    EXPECT_EQ(host->ActiveDocument()->name, L"Plan 1.mpp");
}

INSTANTIATE_TEST_SUITE_P(Windows, AddinsDialogTest,
                         ::testing::Values(SwitchOffCase{L"14.0", false},
                                           SwitchOffCase{L"14.0", true},
                                           SwitchOffCase{L"11.0", false},
                                           SwitchOffCase{L"11.0", true}));

// How the add-in is switched off.
enum class Way {
    Sent,    // the COM add-ins dialog, opened by a command sent to the host's main window
    Posted,  // the same command posted, so that whatever message loop runs delivers it
    Direct,  // disconnected, released and unused libraries freed by other code of the host
};

// Where our code is when it happens.
enum class Moment {
    RenamePrompt,        // the rename's prompt is open
    LockWarning,         // closing a locked project shows the lock warning
    CloseQuestion,       // quitting with several projects asks what to close
    CloseAll,            // Close All's closing of the second window, in its ProjectBeforeClose
    ProjectBeforeClose,  // another handler of the host's events, called before ours
    WindowActivate,      // the same on WindowActivate
    Quit,                // the same on the application's quit
};

struct MomentCase {
    Moment moment;
    Way way;
};

std::string Name(const ::testing::TestParamInfo<MomentCase>& info) {
    static const char* const moments[] = {"RenamePrompt", "LockWarning",        "CloseQuestion",
                                          "CloseAll",     "ProjectBeforeClose", "WindowActivate",
                                          "Quit"};
    static const char* const ways[] = {"Sent", "Posted", "Direct"};
    return std::string(moments[static_cast<int>(info.param.moment)]) +
           ways[static_cast<int>(info.param.way)];
}

class SwitchOffTest : public ProjectFilesTest, public ::testing::WithParamInterface<MomentCase> {
  protected:
    SwitchOffTest() : ProjectFilesTest(L"MorvaneSwitchOff") {}

    void SwitchOff(Way way) {
        switch (way) {
            case Way::Sent:
                SendMessageW(host->MainWindow(), WM_COMMAND, standin::Host::AddinsOffCommand, 0);
                break;
            case Way::Posted:
                PostMessageW(host->MainWindow(), WM_COMMAND, standin::Host::AddinsOffCommand, 0);
                break;
            case Way::Direct:
                host->Addins().Disconnect(kProgId);
                host->Addins().FreeUnusedLibraries();
                CoFreeUnusedLibrariesEx(0, 0);
                break;
        }
    }
};

// Context-menu positions of the tab's menu.
constexpr long kCloseAll = 5;
constexpr long kRename = 10;
constexpr long kLock = 11;

TEST_P(SwitchOffTest, TheHostRunsOnAndTheLibraryGoesOnceLetGo) {
    using namespace dialogs::test;
    const MomentCase c = GetParam();
    const bool asks = c.moment == Moment::CloseQuestion;
    StartWithFiles({{L"ExitInfor", asks ? 0u : 1u}});
    const auto documents = DocumentProcedures(*host);

    // Another add-in's handler, first in the host's list.
    const DISPID otherEvent = c.moment == Moment::WindowActivate ? office::WindowActivate
                              : c.moment == Moment::Quit         ? office::ApplicationBeforeClose
                                                                 : office::ProjectBeforeClose;
    const bool otherSwitchesOff = c.moment == Moment::CloseAll ||
                                  c.moment == Moment::ProjectBeforeClose ||
                                  c.moment == Moment::WindowActivate || c.moment == Moment::Quit;
    int closes = 0;
    const auto other = com::ComPtr<OtherHandler>::Attach(new OtherHandler(otherEvent, [&] {
        // Close All closes the first window, then the second: the switch-off comes there.
        if (c.moment == Moment::CloseAll && ++closes < 2) {
            return false;
        }
        SwitchOff(c.way);
        return true;
    }));
    std::unique_ptr<com::SinkConnection> otherConnection;
    if (otherSwitchesOff) {
        otherConnection = std::make_unique<com::SinkConnection>(
            host->Application().Get(), office::IID_EProjectApp2, other.Get());
        ASSERT_TRUE(otherConnection->Connected());
    }
    ASSERT_EQ(host->LoadAddins(), 1);
    host->Pump();
    ASSERT_TRUE(MainHooked());
    ASSERT_TRUE(ClientHooked());

    // In a dialog of ours, the switch-off comes first, then the user answers: a new name for
    // the rename, Esc for the questions.
    std::vector<DialogScript::Step> answered = {[&](HWND) { SwitchOff(c.way); }, [](HWND) {}};
    if (c.moment == Moment::RenamePrompt) {
        answered.push_back([](HWND) { Type(L"Renamed"); });
        answered.push_back([](HWND) { PressKey(VK_RETURN); });
    } else {
        answered.push_back([](HWND) { PressKey(VK_ESCAPE); });
    }
    std::unique_ptr<DialogScript> script;
    if (!otherSwitchesOff) {
        script = std::make_unique<DialogScript>(std::move(answered));
    }
    bool cancelled = false;
    switch (c.moment) {
        case Moment::RenamePrompt:
            ASSERT_TRUE(host->Activate(L"Plan.mpp"));
            host->Pump();
            ClickItem(kRename);
            break;
        case Moment::LockWarning:
            ASSERT_TRUE(host->Activate(L"Plan.mpp"));
            host->Pump();
            ClickItem(kLock);
            cancelled = !host->CloseProject(L"Plan.mpp");
            break;
        case Moment::CloseQuestion:
            cancelled = !host->Close();
            break;
        case Moment::Quit:
            host->Close();
            break;
        case Moment::CloseAll:
            ClickItem(kCloseAll);
            break;
        case Moment::ProjectBeforeClose:
            host->CloseProject(L"Plan 1.mpp");
            break;
        case Moment::WindowActivate:
            host->Activate(L"Plan 1.mpp");
            break;
    }
    host->Pump();
    if (script) {
        EXPECT_TRUE(script->Finished());
        EXPECT_FALSE(script->Stuck());
    }
    otherConnection.reset();

    // Nothing was saved or deleted after the switch-off.
    EXPECT_TRUE(FileThere(L"Plan.mpp"));
    EXPECT_FALSE(FileThere(L"Renamed.mpp"));
    if (c.moment == Moment::Quit) {
        // The host quits as if the add-in had never been there.
        EXPECT_FALSE(host->IsOpen());
        CoFreeUnusedLibrariesEx(0, 0);
        EXPECT_FALSE(DllLoaded());
        return;
    }
    ASSERT_TRUE(host->IsOpen());
    if (c.moment == Moment::CloseQuestion || c.moment == Moment::LockWarning) {
        // Esc, pressed after the switch-off, still refused the quit or the locked project's
        // close: every project is open.
        EXPECT_TRUE(cancelled);
        std::vector<std::wstring> open;
        for (const auto& doc : host->Documents()) {
            open.push_back(doc->name);
        }
        EXPECT_EQ(open, (std::vector<std::wstring>{L"Plan 1.mpp", L"Plan.mpp", L"Plan 3.mpp"}));
    }
    if (c.moment == Moment::CloseAll) {
        // The loop closed no window after the switch-off, and gave the host its alerts back.
        EXPECT_EQ(host->Documents().size(), 1u);
        EXPECT_TRUE(host->Alerts());
    }
    EXPECT_TRUE(host->Addins().Connected().empty());
    EXPECT_FALSE(MainHooked());
    EXPECT_FALSE(ClientHooked());
    for (const auto& doc : host->Documents()) {
        EXPECT_EQ(GetWindowLongPtrW(doc->window, GWLP_WNDPROC), documents.at(doc->window));
    }
    EXPECT_EQ(Bar(), nullptr);
    host->Addins().FreeUnusedLibraries();
    CoFreeUnusedLibrariesEx(0, 0);
    EXPECT_FALSE(DllLoaded());

    // The host's windows work on without the library.
    ASSERT_NE(host->OpenProject(L"After.mpp", L"C:\\Plans"), nullptr);
    host->PressHotKey(401, MOD_WIN, 'Q');
    host->Pump();
    EXPECT_TRUE(host->CloseProject(L"After.mpp"));
}

INSTANTIATE_TEST_SUITE_P(Moments, SwitchOffTest,
                         ::testing::Values(MomentCase{Moment::RenamePrompt, Way::Sent},
                                           MomentCase{Moment::RenamePrompt, Way::Posted},
                                           MomentCase{Moment::RenamePrompt, Way::Direct},
                                           MomentCase{Moment::LockWarning, Way::Sent},
                                           MomentCase{Moment::LockWarning, Way::Posted},
                                           MomentCase{Moment::LockWarning, Way::Direct},
                                           MomentCase{Moment::CloseQuestion, Way::Sent},
                                           MomentCase{Moment::CloseQuestion, Way::Posted},
                                           MomentCase{Moment::CloseQuestion, Way::Direct},
                                           MomentCase{Moment::CloseAll, Way::Sent},
                                           MomentCase{Moment::CloseAll, Way::Direct},
                                           MomentCase{Moment::ProjectBeforeClose, Way::Sent},
                                           MomentCase{Moment::ProjectBeforeClose, Way::Direct},
                                           MomentCase{Moment::WindowActivate, Way::Sent},
                                           MomentCase{Moment::WindowActivate, Way::Direct},
                                           MomentCase{Moment::Quit, Way::Sent},
                                           MomentCase{Moment::Quit, Way::Direct}),
                         Name);

}  // namespace
}  // namespace morvane::test
