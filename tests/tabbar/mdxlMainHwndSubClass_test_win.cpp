#include "addin/tabbar/mdxlMainHwndSubClass_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostWindows_win.h"
#include "shared/Trace.h"
#include "TabBarFixture.h"

namespace morvane::test {
namespace {

using namespace mdxlMainHwndSubClass;

// Whether another window could take the combination now (so nobody holds it).
bool Free(UINT modifiers, UINT key) {
    HWND probe = CreateWindowExW(0, L"MorvaneTestBar", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    const bool free = RegisterHotKey(probe, 999, modifiers, key) != FALSE;
    if (free) {
        UnregisterHotKey(probe, 999);
    }
    DestroyWindow(probe);
    return free;
}

class MainHookTest : public ::testing::Test, protected TestState {
  protected:
    std::shared_ptr<FakeHost> host = std::make_shared<FakeHost>();
    std::unique_ptr<HostWindows> windows;
    FakeTabStrip strip;
    std::shared_ptr<FakeRegistry> registry = std::make_shared<FakeRegistry>();
    int reframes = 0, invalidations = 0;
    LONG_PTR ownProcedure = 0;
    MainWindowHook hook;

    void SetUp() override {
        state.HostApp = host;
        state.Registry = registry;
        windows = std::make_unique<HostWindows>(host);
        ownProcedure = GetWindowLongPtrW(windows->main, GWLP_WNDPROC);
    }

    void TearDown() override {
        hook.UnhookMainWindow();
        windows.reset();
    }

    void Hook() {
        MainWindowHookParts parts;
        state.hMainWnd = reinterpret_cast<WindowHandle>(windows->main);
        state.HostVersion = ParseHostVersion(L"14.0");
        parts.reframeClient = [this] { ++reframes; };
        parts.invalidateRibbon = [this] { ++invalidations; };
        parts.tabStrip = [this]() -> TabStrip* { return &strip; };
        hook.HookMainWindow(state, parts);
    }
};

TEST_F(MainHookTest, HotKeysAreHeldOnlyWhileTheMainWindowIsActive) {
    Hook();
    EXPECT_FALSE(Free(MOD_WIN, 'Q'));
    EXPECT_FALSE(Free(MOD_CONTROL, VK_TAB));
    EXPECT_FALSE(Free(MOD_ALT, '9'));
    SendMessageW(windows->main, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_TRUE(Free(MOD_WIN, 'Q'));
    EXPECT_TRUE(Free(MOD_ALT, '1'));
    SendMessageW(windows->main, WM_ACTIVATE, WA_CLICKACTIVE, 0);
    EXPECT_FALSE(Free(MOD_WIN, 'Q'));
    hook.UnhookMainWindow();
    EXPECT_TRUE(Free(MOD_WIN, 'Q'));
    EXPECT_TRUE(Free(MOD_CONTROL, VK_TAB));
    EXPECT_EQ(GetWindowLongPtrW(windows->main, GWLP_WNDPROC), ownProcedure);
    EXPECT_EQ(hook.HotKeys(), nullptr);
}

TEST_F(MainHookTest, AKeyHeldElsewhereIsTracedAndTheOthersStillHeld) {
    HWND other = CreateWindowExW(0, L"MorvaneTestBar", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(RegisterHotKey(other, 1, MOD_WIN, 'Q'));
    std::vector<std::wstring> lines;
    SetTraceSink([&lines](const std::wstring& line) { lines.push_back(line); });
    Hook();
    SetTraceSink(nullptr);
    UnregisterHotKey(other, 1);
    DestroyWindow(other);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(L"RegisterHotKey failed"), std::wstring::npos) << lines[0];
    EXPECT_FALSE(Free(MOD_CONTROL, VK_TAB));
    EXPECT_FALSE(Free(MOD_ALT, '9'));
}

TEST_F(MainHookTest, SwitchedOffGroupsAndSettingsKeys) {
    settings.EnableAlt = 1;
    settings.HotKeyBar = {L"Ctrl+Shift+B", 'B', MOD_CONTROL | MOD_SHIFT};
    Hook();
    EXPECT_TRUE(Free(MOD_WIN, 'Q'));
    EXPECT_FALSE(Free(MOD_CONTROL | MOD_SHIFT, 'B'));
    EXPECT_TRUE(Free(MOD_ALT, '1'));
    ASSERT_NE(hook.HotKeys(), nullptr);
    Hook();  // a second hook only counts the keys as registered
    EXPECT_TRUE(hook.HotKeys()->HotKeysRegistered);
}

TEST_F(MainHookTest, HotKeysActOnlyWhileTheMainWindowIsTheActiveWindow) {
    Hook();
    SetActiveWindow(windows->main);
    ASSERT_EQ(GetActiveWindow(), windows->main);
    EXPECT_EQ(SendMessageW(windows->main, WM_HOTKEY, 401, 0), 0);
    EXPECT_EQ(settings.TabShow, 1);
    EXPECT_EQ(registry->FindDword(RootKey::CurrentUser,
                                  L"SOFTWARE\\Microsoft\\Shared Tools\\Morvane", L"TabShow"),
              1);
    EXPECT_EQ(reframes, 1);
    EXPECT_EQ(invalidations, 1);

    for (int i = 0; i < 3; ++i) {
        strip.tabs.push_back(FakeTab{});
    }
    strip.selected = 0;
    SendMessageW(windows->main, WM_HOTKEY, 402, 0);
    EXPECT_EQ(strip.selected, 1);
    SendMessageW(windows->main, WM_HOTKEY, 405, 0);
    EXPECT_EQ(strip.selected, 2);

    HWND dialog = CreateWindowExW(0, L"MorvaneTestBar", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                  windows->main, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(dialog);
    ASSERT_EQ(GetActiveWindow(), dialog);
    SendMessageW(windows->main, WM_HOTKEY, 401, 0);
    SendMessageW(windows->main, WM_HOTKEY, 403, 0);
    EXPECT_EQ(settings.TabShow, 1);
    EXPECT_EQ(strip.selected, 2);
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace morvane::test
