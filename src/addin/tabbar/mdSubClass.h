#pragma once
// The client-window hook's rules: when the bar is shown, the strip the client window gives up
// on each edge, where the bar goes, and the tab order of the project windows.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "addin/state/AddinState.h"
#include "addin/tabbar/MDIChildWindow.h"
#include "addin/tabbar/WindowSystem.h"

namespace morvane::mdSubClass {

struct Rect {
    std::int32_t left, top, right, bottom;
    bool operator==(const Rect&) const = default;
};

// A window's place and size as SetWindowPos takes them.
struct Placement {
    std::int32_t x, y, cx, cy;
    bool operator==(const Placement&) const = default;
};

// The watchers of the project windows (host "11.0"), keyed "#" and the handle's decimal text.
using ChildWatchers = std::map<std::wstring, std::unique_ptr<MDIChildWindow>>;

// The bar is wanted while at least OneHide + 1 windows are visible and TabShow is 0.
bool BarWanted(std::int32_t visibleWindows, const TabSettings& settings);

// The client area the client window keeps of its window rectangle (x, y, cx, cy) with the
// strip of TabBarSize pixels given up on the bar's edge: the full size on top for host
// "14.0", one pixel less on every other edge and host.
Rect ClientArea(BarPosition position, std::int32_t tabBarSize, const std::wstring& hostVersion,
                std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy);

// The bar's anchor in screen coordinates from the client window's window rectangle.
ScreenPoint BarAnchor(BarPosition position, std::int32_t tabBarSize, const Rect& window);

// The bar's placement from its anchor in the main window's client coordinates; extent is the
// client window's width for horizontal bars and its height for vertical ones.
Placement BarPlacement(BarPosition position, std::int32_t tabBarSize, ScreenPoint anchor,
                       std::int32_t extent);

// Records one document window as the last tab; on host "11.0" also watches it until the window
// is destroyed.
void AddMDIChild(AddinState& state, ChildWatchers& ChildWindows, WindowHandle hWnd,
                 const std::function<std::unique_ptr<MDIChildWindow>()>& newWatcher);

// Records every child of the client window, topmost first.
void EnumMDIChildren(WindowSystem& windows, WindowHandle client,
                     const std::function<void(WindowHandle)>& add);

// Forgets a destroyed document window; true when the bar must then be refreshed and the
// client window re-framed (fewer than OneHide + 1 visible windows remain).
bool ForgetMDIChild(AddinState& state, WindowHandle hWnd, std::int32_t visibleWindows);

}  // namespace morvane::mdSubClass
