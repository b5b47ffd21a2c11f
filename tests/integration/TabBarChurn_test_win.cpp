// Opening and closing many project windows and hooking the bar again and again leaves nothing
// behind: windows, GDI objects, collections and memory come back to where they were.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <iterator>
#include <set>

#include "BarInHost_win.h"
#include "addin/state/AddinState.h"
#include "shared/GdiObject_win.h"
#include "shared/Office_win.h"
#include "support/ThreadWindows_win.h"

namespace morvane::test {
namespace {

std::size_t Difference(const std::set<HWND>& a, const std::set<HWND>& b) {
    std::vector<HWND> only;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(only));
    return only.size();
}

// On host "11.0" every project window also has its watcher.
class TabBarChurn : public BarInHost, public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(TabBarChurn, ThousandWindowsAndHundredHooksLeaveNothingBehind) {
    StartHost(GetParam());
    host->OpenProject(L"Kept.mpp", L"C:\\Plans");
    Connect();
    SizeMain(1000, 700);
    // One round of everything first, so that what the system makes once is in the start.
    host->OpenProject(L"Warm-up.mpp", L"C:\\Plans");
    Refresh();
    host->CloseProject(L"Warm-up.mpp");
    Disconnect();
    Connect();
    SizeMain(1000, 701);
    Refresh();

    // The bar's own windows are made anew at every hook: count the rest by handle, the bar's
    // by number.
    const auto startWindows = ThreadWindows();
    const long startGdi = GdiLiveCount();
    const SIZE_T startMemory = WorkingSet();

    for (int i = 0; i < 1000; ++i) {
        const std::wstring name = L"Churn " + std::to_wstring(i) + L".mpp";
        host->OpenProject(name, L"C:\\Plans");
        if (i % 50 == 0) {
            Refresh();
        }
        host->CloseProject(name);
    }
    Refresh();
    for (int i = 0; i < 100; ++i) {
        Disconnect();
        Connect();
    }
    SizeMain(1000, 700);
    Refresh();

    const auto endWindows = ThreadWindows();
    EXPECT_EQ(endWindows.size(), startWindows.size());
    EXPECT_EQ(Difference(endWindows, startWindows), Difference(startWindows, endWindows));
    EXPECT_LE(Difference(endWindows, startWindows), 3u) << "the bar, its control, its tool tip";
    EXPECT_EQ(GdiLiveCount(), startGdi);
    const WindowHandle kept = reinterpret_cast<WindowHandle>(Window(L"Kept.mpp"));
    EXPECT_EQ(ChildHandles.Items(), std::vector<WindowHandle>{kept});
    ASSERT_EQ(ProjectWindows.size(), 1u);
    EXPECT_EQ(ProjectWindows.begin()->first, HandleText(kept));
    EXPECT_EQ(Control().Count(), 1);
    EXPECT_EQ(Hooks().client.WatchedWindowCount(), std::wstring(GetParam()) == L"11.0" ? 1u : 0u);
    EXPECT_LT(WorkingSet(), startMemory + 2 * 1024 * 1024);
}

INSTANTIATE_TEST_SUITE_P(Hosts, TabBarChurn, ::testing::Values(L"14.0", L"11.0"));

// The restart macro run from a command of the host's window, below our hook: each time the
// connection that waited for the last one's take-down brings up what that one had.
class RestartChurn : public BarInHost {};

TEST_F(RestartChurn, AHundredRestartsInsideAHostCommandLeaveNothingBehind) {
    StartHost(L"14.0");
    host->OpenProject(L"Kept.mpp", L"C:\\Plans");
    Connect();
    host->SetMacro([this] {
        addin->OnDisconnection(office::ext_dm_UserClosed, nullptr);
        ASSERT_EQ(addin->OnConnection(host->Application().Get(), office::ext_cm_AfterStartup,
                                      nullptr, nullptr),
                  S_OK);
    });
    const auto restart = [this] {
        SendMessageW(host->MainWindow(), WM_COMMAND, standin::Host::MacroCommand, 0);
        host->Pump();
    };
    restart();
    const auto startWindows = ThreadWindows().size();
    const long startGdi = GdiLiveCount();
    const SIZE_T startMemory = WorkingSet();

    for (int i = 0; i < 100; ++i) {
        restart();
    }

    host->SetMacro(nullptr);
    EXPECT_EQ(ThreadWindows().size(), startWindows);
    EXPECT_EQ(GdiLiveCount(), startGdi);
    EXPECT_LT(WorkingSet(), startMemory + 2 * 1024 * 1024);
    ASSERT_NE(Form(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Bar()));
    EXPECT_EQ(Control().Count(), 1);
}

}  // namespace
}  // namespace morvane::test
