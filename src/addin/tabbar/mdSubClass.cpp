#include "addin/tabbar/mdSubClass.h"

#include "addin/tabbar/TabBarRules.h"

namespace morvane::mdSubClass {

bool BarWanted(std::int32_t visibleWindows, const TabSettings& settings) {
    return visibleWindows >= settings.OneHide + 1 && settings.TabShow == 0;
}

Rect ClientArea(BarPosition position, std::int32_t tabBarSize, const std::wstring& hostVersion,
                std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy) {
    const std::int32_t s = tabBarSize;
    switch (position) {
        case BarAbove:
            return {x, hostVersion == L"14.0" ? y + s : y + s - 1, x + cx, y + cy};
        case BarBelow:
            return {x, y, x + cx, y + cy - (s - 1)};
        case BarLeft:
            return {x + (s - 1), y, x + cx, y + cy};
        default:
            return {x, y, x + cx - (s - 1), y + cy};
    }
}

ScreenPoint BarAnchor(BarPosition position, std::int32_t tabBarSize, const Rect& window) {
    switch (position) {
        case BarAbove:
        case BarLeft:
            return {window.left, window.top};
        case BarBelow:
            return {window.left, window.bottom - tabBarSize};
        default:
            return {window.right - tabBarSize, window.top};
    }
}

Placement BarPlacement(BarPosition position, std::int32_t tabBarSize, ScreenPoint anchor,
                       std::int32_t extent) {
    if (IsHorizontal(position)) {
        return {anchor.x, anchor.y, extent, tabBarSize};
    }
    return {anchor.x + 1, anchor.y + 1, tabBarSize, extent - 1};
}

void AddMDIChild(AddinState& state, ChildWatchers& ChildWindows, WindowHandle hWnd,
                 const std::function<std::unique_ptr<MDIChildWindow>()>& newWatcher) {
    if (!state.ChildHandles.Add(hWnd)) {
        return;
    }
    if (state.HostVersion.Text != L"11.0" || !newWatcher) {
        return;
    }
    auto watcher = newWatcher();
    if (!watcher) {
        return;
    }
    const std::wstring key = L"#" + HandleText(hWnd);
    // Its window destroyed, the watcher leaves the watchers and is freed.
    watcher->Attach(hWnd, [&ChildWindows, key] { ChildWindows.erase(key); });
    // A watcher left by a destroyed window of the same handle gives way to the new one.
    ChildWindows.insert_or_assign(key, std::move(watcher));
}

void EnumMDIChildren(WindowSystem& windows, WindowHandle client,
                     const std::function<void(WindowHandle)>& add) {
    for (WindowHandle child = windows.FirstChild(client); child != 0;
         child = windows.NextSibling(child)) {
        add(child);
    }
}

bool ForgetMDIChild(AddinState& state, WindowHandle hWnd, std::int32_t visibleWindows) {
    const std::wstring key = HandleText(hWnd);
    state.ChildHandles.Remove(key);
    state.ProjectWindows.erase(key);
    return visibleWindows < state.Settings.OneHide + 1;
}

}  // namespace morvane::mdSubClass
