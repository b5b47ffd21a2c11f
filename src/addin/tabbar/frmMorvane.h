#pragma once
// The tab bar: fills one tab per project window, sets up and colours its tab control, and
// turns clicks, drags and the close button into commands for the host. The bar's own window
// forwards its tab control's events here.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "addin/state/AddinState.h"
#include "addin/tabbar/TabStrip.h"
#include "addin/tabbar/TabStyle.h"
#include "addin/tabbar/WindowSystem.h"

namespace morvane {

// Mouse buttons as the tab control reports them.
inline constexpr std::int32_t LeftButton = 1;
inline constexpr std::int32_t RightButton = 2;
inline constexpr std::int32_t MiddleButton = 4;

// What the bar works with: its tab control, the windows, the add-in's state and its timer.
struct TabBarParts {
    TabStrip& strip;
    TabStyle& style;
    WindowSystem& windows;
    AddinState& state;
    // Switches the exit timer on (every 30 ms) or off.
    std::function<void(bool on)> exitTimer;
};

class frmMorvane {
  public:
    explicit frmMorvane(TabBarParts parts);

    void SetParentHwnd(WindowHandle hWnd) { mParentHwnd = hWnd; }
    WindowHandle ParentHwnd() const { return mParentHwnd; }

    // The tab control's set-up when the bar loads; ends with the first fill. The font is
    // applied only when the system names its caption font.
    void Form_Load(const std::wstring& systemFontName);
    // Keeps the strip's thickness in whole pixels when the bar's size (twips) changes.
    void Form_Resize(std::int32_t formWidth, std::int32_t formHeight);
    void Form_Unload();

    // Rebuilds every tab from ChildHandles, selects the active window's tab and measures
    // TabBarSize. Does nothing while the client window has no active window, nor inside the
    // activation events of a refresh under way.
    void UpdateMenu();
    // The Office colour scheme (hosts above "12.0"), read again at every call.
    void ChangeDeafultColor();
    void ChangCustomColor();
    // Looks for the host's file dialog every 30 ms, for two seconds at most.
    void StartTimer();

    void TabProject_SelectionChanged(std::int32_t index);
    void TabProject_MouseDown(std::int32_t button, std::int32_t shift, float x, float y);
    void TabProject_CloseButtonClick(bool& cancel);
    void TabProject_TabMoved(std::int32_t index, std::int32_t newIndex);
    void Timer_ProExit_Timer();

  private:
    // A host window's caption and its project's full name: what tells apart two windows of one
    // caption.
    using WindowIdentity = std::pair<std::wstring, std::wstring>;

    AddinState& State() const { return parts_.state; }
    const TabSettings& Settings() const { return parts_.state.Settings; }
    // Adds the host's windows to ProjectWindows under the handles their captions find; a
    // window whose caption more than one unrecorded handle bears learns its own by activation.
    // The window active before is active again at the end.
    void ResynchroniseProjectWindows(WindowHandle active);
    // The topmost project window of the caption, below `after` (0: from the top), whose handle
    // ProjectWindows does not hold yet.
    WindowHandle UnrecordedWindow(const std::wstring& caption, WindowHandle after = 0);
    // The topmost unrecorded window of the caption whose visibility is the one given; the
    // topmost unrecorded one when none has it (a hidden host shows no window) or the visibility
    // is not known.
    WindowHandle UnrecordedWindowAsVisible(const std::wstring& caption,
                                           std::optional<bool> visible);
    // The handle the window takes once the host has activated it; 0 when the activation failed
    // or gave a handle of another window.
    WindowHandle HandleByActivating(HostWindow& window, const WindowIdentity& identity);
    // The strip's thickness in whole pixels across the bar.
    std::int32_t MeasuredTabBarSize() const;
    std::optional<WindowHandle> TabWindow(std::int32_t index) const;
    void CloseTab(std::int32_t index);
    void ForgetClick();
    bool InBlindZone(float x, float y) const;
    void LeftDown(std::optional<std::int32_t> tab);
    void ShowTabMenu(std::int32_t tab);
    void ShowBarMenu();
    void FillTab(std::int32_t index, WindowHandle handle);

    TabBarParts parts_;
    WindowHandle mParentHwnd = 0;
    std::uint32_t mDblClickTime = 0;
    std::uint32_t mLastClickTick = 0;
    std::int32_t mLastButton = 0;
    // The window (handle text) of the tab of the last recorded first click, or the blank-bar
    // marker.
    std::wstring mLastClickName;
    // When the exit timer was started (tick count).
    std::uint32_t mExitTimerStart = 0;
    // Set while windows are activated to learn their handles: a refresh the host's activation
    // events ask for meanwhile is left to the one under way.
    bool pairing_ = false;
};

// The click memory's marker for a click on the empty part of the bar.
inline constexpr const wchar_t* BlankBarMarker = L" TabOther";

}  // namespace morvane
