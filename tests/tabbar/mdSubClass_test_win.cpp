#include "addin/tabbar/mdSubClass_win.h"

#include <gtest/gtest.h>

#include "HostWindows_win.h"
#include "TabBarFixture.h"
#include "addin/tabbar/cSubclass_win.h"
#include "addin/tabbar/mdSubClass.h"

namespace morvane::test {
namespace {

using mdSubClass::ClientHookParts;

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Show(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

class ClientHookTest : public ::testing::Test, protected TestState {
  protected:
    std::shared_ptr<FakeHost> host = std::make_shared<FakeHost>();
    std::unique_ptr<HostWindows> windows;
    mdSubClass::ClientHook hook;

    void SetUp() override {
        state.HostApp = host;
        windows = std::make_unique<HostWindows>(host);
        TabBarSize = 26;
    }

    void TearDown() override {
        hook.UnhookMDIClient();
        windows.reset();
    }

    void Hook(const std::wstring& hostVersion = L"14.0") {
        host->version = hostVersion;
        ClientHookParts parts;
        state.hMainWnd = reinterpret_cast<WindowHandle>(windows->main);
        state.HostVersion = ParseHostVersion(hostVersion);
        HWND main = windows->main;
        parts.newTabBar = [main] { return std::make_unique<TestBar>(main); };
        hook.HookMDIClient(state, parts);
    }

    TestBar* Bar() const { return static_cast<TestBar*>(hook.TabBarForm()); }

    // A size change makes the client window place the bar.
    void Resize(int width, int height) {
        SetWindowPos(windows->client, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    }
};

TEST_F(ClientHookTest, GivesUpTheStripOnEachEdgeAndPlacesTheBarOverIt) {
    struct Case {
        std::int32_t position;
        const wchar_t* host;
        RECT area;  // the client area in the main window, client window at 0,0 800 x 600
        RECT bar;   // the bar in the main window's client coordinates
    };
    const Case cases[] = {{0, L"14.0", {0, 26, 800, 600}, {0, 0, 800, 26}},
                          {0, L"12.0", {0, 25, 800, 600}, {0, 0, 800, 26}},
                          {1, L"14.0", {0, 0, 800, 575}, {0, 574, 800, 600}},
                          {2, L"11.0", {25, 0, 800, 600}, {1, 1, 27, 600}},
                          {3, L"14.0", {0, 0, 775, 600}, {775, 1, 801, 600}},
                          {4, L"12.0", {0, 0, 775, 600}, {775, 1, 801, 600}}};
    windows->OpenDocument(L"Alpha.mpp");
    for (const auto& c : cases) {
        settings.Position = static_cast<BarPosition>(c.position);
        Hook(c.host);
        ASSERT_NE(Bar(), nullptr);
        Resize(790, 590);
        Resize(800, 600);
        const std::string label =
            std::to_string(c.position) + " on " + std::string(c.host, c.host + 4);
        EXPECT_TRUE(SameRect(windows->ClientArea(), c.area))
            << label << ": " << Show(windows->ClientArea());
        RECT bar = Bar()->ScreenRect();
        MapWindowPoints(nullptr, windows->main, reinterpret_cast<POINT*>(&bar), 2);
        EXPECT_TRUE(SameRect(bar, c.bar)) << label << ": " << Show(bar);
        EXPECT_TRUE(Bar()->Visible()) << label;
        // Placed above its siblings.
        EXPECT_EQ(GetWindow(windows->main, GW_CHILD), reinterpret_cast<HWND>(Bar()->hWnd()))
            << label;
        hook.UnhookMDIClient();
        EXPECT_TRUE(SameRect(windows->ClientArea(), RECT{0, 0, 800, 600}))
            << label << " after unhook: " << Show(windows->ClientArea());
        EXPECT_EQ(hook.TabBarForm(), nullptr);
    }
}

TEST_F(ClientHookTest, TheBarHidesWhileTooFewWindowsAreVisibleOrItIsSwitchedOff) {
    settings.OneHide = 1;
    windows->OpenDocument(L"Alpha.mpp");
    Hook();
    Resize(800, 600);
    EXPECT_TRUE(SameRect(windows->ClientArea(), RECT{0, 0, 800, 600}));
    EXPECT_FALSE(Bar()->Visible());

    windows->OpenDocument(L"Beta.mpp");
    hook.ReframeClient();
    EXPECT_TRUE(SameRect(windows->ClientArea(), RECT{0, 26, 800, 600}));
    Resize(800, 600 - 1);
    Resize(800, 600);
    EXPECT_TRUE(Bar()->Visible());

    settings.TabShow = 1;
    hook.ReframeClient();
    EXPECT_TRUE(SameRect(windows->ClientArea(), RECT{0, 0, 800, 600}));
    EXPECT_FALSE(Bar()->Visible());
}

TEST_F(ClientHookTest, AMinimisedClientLeavesTheBarWhereItIs) {
    windows->OpenDocument(L"Alpha.mpp");
    Hook();
    Resize(700, 500);
    const RECT before = Bar()->ScreenRect();
    SendMessageW(windows->client, WM_SIZE, SIZE_MINIMIZED, MAKELPARAM(10, 10));
    EXPECT_TRUE(SameRect(Bar()->ScreenRect(), before));
    EXPECT_TRUE(Bar()->Visible());
}

TEST_F(ClientHookTest, PrintPreviewHidesTheBarAtEveryNonClientPaint) {
    windows->OpenDocument(L"Alpha.mpp");
    Hook();
    Resize(700, 500);
    ASSERT_TRUE(Bar()->Visible());
    HWND preview = CreateWindowExW(0, L"Winproj-Preview", L"", WS_CHILD, 0, 0, 10, 10,
                                   windows->main, nullptr, GetModuleHandleW(nullptr), nullptr);
    const int reads = Bar()->colourReads;
    SendMessageW(windows->client, WM_NCPAINT, 1, 0);
    EXPECT_FALSE(Bar()->Visible());
    EXPECT_GT(Bar()->colourReads, reads);  // the Office scheme is read again
    DestroyWindow(preview);
    Resize(800, 600);
    EXPECT_TRUE(Bar()->Visible());
}

TEST_F(ClientHookTest, APendingPlacementIsMadeAtTheNextNonClientPaint) {
    windows->OpenDocument(L"Alpha.mpp");
    Hook();
    Resize(800, 600);
    settings.Position = BarBelow;
    PlacementPending = true;
    hook.ReframeClient();
    SendMessageW(windows->client, WM_NCPAINT, 1, 0);
    EXPECT_FALSE(PlacementPending);
    RECT bar = Bar()->ScreenRect();
    MapWindowPoints(nullptr, windows->main, reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_TRUE(SameRect(bar, RECT{0, 574, 800, 600})) << Show(bar);
}

TEST_F(ClientHookTest, TabOrderFollowsZOrderAtHookingThenCreation) {
    HWND first = windows->OpenDocument(L"First.mpp");
    HWND second = windows->OpenDocument(L"Second.mpp");  // active, on top
    Hook();
    const auto h = [](HWND w) { return reinterpret_cast<WindowHandle>(w); };
    EXPECT_EQ(ChildHandles.Items(), (std::vector<WindowHandle>{h(second), h(first)}));
    HWND third = windows->OpenDocument(L"Third.mpp");
    EXPECT_EQ(ChildHandles.Items(), (std::vector<WindowHandle>{h(second), h(first), h(third)}));

    const int updates = Bar()->updates;
    windows->CloseDocument(first);  // two stay visible: no refresh from the hook
    EXPECT_EQ(ChildHandles.Items(), (std::vector<WindowHandle>{h(second), h(third)}));
    EXPECT_EQ(Bar()->updates, updates);
    windows->CloseDocument(second);
    windows->CloseDocument(third);  // none visible: refresh and re-frame
    EXPECT_TRUE(ChildHandles.Items().empty());
    EXPECT_GT(Bar()->updates, updates);
    EXPECT_TRUE(SameRect(windows->ClientArea(), RECT{0, 0, 800, 600}));
}

// A procedure another program chains on top of ours.
WNDPROC chainedPrevious = nullptr;
int chainedCalls = 0;
LRESULT CALLBACK ChainedProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    ++chainedCalls;
    return CallWindowProcW(chainedPrevious, hWnd, uMsg, wParam, lParam);
}

TEST_F(ClientHookTest, UnhookingUnderAChainedProcedureLeavesTheChainWorking) {
    HWND document = windows->OpenDocument(L"Alpha.mpp");
    Hook();
    chainedPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(windows->client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ChainedProc)));
    hook.UnhookMDIClient();
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(windows->client, GWLP_WNDPROC)),
              ChainedProc);
    chainedCalls = 0;
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(windows->client, WM_MDIGETACTIVE, 0, 0)),
              document);
    EXPECT_GT(chainedCalls, 0);
    // The strip is given back and stays given back: ours only passes messages on.
    hook.ReframeClient();
    EXPECT_TRUE(SameRect(windows->ClientArea(), RECT{0, 0, 800, 600}));
    windows->OpenDocument(L"Beta.mpp");
    EXPECT_TRUE(ChildHandles.Items().empty());

    // Hooking again goes on top of the chain.
    Hook();
    hook.ReframeClient();
    EXPECT_TRUE(SameRect(windows->ClientArea(), RECT{0, 26, 800, 600}));
    EXPECT_EQ(ChildHandles.Count(), 2u);
}

TEST_F(ClientHookTest, WithoutAClientWindowNothingIsHooked) {
    HWND lone = CreateWindowExW(0, L"MorvaneTestBar", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    ClientHookParts parts;
    state.hMainWnd = reinterpret_cast<WindowHandle>(lone);
    bool created = false;
    parts.newTabBar = [&created]() -> std::unique_ptr<TabBarWindow> {
        created = true;
        return nullptr;
    };
    hook.HookMDIClient(state, parts);
    EXPECT_FALSE(created);
    EXPECT_EQ(hook.TabBarForm(), nullptr);
    DestroyWindow(lone);
}

TEST_F(ClientHookTest, HostElevenWatchesEachDocumentWindow) {
    HWND first = windows->OpenDocument(L"First.mpp");
    ClientHookParts parts;
    state.hMainWnd = reinterpret_cast<WindowHandle>(windows->main);
    state.HostVersion = ParseHostVersion(L"11.0");
    parts.newWatcher = [this] {
        return std::make_unique<MDIChildWindow>(
            state, [] { return std::make_unique<cSubclass>(); },
            []() -> TabStrip* { return nullptr; });
    };
    hook.HookMDIClient(state, parts);
    windows->OpenDocument(L"Second.mpp");
    EXPECT_EQ(hook.WatchedWindowCount(), 2u);
    EXPECT_TRUE(hook.Watches(reinterpret_cast<WindowHandle>(first)));
    hook.UnhookMDIClient();
    EXPECT_EQ(hook.WatchedWindowCount(), 0u);
    // The document windows' own procedures are back.
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(first, GWLP_WNDPROC)), DefMDIChildProcW);
}

TEST_F(ClientHookTest, HostElevenDropsAWatcherWithItsWindow) {
    HWND first = windows->OpenDocument(L"First.mpp");
    HWND second = windows->OpenDocument(L"Second.mpp");
    HWND third = windows->OpenDocument(L"Third.mpp");
    Hook(L"11.0");
    ASSERT_EQ(hook.WatchedWindowCount(), 3u);
    // Destroyed by the host from outside the window's procedure.
    windows->CloseDocument(first);
    EXPECT_EQ(hook.WatchedWindowCount(), 2u);
    EXPECT_FALSE(hook.Watches(reinterpret_cast<WindowHandle>(first)));
    // Destroyed inside its own procedure: the MDI child's WM_CLOSE destroys it.
    SendMessageW(second, WM_CLOSE, 0, 0);
    ASSERT_FALSE(IsWindow(second));
    EXPECT_EQ(hook.WatchedWindowCount(), 1u);
    EXPECT_FALSE(hook.Watches(reinterpret_cast<WindowHandle>(second)));
    EXPECT_TRUE(hook.Watches(reinterpret_cast<WindowHandle>(third)));
    // A window opened now is watched as before.
    HWND fourth = windows->OpenDocument(L"Fourth.mpp");
    EXPECT_TRUE(hook.Watches(reinterpret_cast<WindowHandle>(fourth)));
    EXPECT_EQ(hook.WatchedWindowCount(), 2u);
}

TEST_F(ClientHookTest, TwoHooksShareNothing) {
    windows->OpenDocument(L"Alpha.mpp");
    Hook();
    // A second connection's hook, over host windows and a state of its own.
    TestState other;
    auto otherHost = std::make_shared<FakeHost>();
    other.state.HostApp = otherHost;
    other.TabBarSize = 26;
    HostWindows otherWindows(otherHost);
    otherWindows.OpenDocument(L"Beta.mpp");
    otherWindows.OpenDocument(L"Gamma.mpp");
    other.state.hMainWnd = reinterpret_cast<WindowHandle>(otherWindows.main);
    other.state.HostVersion = ParseHostVersion(L"14.0");
    ClientHookParts parts;
    HWND otherMain = otherWindows.main;
    parts.newTabBar = [otherMain] { return std::make_unique<TestBar>(otherMain); };
    mdSubClass::ClientHook otherHook;
    otherHook.HookMDIClient(other.state, parts);

    ASSERT_NE(hook.TabBarForm(), nullptr);
    ASSERT_NE(otherHook.TabBarForm(), nullptr);
    EXPECT_NE(otherHook.TabBarForm(), hook.TabBarForm());
    EXPECT_EQ(other.hMDIClient, reinterpret_cast<WindowHandle>(otherWindows.client));
    EXPECT_EQ(ChildHandles.Count(), 1u);
    EXPECT_EQ(other.ChildHandles.Count(), 2u);

    // One unhooked, the other keeps its bar, its strip and its windows.
    hook.UnhookMDIClient();
    EXPECT_EQ(hook.TabBarForm(), nullptr);
    EXPECT_TRUE(ChildHandles.Items().empty());
    ASSERT_NE(otherHook.TabBarForm(), nullptr);
    otherHook.ReframeClient();
    EXPECT_TRUE(SameRect(otherWindows.ClientArea(), RECT{0, 26, 800, 600}))
        << Show(otherWindows.ClientArea());
    otherWindows.OpenDocument(L"Delta.mpp");
    EXPECT_EQ(other.ChildHandles.Count(), 3u);
    windows->OpenDocument(L"Epsilon.mpp");
    EXPECT_TRUE(ChildHandles.Items().empty());
    otherHook.UnhookMDIClient();
}

}  // namespace
}  // namespace morvane::test
