// The add-in's class switched off and released by other code of the host while a command or an
// event handler of ours still runs below it: in the rename's prompt, in a lock warning that Close
// All's closing of a window brings up, and in the question before the host quits. Freed memory is
// poisoned in this program, so a part used after it was freed fails at once.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "BarInHost_win.h"
#include "dialogs/DialogScript_win.h"
#include "shared/Office_win.h"
#include "shared/WindowHandle_win.h"
#include "support/TempFolder_win.h"

namespace morvane::test {
namespace {

// Context-menu positions of the tab's menu.
constexpr long kCloseAll = 5;
constexpr long kRename = 10;

class SwitchOffInHost : public BarInHost {
  protected:
    const std::wstring folder = TempFolder(L"morvane-switch-off");
    LONG_PTR mainProc = 0;
    LONG_PTR clientProc = 0;

    void TearDown() override {
        BarInHost::TearDown();
        for (const wchar_t* name : {L"A.mpp", L"B.mpp", L"C.mpp", L"Renamed.mpp"}) {
            DeleteFileW(Path(name).c_str());
        }
    }

    std::wstring Path(const std::wstring& name) const { return folder + L"\\" + name; }
    bool FileThere(const std::wstring& name) const {
        return GetFileAttributesW(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // Projects A, B and C with their files in the folder, C active, and the class connected.
    void StartWithThree(SettingValues settings = {}) {
        StartHost(L"14.0", settings);
        mainProc = GetWindowLongPtrW(host->MainWindow(), GWLP_WNDPROC);
        clientProc = GetWindowLongPtrW(host->Client(), GWLP_WNDPROC);
        for (const wchar_t* name : {L"A.mpp", L"B.mpp", L"C.mpp"}) {
            const HANDLE file = CreateFileW(Path(name).c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(file, INVALID_HANDLE_VALUE);
            CloseHandle(file);
            host->OpenProject(name, folder);
        }
        Connect();
    }

    // As a macro or another add-in does it: disconnected and let go of.
    void SwitchOff() {
        addin->OnDisconnection(office::ext_dm_UserClosed, nullptr);
        addin = nullptr;
    }

    // Nothing of ours is left on the host's windows.
    void ExpectUnhooked() const {
        EXPECT_EQ(GetWindowLongPtrW(host->MainWindow(), GWLP_WNDPROC), mainProc);
        EXPECT_EQ(GetWindowLongPtrW(host->Client(), GWLP_WNDPROC), clientProc);
        EXPECT_EQ(FindWindowExW(host->MainWindow(), nullptr, L"MorvaneTabBarForm", nullptr),
                  nullptr);
    }
};

TEST_F(SwitchOffInHost, ARenamePromptAnsweredAfterTheSwitchOffSavesAndDeletesNothing) {
    using namespace dialogs::test;
    StartWithThree();
    dialogs::test::DialogScript script({
        [this](HWND) { SwitchOff(); },
        [](HWND) { Type(L"Renamed"); },
        [](HWND) { PressKey(VK_RETURN); },
    });
    ClickItem(kRename);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(FileThere(L"C.mpp"));
    EXPECT_FALSE(FileThere(L"Renamed.mpp"));
    EXPECT_EQ(OpenNames(), (std::vector<std::wstring>{L"A.mpp", L"B.mpp", L"C.mpp"}));
    ExpectUnhooked();
}

// Close All sends each window its closing; B's brings up the lock warning, and the switch-off
// comes while it is open: the kept lock still refuses B's close, and the loop closes nothing more.
TEST_F(SwitchOffInHost, CloseAllStopsAfterASwitchOffInsideAWindowsClosing) {
    StartWithThree();
    LockedProjects.insert(Path(L"B.mpp"));
    dialogs->unlockAnswer = false;
    dialogs->whileShown = [this] { SwitchOff(); };
    // B and the windows Close All reaches after it, in tab order, stay open.
    std::set<std::wstring> kept;
    for (const WindowHandle handle : ChildHandles.Items()) {
        for (const auto& doc : host->Documents()) {
            if (AsHandle(doc->window) == handle && (!kept.empty() || doc->name == L"B.mpp")) {
                kept.insert(doc->name);
            }
        }
    }
    ASSERT_GT(kept.size(), 1u) << "B's tab must not be the last for this case";
    ClickItem(kCloseAll);
    EXPECT_EQ(dialogs->lockWarnings.size(), 1u);
    const auto open = OpenNames();
    EXPECT_EQ(std::set<std::wstring>(open.begin(), open.end()), kept);
    EXPECT_TRUE(host->Alerts());
    ExpectUnhooked();
}

// Switched off while the question before quitting is open, the answer may still keep the host
// open, but closes no window of its own: Cancel and "close the current tab" keep every project
// open, "close all" lets the host quit.
TEST_F(SwitchOffInHost, AQuitQuestionAnsweredAfterTheSwitchOffMayKeepTheHostOpenButClosesNothing) {
    struct Case {
        const char* name;
        CloseChoice answer;
        bool keepsOpen;
    };
    const Case cases[] = {
        {"cancel", CloseChoice::Cancel, true},
        {"close the current tab", CloseChoice::CloseCurrent, true},
        {"close all", CloseChoice::CloseAll, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs = std::make_shared<FakeHostDialogs>();
        StartWithThree({{L"ExitInfor", 0}});
        dialogs->closeAnswer = c.answer;
        dialogs->whileShown = [this] { SwitchOff(); };
        EXPECT_EQ(host->Close(), !c.keepsOpen);
        host->Pump();
        EXPECT_EQ(dialogs->closeOwners.size(), 1u);
        EXPECT_EQ(host->IsOpen(), c.keepsOpen);
        if (c.keepsOpen) {
            EXPECT_EQ(OpenNames(), (std::vector<std::wstring>{L"A.mpp", L"B.mpp", L"C.mpp"}));
            ExpectUnhooked();
        }
        host.reset();
    }
}

// Switched off while the lock warning is open, a kept lock still refuses the project's close; an
// unlock lets it close.
TEST_F(SwitchOffInHost, ALockWarningAnsweredAfterTheSwitchOffStillRefusesTheClose) {
    for (const bool unlock : {false, true}) {
        SCOPED_TRACE(unlock ? "unlocked" : "kept");
        dialogs = std::make_shared<FakeHostDialogs>();
        StartWithThree();
        LockedProjects.insert(Path(L"B.mpp"));
        dialogs->unlockAnswer = unlock;
        dialogs->whileShown = [this] { SwitchOff(); };
        EXPECT_EQ(host->CloseProject(L"B.mpp"), unlock);
        EXPECT_EQ(dialogs->lockWarnings.size(), 1u);
        EXPECT_EQ(OpenNames(), unlock ? (std::vector<std::wstring>{L"A.mpp", L"C.mpp"})
                                      : (std::vector<std::wstring>{L"A.mpp", L"B.mpp", L"C.mpp"}));
        ExpectUnhooked();
        host.reset();
        LockedProjects.clear();
    }
}

}  // namespace
}  // namespace morvane::test
