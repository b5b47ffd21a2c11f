#include "addin/tabbar/frmMorvaneWindow_win.h"

#include <gtest/gtest.h>

#include "HostWindows_win.h"
#include "TabBarFixture.h"
#include "addin/tabbar/cSubclass_win.h"
#include "addin/tabbar/mdSubClass.h"
#include "addin/tabbar/mdSubClass_win.h"

namespace morvane::test {
namespace {

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The hooked bar with the real form window and a double of the tab control, on real host
// windows.
class TabBarFormTest : public ::testing::Test, protected TestState {
  protected:
    std::shared_ptr<FakeHost> host = std::make_shared<FakeHost>();
    std::unique_ptr<HostWindows> windows;
    FakeCommandBars bars;
    FakeTabStrip* strip = nullptr;
    mdSubClass::ClientHook hook;

    void SetUp() override {
        state.HostApp = host;
        // The test's bars, not owned by the state.
        state.HostCommandBars = std::shared_ptr<CommandBars>(std::shared_ptr<void>(), &bars);
        windows = std::make_unique<HostWindows>(host);
    }

    void TearDown() override {
        hook.UnhookMDIClient();
        windows.reset();
    }

    TabBarFormParts FormParts() {
        TabBarFormParts parts;
        parts.newControl = [this](WindowHandle, TabEventSink& events) {
            auto control = std::make_unique<FakeTabStrip>();
            control->height = 390;  // 26 pixels of strip
            control->width = 12000;
            control->onSelectionChanged = [&events](std::int32_t i) { events.SelectionChanged(i); };
            strip = control.get();
            return control;
        };
        return parts;
    }

    void Hook(const std::wstring& hostVersion = L"14.0") {
        mdSubClass::ClientHookParts parts;
        state.hMainWnd = reinterpret_cast<WindowHandle>(windows->main);
        state.HostVersion = ParseHostVersion(hostVersion);
        const WindowHandle main = state.hMainWnd;
        parts.newTabBar = [this, main] {
            auto form = std::make_unique<frmMorvaneWindow>(state, FormParts());
            form->SetParentHwnd(main);
            return form;
        };
        hook.HookMDIClient(state, parts);
    }

    frmMorvaneWindow* Form() const { return static_cast<frmMorvaneWindow*>(hook.TabBarForm()); }
};

TEST_F(TabBarFormTest, TheHookedBarShowsOneTabPerProjectWindow) {
    HWND alpha = windows->OpenDocument(L"Alpha.mpp");
    HWND beta = windows->OpenDocument(L"Beta.mpp");
    host->projects[1]->saved = false;
    Hook();
    ASSERT_NE(Form(), nullptr);
    HWND form = reinterpret_cast<HWND>(Form()->hWnd());
    EXPECT_EQ(GetParent(form), windows->main);
    // The owner changes; the window's instance handle stays its module's.
    EXPECT_EQ(GetWindowLongPtrW(form, GWLP_HINSTANCE),
              reinterpret_cast<LONG_PTR>(GetModuleHandleW(nullptr)));
    EXPECT_NE(GetWindowLongPtrW(form, GWL_STYLE) & WS_CHILD, 0);
    EXPECT_TRUE(strip->imagesAttached);
    EXPECT_EQ(TabBarSize, 26);

    ASSERT_EQ(strip->Count(), 2);
    EXPECT_EQ(strip->tabs[0].caption, L"  Beta.mpp  *  ");  // topmost at hooking
    EXPECT_EQ(strip->tabs[1].caption, L"  Alpha.mpp  ");
    EXPECT_EQ(strip->tabs[1].tag, HandleText(reinterpret_cast<WindowHandle>(alpha)));
    EXPECT_EQ(strip->tabs[0].toolTip, L"C:\\Plans\\Beta.mpp");
    EXPECT_EQ(strip->selected, 0);
    EXPECT_EQ(ProjectWindows.size(), 2u);

    SetWindowPos(windows->client, nullptr, 0, 0, 800, 600, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(windows->client, nullptr, 0, 0, 800, 601, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(Form()->Visible());
    RECT bar{};
    GetWindowRect(form, &bar);
    MapWindowPoints(nullptr, windows->main, reinterpret_cast<POINT*>(&bar), 2);
    EXPECT_EQ(bar.top, 0);
    EXPECT_EQ(bar.bottom, 26);
    EXPECT_EQ(bar.right - bar.left, 800);
    // The form fits the control to its width, from the control's offset behind its edge.
    EXPECT_EQ(strip->width, 800 * 15 + 30);

    // A click on the other tab activates its window through the client window.
    strip->Select(1);
    Pump();
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(windows->client, WM_MDIGETACTIVE, 0, 0)), alpha);
    (void)beta;

    hook.UnhookMDIClient();
    EXPECT_FALSE(IsWindow(form));
}

TEST_F(TabBarFormTest, HostElevenSelectsTheActivatedWindowsTabWithoutASecondActivation) {
    HWND alpha = windows->OpenDocument(L"Alpha.mpp");
    HWND beta = windows->OpenDocument(L"Beta.mpp");
    Hook(L"11.0");
    ASSERT_EQ(strip->Count(), 2);
    ASSERT_EQ(strip->selected, 0);  // Beta, the active window

    // The host activates Alpha by its own means; child windows are told so while the main
    // window is the active one.
    SetForegroundWindow(windows->main);
    SetActiveWindow(windows->main);
    ASSERT_EQ(GetActiveWindow(), windows->main);
    Pump();
    strip->selections.clear();
    SendMessageW(windows->client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(alpha), 0);
    EXPECT_EQ(strip->selected, 1);
    EXPECT_FALSE(strip->selections.empty());
    EXPECT_FALSE(Updating);
    MSG queued;
    EXPECT_FALSE(
        PeekMessageW(&queued, windows->client, WM_MDIACTIVATE, WM_MDIACTIVATE, PM_NOREMOVE));
    (void)beta;
}

// Records the messages a window receives.
class MessageLog : public ISubclass {
  public:
    std::vector<std::uint32_t> messages;
    void Proc(bool, bool&, std::intptr_t&, WindowHandle&, std::uint32_t& uMsg, std::uintptr_t&,
              std::intptr_t&) override {
        messages.push_back(uMsg);
    }
};

TEST_F(TabBarFormTest, TheExitTimerClosesTheHostsFileDialog) {
    windows->OpenDocument(L"Alpha.mpp");
    Hook();
    WNDCLASSW view{};
    view.lpfnWndProc = DefWindowProcW;
    view.hInstance = GetModuleHandleW(nullptr);
    view.lpszClassName = L"DUIViewWndClassName";
    RegisterClassW(&view);
    HWND dialog = CreateWindowExW(0, L"#32770", L"Save As", WS_POPUP, 0, 0, 100, 100, windows->main,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(dialog, nullptr);
    CreateWindowExW(0, L"DUIViewWndClassName", L"", WS_CHILD, 0, 0, 10, 10, dialog, nullptr,
                    GetModuleHandleW(nullptr), nullptr);
    MessageLog log;
    cSubclass watch;
    watch.AddMsg(WM_CLOSE, MsgBefore);
    ASSERT_TRUE(watch.Subclass(reinterpret_cast<WindowHandle>(dialog), &log));
    host->alerts = false;

    Form()->StartTimer();
    for (int i = 0; i < 50 && log.messages.empty(); ++i) {
        Sleep(10);
        Pump();
    }
    EXPECT_EQ(log.messages, std::vector<std::uint32_t>{WM_CLOSE});
    EXPECT_TRUE(host->alerts);
    watch.UnSubclass();
    DestroyWindow(dialog);
}

}  // namespace
}  // namespace morvane::test
