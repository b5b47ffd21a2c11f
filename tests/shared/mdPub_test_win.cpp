// The window, font and version helpers on the real system.

#include "shared/mdPub_win.h"

#include <gtest/gtest.h>

#include <iostream>

#include "shared/WinSystem_win.h"
#include "shared/mdPub.h"

namespace morvane {
namespace {

// A top-level window destroyed at the end of the test, unless the test destroys it first.
class Window {
  public:
    Window(const wchar_t* className, const wchar_t* text)
        : hwnd_(CreateWindowExW(0, className, text, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    ~Window() { Destroy(); }
    HWND Get() const { return hwnd_; }
    void Destroy() {
        if (hwnd_) {
            DestroyWindow(hwnd_);
            hwnd_ = nullptr;
        }
    }

  private:
    HWND hwnd_;
};

TEST(GetWindowString, ReadsTextAndClassUntilTheWindowIsGone) {
    Window window(L"Static", L"Plan \u00e9t\u00e9");
    const HWND hwnd = window.Get();
    ASSERT_TRUE(hwnd);
    EXPECT_EQ(mdPub::GetWindowString(hwnd, false), L"Plan \u00e9t\u00e9");
    EXPECT_EQ(_wcsicmp(mdPub::GetWindowString(hwnd, true).c_str(), L"Static"), 0);

    SetWindowTextW(hwnd, std::wstring(300, L'x').c_str());
    EXPECT_EQ(mdPub::GetWindowString(hwnd, false), std::wstring(255, L'x'));
    SetWindowTextW(hwnd, L"");
    EXPECT_EQ(mdPub::GetWindowString(hwnd, false), L"");

    window.Destroy();
    EXPECT_EQ(mdPub::GetWindowString(hwnd, false), L"");
    EXPECT_EQ(mdPub::GetWindowString(hwnd, true), L"");
}

TEST(SetFocusTo, FocusesAWindowAndIgnoresAMissingOne) {
    Window window(L"Static", L"Focus");
    ASSERT_TRUE(window.Get());
    ShowWindow(window.Get(), SW_SHOW);
    mdPub::SetFocusTo(window.Get());
    EXPECT_EQ(GetFocus(), window.Get());
    const HWND gone = window.Get();
    window.Destroy();
    mdPub::SetFocusTo(gone);
}

TEST(WinSystem, AnswersEveryFact) {
    const WinSystem system;
    const auto dpi = system.PixelsPerInchX();
    const auto metrics = system.NonClientMetrics();
    const auto version = system.Version();
    ASSERT_TRUE(dpi);
    ASSERT_TRUE(metrics) << "non-client metrics refused at size 340";
    ASSERT_TRUE(version);
    EXPECT_GT(*dpi, 0);
    EXPECT_FALSE(metrics->CaptionFaceName.empty());
    EXPECT_NE(metrics->MenuFontHeight, 0);
    std::wcout << L"dpi " << *dpi << L", caption font " << metrics->CaptionFaceName
               << L", menu font height " << metrics->MenuFontHeight << L", version "
               << version->PlatformId << L" " << version->Major << L"." << version->Minor
               << std::endl;
}

TEST(WinSystem, HelpersUseTheRunningSystem) {
    std::shared_ptr<RegistryApi> registry;
    std::shared_ptr<SystemApi> running;
    mdPub::UseWindowsPlatform(registry, running);
    ASSERT_TRUE(registry);
    const auto metrics = WinSystem().NonClientMetrics();
    ASSERT_TRUE(metrics);
    EXPECT_EQ(mdPub::SystemFontName(running.get()), metrics->CaptionFaceName);
    const int size = mdPub::DefaultFontSize(running.get());
    EXPECT_GE(size, 6);
    EXPECT_LE(size, 20);
    const auto os = mdPub::GetOSVersion(running.get());
    EXPECT_NE(os.Version, L"Failed");
    std::wcout << L"GetOSVersion: \"" << os.Name << L"\" " << os.Version << L", DefaultFontSize "
               << size << std::endl;
}

// Counts the messages it sees, then passes them on.
WNDPROC previous = nullptr;
int seen = 0;
LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 1) {
        ++seen;
    }
    return CallWindowProcW(previous, hwnd, message, wParam, lParam);
}

TEST(FnPtr, InstallsAWindowProcedure) {
    Window window(L"Static", L"Hooked");
    ASSERT_TRUE(window.Get());
    previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window.Get(), GWLP_WNDPROC, mdPub::FnPtr(&CountingProc)));
    SendMessageW(window.Get(), WM_USER + 1, 0, 0);
    EXPECT_EQ(seen, 1);
    SetWindowLongPtrW(window.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

}  // namespace
}  // namespace morvane
