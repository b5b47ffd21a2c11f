#include "addin/tabbar/mdSubClass.h"

#include <gtest/gtest.h>

#include "TabBarFixture.h"
#include "addin/tabbar/TabBarRules.h"

namespace morvane::test {
namespace {

using namespace mdSubClass;

TEST(ClientHookRules, BarShownRule) {
    struct Case {
        std::int32_t visible, oneHide, tabShow;
        bool wanted;
    };
    const Case cases[] = {{1, 0, 0, true}, {0, 0, 0, false}, {1, 1, 0, false},
                          {2, 1, 0, true}, {5, 0, 1, false}, {2, 1, 1, false}};
    for (const auto& c : cases) {
        TabSettings settings;
        settings.OneHide = c.oneHide;
        settings.TabShow = c.tabShow;
        EXPECT_EQ(BarWanted(c.visible, settings), c.wanted)
            << c.visible << "/" << c.oneHide << "/" << c.tabShow;
    }
}

TEST(ClientHookRules, StripGivenUpOnEachEdge) {
    struct Case {
        std::int32_t position;
        const wchar_t* host;
        Rect area;
    };
    // Window rectangle (10, 20) 800 x 600, TabBarSize 26.
    const Case cases[] = {{0, L"14.0", {10, 46, 810, 620}}, {0, L"12.0", {10, 45, 810, 620}},
                          {0, L"11.0", {10, 45, 810, 620}}, {1, L"14.0", {10, 20, 810, 595}},
                          {2, L"14.0", {35, 20, 810, 620}}, {3, L"12.0", {10, 20, 785, 620}},
                          {4, L"14.0", {10, 20, 785, 620}}, {-1, L"14.0", {10, 20, 785, 620}}};
    for (const auto& c : cases) {
        EXPECT_EQ(ClientArea(static_cast<BarPosition>(c.position), 26, c.host, 10, 20, 800, 600),
                  c.area)
            << c.position << " on " << std::string(c.host, c.host + 4);
    }
}

TEST(ClientHookRules, BarPlacementOnEachEdge) {
    struct Case {
        std::int32_t position;
        ScreenPoint anchor;
        Placement placement;  // from the anchor moved by (-100, -50) into the main window
    };
    // Client window rectangle (100, 50) - (900, 650), TabBarSize 26.
    const Case cases[] = {{0, {100, 50}, {0, 0, 800, 26}},
                          {1, {100, 624}, {0, 574, 800, 26}},
                          {2, {100, 50}, {1, 1, 26, 599}},
                          {3, {874, 50}, {775, 1, 26, 599}},
                          {9, {874, 50}, {775, 1, 26, 599}}};
    const Rect window{100, 50, 900, 650};
    for (const auto& c : cases) {
        const auto position = static_cast<BarPosition>(c.position);
        const auto anchor = BarAnchor(position, 26, window);
        EXPECT_EQ(anchor.x, c.anchor.x) << c.position;
        EXPECT_EQ(anchor.y, c.anchor.y) << c.position;
        const std::int32_t extent = IsHorizontal(position) ? 800 : 600;
        EXPECT_EQ(BarPlacement(position, 26, {anchor.x - 100, anchor.y - 50}, extent), c.placement)
            << c.position;
    }
}

class CountingSubclass : public WindowSubclass {
  public:
    std::vector<std::string>* log;
    explicit CountingSubclass(std::vector<std::string>* l) : log(l) {}
    void AddMsg(std::int32_t uMsg, std::int32_t When) override {
        log->push_back("add " + std::to_string(uMsg) + " " + std::to_string(When));
    }
    std::intptr_t CallOrigWndProc(std::uint32_t, std::uintptr_t, std::intptr_t) override {
        return 0;
    }
    void DelMsg(std::int32_t, std::int32_t) override {}
    bool Subclass(WindowHandle hWnd, ISubclass*) override {
        log->push_back("subclass " + std::to_string(hWnd));
        return true;
    }
    bool UnSubclass() override {
        log->push_back("unsubclass");
        return true;
    }
};

class ChildTracking : public TabBarFixture {
  protected:
    std::vector<std::string> log;
    ChildWatchers ChildWindows;
    void TearDown() override {
        ChildWindows.clear();
        TabBarFixture::TearDown();
    }
    void Add(WindowHandle hWnd, const std::wstring& hostVersion) {
        state.HostVersion = ParseHostVersion(hostVersion);
        AddMDIChild(state, ChildWindows, hWnd, Watchers());
    }
    std::function<std::unique_ptr<MDIChildWindow>()> Watchers() {
        return [this] {
            return std::make_unique<MDIChildWindow>(
                state, [this] { return std::make_unique<CountingSubclass>(&log); },
                [this]() -> TabStrip* { return &strip; });
        };
    }
};

TEST_F(ChildTracking, WindowsOfTheHookKeepTheirZOrderAndNewOnesComeLast) {
    const auto older = windows.Add(client, L"Winproj-DocWindowClass", L"Older");
    const auto top = windows.Add(client, L"Winproj-DocWindowClass", L"Top");
    windows.Raise(top);
    EnumMDIChildren(windows, client, [this](WindowHandle h) { Add(h, L"14.0"); });
    const auto created = windows.Add(client, L"Winproj-DocWindowClass", L"New");
    Add(created, L"14.0");
    Add(top, L"14.0");  // already recorded
    EXPECT_EQ(ChildHandles.Items(), (std::vector<WindowHandle>{top, older, created}));
    EXPECT_TRUE(ChildWindows.empty());
    EXPECT_TRUE(log.empty());
}

TEST_F(ChildTracking, HostElevenWatchesEveryWindowOnce) {
    const auto h = windows.Add(client, L"Winproj-DocWindowClass", L"Plan");
    Add(h, L"11.0");
    Add(h, L"11.0");
    ASSERT_EQ(ChildWindows.size(), 1u);
    EXPECT_EQ(ChildWindows.begin()->first, L"#" + HandleText(h));
    EXPECT_EQ(ChildWindows.begin()->second->hWnd(), h);
    EXPECT_EQ(log, (std::vector<std::string>{"add 134 1", "subclass " + std::to_string(h)}));
}

TEST_F(ChildTracking, DestroyedWindowsAreForgotten) {
    const auto a = Open(L"Alpha.mpp");
    const auto b = Open(L"Beta.mpp");
    ProjectWindows.emplace(HandleText(a), host->windows[0]);
    settings.OneHide = 1;
    EXPECT_FALSE(ForgetMDIChild(state, b, 2));  // two still visible: no refresh here
    EXPECT_EQ(ChildHandles.Items(), std::vector<WindowHandle>{a});
    EXPECT_TRUE(ForgetMDIChild(state, a, 1));
    EXPECT_TRUE(ProjectWindows.empty());
    EXPECT_FALSE(ForgetMDIChild(state, 0x999, 5));  // unknown: ignored
}

TEST_F(ChildTracking, AWatcherLeavesAtItsWindowsFinalMessage) {
    const auto a = windows.Add(client, L"Winproj-DocWindowClass", L"Alpha");
    const auto b = windows.Add(client, L"Winproj-DocWindowClass", L"Beta");
    Add(a, L"11.0");
    Add(b, L"11.0");
    ASSERT_EQ(ChildWindows.size(), 2u);
    log.clear();
    // Forgetting the window leaves its watcher until the window's last message has returned.
    ForgetMDIChild(state, a, 1);
    EXPECT_EQ(ChildWindows.size(), 2u);
    ChildWindows.at(L"#" + HandleText(a))->OnFinalMessage(a);
    EXPECT_EQ(ChildWindows.count(L"#" + HandleText(a)), 0u);
    EXPECT_EQ(ChildWindows.count(L"#" + HandleText(b)), 1u);
    EXPECT_EQ(log, std::vector<std::string>{"unsubclass"});

    // A watcher detached from its window no longer answers for it.
    MDIChildWindow& kept = *ChildWindows.at(L"#" + HandleText(b));
    kept.Detach();
    kept.OnFinalMessage(b);
    EXPECT_EQ(ChildWindows.count(L"#" + HandleText(b)), 1u);
}

TEST_F(ChildTracking, WatcherSelectsItsTabWithoutActivating) {
    const auto a = Open(L"Alpha.mpp");
    const auto b = Open(L"Beta.mpp");
    windows.activeChild[client] = a;
    Updating = true;
    form->UpdateMenu();
    Updating = false;
    strip.selections.clear();
    MDIChildWindow watcher(
        state, [this] { return std::make_unique<CountingSubclass>(&log); },
        [this]() -> TabStrip* { return &strip; });
    watcher.Attach(b);

    bool handled = false;
    std::intptr_t result = 7;
    WindowHandle hWnd = b;
    std::uint32_t message = 0x86;
    std::uintptr_t wParam = 0;  // deactivation
    std::intptr_t lParam = 0;
    watcher.Proc(false, handled, result, hWnd, message, wParam, lParam);
    EXPECT_TRUE(strip.selections.empty());
    wParam = 1;
    watcher.Proc(false, handled, result, hWnd, message, wParam, lParam);
    EXPECT_EQ(strip.selections, std::vector<std::int32_t>{1});
    EXPECT_TRUE(windows.posted.empty());  // no second activation
    EXPECT_FALSE(Updating);
    EXPECT_FALSE(handled);
    EXPECT_EQ(result, 7);

    // A caller that holds the busy flag keeps it through the watcher's selection.
    Updating = true;
    watcher.Proc(false, handled, result, hWnd, message, wParam, lParam);
    EXPECT_TRUE(Updating);
    strip.Select(0);  // the caller's own later selection activates nothing either
    EXPECT_TRUE(windows.posted.empty());
    Updating = false;

    watcher.Attach(a);  // a new window: the old subclass goes first
    watcher.Detach();
    watcher.Detach();
    EXPECT_EQ(log, (std::vector<std::string>{"add 134 1", "subclass " + std::to_string(b),
                                             "unsubclass", "add 134 1",
                                             "subclass " + std::to_string(a), "unsubclass"}));
}

}  // namespace
}  // namespace morvane::test
