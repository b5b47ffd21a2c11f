// The connection's hooks end from inside a message of a window they hook, as when the host
// switches the add-in off from a command of its own window: the host's procedure sits below ours
// and ends both hooks, the project windows' watchers with them, while our procedure is on the
// stack. This program's stub memory is poisoned, so a stub used after it was freed fails at once.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

#include "HostWindows_win.h"
#include "TabBarFixture.h"
#include "addin/tabbar/cSubclass_win.h"
#include "addin/tabbar/mdSubClass_win.h"
#include "addin/tabbar/mdxlMainHwndSubClass_win.h"
#include "support/HotKeyProbe_win.h"
#include "shared/LibraryUse.h"

namespace morvane::test {
namespace {

constexpr WORD HostCommand = 0x7001;

// The host's own procedure on each of its windows, below ours: it runs hostCommand on its command.
std::map<HWND, WNDPROC> hostPrevious;
std::function<void()> hostCommand;

LRESULT CALLBACK HostProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_COMMAND && LOWORD(wParam) == HostCommand && hostCommand) {
        hostCommand();
        return 0;
    }
    return CallWindowProcW(hostPrevious[hWnd], hWnd, uMsg, wParam, lParam);
}

void InstallHostProc(HWND window) {
    hostPrevious[window] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostProc)));
}

WNDPROC ProcOf(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

enum class Target { Main, Client, Document };

class UnhookInsideMessageTest : public ::testing::TestWithParam<Target>, protected TestState {
  protected:
    std::shared_ptr<FakeHost> host = std::make_shared<FakeHost>();
    std::unique_ptr<HostWindows> windows;
    std::unique_ptr<mdxlMainHwndSubClass::MainWindowHook> mainHook =
        std::make_unique<mdxlMainHwndSubClass::MainWindowHook>();
    std::unique_ptr<mdSubClass::ClientHook> clientHook = std::make_unique<mdSubClass::ClientHook>();
    HWND document = nullptr;

    void SetUp() override {
        state.HostApp = host;
        state.Registry = std::make_shared<FakeRegistry>();
        TabBarSize = 26;
        windows = std::make_unique<HostWindows>(host);
        document = windows->OpenDocument(L"Alpha.mpp");
        windows->OpenDocument(L"Beta.mpp");
        for (const HWND window : {windows->main, windows->client, document}) {
            InstallHostProc(window);
        }
    }

    void TearDown() override {
        hostCommand = nullptr;
        clientHook.reset();
        mainHook.reset();
        windows.reset();
        hostPrevious.clear();
    }

    // Both hooks on host "11.0", where every project window has its watcher.
    void Connect() {
        state.hMainWnd = reinterpret_cast<WindowHandle>(windows->main);
        state.HostVersion = ParseHostVersion(L"11.0");
        mdxlMainHwndSubClass::MainWindowHookParts mainParts;
        mainParts.reframeClient = [] {};
        mainParts.invalidateRibbon = [] {};
        mainParts.tabStrip = []() -> TabStrip* { return nullptr; };
        mainHook->HookMainWindow(state, mainParts);
        mdSubClass::ClientHookParts clientParts;
        const HWND main = windows->main;
        clientParts.newTabBar = [main] { return std::make_unique<TestBar>(main); };
        clientParts.newWatcher = [this] {
            return std::make_unique<MDIChildWindow>(
                state, [] { return std::make_unique<cSubclass>(); },
                []() -> TabStrip* { return nullptr; });
        };
        clientHook->HookMDIClient(state, clientParts);
    }

    HWND TargetWindow() const {
        switch (GetParam()) {
            case Target::Main:
                return windows->main;
            case Target::Client:
                return windows->client;
            default:
                return document;
        }
    }
};

TEST_P(UnhookInsideMessageTest, TheHooksEndedInsideAMessageLeaveNothingOfOursReachable) {
    Connect();
    ASSERT_NE(ProcOf(windows->main), &HostProc);
    ASSERT_NE(ProcOf(windows->client), &HostProc);
    ASSERT_NE(ProcOf(document), &HostProc);
    ASSERT_FALSE(HotKeyFree(MOD_ALT, '1'));

    int callsWhenEnded = 0;
    // The connection ends as a disconnection ends it: the client window's hook, then the main
    // window's; then the host goes on with the same message.
    hostCommand = [&] {
        callsWhenEnded = LibraryUse::CallsInProgress();
        clientHook.reset();
        mainHook.reset();
        SendMessageW(windows->main, WM_NCACTIVATE, TRUE, 0);
        SetWindowPos(windows->client, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    };
    EXPECT_EQ(SendMessageW(TargetWindow(), WM_COMMAND, HostCommand, 0), 0);

    EXPECT_GT(callsWhenEnded, 0);
    EXPECT_EQ(LibraryUse::CallsInProgress(), 0);
    for (const HWND window : {windows->main, windows->client, document}) {
        EXPECT_EQ(ProcOf(window), &HostProc);
    }
    EXPECT_TRUE(HotKeyFree(MOD_ALT, '1'));
    EXPECT_TRUE(ChildHandles.Items().empty());

    // The host's windows work on.
    hostCommand = nullptr;
    for (const HWND window : {windows->main, windows->client, document}) {
        SendMessageW(window, WM_COMMAND, HostCommand, 0);
        SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    }
    SetWindowPos(windows->client, nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    const HWND opened = windows->OpenDocument(L"Gamma.mpp");
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(windows->client, WM_MDIGETACTIVE, 0, 0)), opened);
    windows->CloseDocument(opened);
    windows->CloseDocument(document);
    EXPECT_FALSE(IsWindow(document));
}

INSTANTIATE_TEST_SUITE_P(Windows, UnhookInsideMessageTest,
                         ::testing::Values(Target::Main, Target::Client, Target::Document));

}  // namespace
}  // namespace morvane::test
