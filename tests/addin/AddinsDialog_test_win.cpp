// The user switches Morvane.dll off in the host's COM add-ins dialog, which a command of the
// host's own window opens: the add-in is disconnected, released and its library freed while that
// window's procedure chain, ours included, is on the stack.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "AddinDll_win.h"

namespace morvane::test {
namespace {

struct SwitchOffCase {
    const wchar_t* hostVersion;
    bool fromClient;  // the command reaches the client window, else the main window
};

class AddinsDialogTest : public AddinDllTest, public ::testing::WithParamInterface<SwitchOffCase> {
  protected:
    // Every project window's procedure, as the host made it.
    std::map<HWND, LONG_PTR> DocumentProcedures() const {
        std::map<HWND, LONG_PTR> procedures;
        for (const auto& doc : host->Documents()) {
            procedures[doc->window] = GetWindowLongPtrW(doc->window, GWLP_WNDPROC);
        }
        return procedures;
    }
};

TEST_P(AddinsDialogTest, SwitchedOffInsideAMessageOfAHookedWindowTheHostRunsOn) {
    const SwitchOffCase c = GetParam();
    StartHost(3, {}, c.hostVersion);
    const auto documents = DocumentProcedures();
    ASSERT_EQ(host->LoadAddins(), 1);
    host->Pump();
    ASSERT_TRUE(MainHooked());
    ASSERT_TRUE(ClientHooked());

    const HWND window = c.fromClient ? host->Client() : host->MainWindow();
    EXPECT_EQ(SendMessageW(window, WM_COMMAND, standin::Host::AddinsOffCommand, 0), 0);

    EXPECT_TRUE(host->Addins().Connected().empty());
    EXPECT_FALSE(MainHooked());
    EXPECT_FALSE(ClientHooked());
    EXPECT_EQ(DocumentProcedures(), documents);
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

}  // namespace
}  // namespace morvane::test
