// Each connection owns its window hooks: one that ends leaves nothing behind for the next, and
// on host "11.0" a project window's watcher lives as long as the window, also when the host
// destroys the window inside the window's own procedure.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "BarInHost_win.h"
#include "addin/TabBarConnection_win.h"
#include "addin/state/AddinState.h"

namespace morvane::test {
namespace {

WNDPROC ProcOf(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

WindowHandle Handle(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

using ConnectionHooks = BarInHost;

TEST_F(ConnectionHooks, AConnectionAfterADisconnectStartsFromNothing) {
    StartHost(L"11.0");
    host->OpenProject(L"Alpha.mpp", L"C:\\Plans");
    host->OpenProject(L"Beta.mpp", L"C:\\Plans");
    const WNDPROC clientProcedure = ProcOf(host->Client());
    const WNDPROC mainProcedure = ProcOf(host->MainWindow());
    Connect();
    TabBarHooks& first = addin->Hooks();
    ASSERT_NE(first.client.TabBarForm(), nullptr);
    ASSERT_NE(first.main.HotKeys(), nullptr);
    EXPECT_EQ(first.client.WatchedWindowCount(), 2u);
    const HWND firstBar = Bar();
    const com::ComPtr<Morvane> firstAddin = addin;
    Disconnect();
    EXPECT_EQ(first.client.TabBarForm(), nullptr);
    EXPECT_EQ(first.main.HotKeys(), nullptr);
    EXPECT_EQ(first.client.WatchedWindowCount(), 0u);
    EXPECT_FALSE(IsWindow(firstBar));

    // A connection of its own over a state of its own: it finds everything anew, and the ended
    // one stays empty.
    AddinState secondState;
    {
        TabBarConnection second(secondState);
        ASSERT_TRUE(second.Connect(host->Application()));
        host->OpenProject(L"Gamma.mpp", L"C:\\Plans");
        host->Pump();
        TabBarWindow* bar = second.Hooks().client.TabBarForm();
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(IsWindow(reinterpret_cast<HWND>(bar->hWnd())));
        EXPECT_EQ(secondState.ChildHandles.Count(), 3u);
        EXPECT_EQ(second.Hooks().client.WatchedWindowCount(), 3u);
        EXPECT_NE(second.Hooks().main.HotKeys(), nullptr);
        EXPECT_EQ(first.client.TabBarForm(), nullptr);
        EXPECT_EQ(first.client.WatchedWindowCount(), 0u);
        EXPECT_TRUE(ChildHandles.Items().empty());
    }
    // The connection that went away took its hooks with it.
    EXPECT_EQ(ProcOf(host->Client()), clientProcedure);
    EXPECT_EQ(ProcOf(host->MainWindow()), mainProcedure);
    EXPECT_EQ(ProcOf(Window(L"Alpha.mpp")), ProcOf(Window(L"Gamma.mpp")));
}

TEST_F(ConnectionHooks, ClosedWindowsLeaveNoWatchersBehindOnHostEleven) {
    StartHost(L"11.0");
    host->OpenProject(L"Kept.mpp", L"C:\\Plans");
    Connect();
    const mdSubClass::ClientHook& hook = Hooks().client;
    for (int round = 0; round < 20; ++round) {
        const std::wstring first = L"First " + std::to_wstring(round) + L".mpp";
        const std::wstring second = L"Second " + std::to_wstring(round) + L".mpp";
        host->OpenProject(first, L"C:\\Plans");
        host->OpenProject(second, L"C:\\Plans");
        Refresh();
        ASSERT_EQ(hook.WatchedWindowCount(), 3u);
        // The host closes a window inside the window's own procedure (its WM_CLOSE).
        const HWND closed = Window(first);
        ASSERT_TRUE(host->CloseProject(first));
        EXPECT_FALSE(IsWindow(closed));
        EXPECT_FALSE(hook.Watches(Handle(closed)));
        EXPECT_EQ(hook.WatchedWindowCount(), 2u);
        ASSERT_TRUE(host->CloseProject(second));
        host->Pump();
    }
    EXPECT_EQ(hook.WatchedWindowCount(), 1u);
    EXPECT_TRUE(hook.Watches(Handle(Window(L"Kept.mpp"))));

    // The watchers left still select their tabs when the host activates their windows.
    host->OpenProject(L"Other.mpp", L"C:\\Plans");
    Refresh();
    ASSERT_EQ(Control().Count(), 2);
    ASSERT_TRUE(host->Activate(L"Kept.mpp"));
    host->Pump();
    EXPECT_NE(Control().Caption(Control().SelectedIndex()).find(L"Kept.mpp"), std::wstring::npos);
    EXPECT_EQ(ActiveName(), L"Kept.mpp");

    // Closing the host destroys the rest from outside their procedures.
    dialogs->closeAnswer = CloseChoice::CloseAll;
    EXPECT_TRUE(host->Close());
    EXPECT_EQ(hook.WatchedWindowCount(), 0u);
}

}  // namespace
}  // namespace morvane::test
