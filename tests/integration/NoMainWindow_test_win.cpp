// A host whose main window is not found: nothing is hooked, and the menus, the host's events and
// the menu commands work all the same, since they need only the host's objects.
#include <gtest/gtest.h>
#include <windows.h>

#include "BarInHost_win.h"
#include "addin/Menus.h"

namespace morvane::test {
namespace {

using NoMainWindow = BarInHost;

TEST_F(NoMainWindow, TheMenusTheEventsAndTheCommandsAreConnectedAndNothingIsHooked) {
    hostOptions.mainWindowClass = L"NotProjectsMainWindow";
    StartHost(L"14.0");
    host->OpenProject(L"A.mpp", L"C:\\Plans");
    const WNDPROC mainProcedure =
        reinterpret_cast<WNDPROC>(GetWindowLongPtrW(host->MainWindow(), GWLP_WNDPROC));
    EXPECT_FALSE(connection->Connect(host->Application(), dialogs, commandSeams));
    host->Pump();
    EXPECT_EQ(state.hMainWnd, 0);
    EXPECT_EQ(Hooks().client.TabBarForm(), nullptr);
    EXPECT_EQ(Hooks().main.HotKeys(), nullptr);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(host->MainWindow(), GWLP_WNDPROC)),
              mainProcedure);

    // A menu entry runs its command.
    ASSERT_TRUE(host->CommandBars().ClickItem(PupTabNoOnItemName, 1).clicked);
    host->Pump();
    EXPECT_EQ(host->Documents().size(), 2u);

    // The host's events reach their handlers: a locked project is held back from closing.
    dialogs->unlockAnswer = false;
    LockedProjects.insert(L"C:\\Plans\\A.mpp");
    EXPECT_FALSE(host->CloseProject(L"A.mpp"));
    EXPECT_EQ(dialogs->lockWarnings.size(), 1u);
}

}  // namespace
}  // namespace morvane::test
