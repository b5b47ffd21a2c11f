#pragma once
// Real host windows for the hook tests: a main window of the host's class with its MDI client,
// project document windows, and a bar window standing in for the tab bar form.

#include <windows.h>

#include <memory>
#include <string>

#include "addin/tabbar/TabBarWindow.h"
#include "support/FakeHost.h"

namespace morvane::test {

class TestBar final : public TabBarWindow {
  public:
    explicit TestBar(HWND parent);
    ~TestBar() override;
    TestBar(const TestBar&) = delete;
    TestBar& operator=(const TestBar&) = delete;

    int updates = 0;
    int colourReads = 0;
    int timerStarts = 0;

    WindowHandle hWnd() const override { return reinterpret_cast<WindowHandle>(window_); }
    bool Visible() const override { return IsWindowVisible(window_) != FALSE; }
    void Hide() override { ShowWindow(window_, SW_HIDE); }
    void UpdateMenu() override { ++updates; }
    void ChangeDeafultColor() override { ++colourReads; }
    void StartTimer() override { ++timerStarts; }
    TabStrip* Strip() override { return nullptr; }
    RECT ScreenRect() const;

  private:
    HWND window_;
};

// A main window 1000 x 700 with its client window at (0, 0), 800 x 600.
class HostWindows {
  public:
    explicit HostWindows(std::shared_ptr<FakeHost> host);
    ~HostWindows();
    HostWindows(const HostWindows&) = delete;
    HostWindows& operator=(const HostWindows&) = delete;

    HWND main = nullptr;
    HWND client = nullptr;

    // A project document window, also known to the host double.
    HWND OpenDocument(const std::wstring& name, bool visible = true);
    void CloseDocument(HWND document);
    // The client window's client area in its parent's coordinates.
    RECT ClientArea() const;
    RECT ClientWindowRect() const;

  private:
    std::shared_ptr<FakeHost> host_;
};

}  // namespace morvane::test
