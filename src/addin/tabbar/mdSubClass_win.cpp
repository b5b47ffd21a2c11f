#include "addin/tabbar/mdSubClass_win.h"

#include <windows.h>

#include "shared/WindowHandle_win.h"

#include "addin/tabbar/TabBarRules.h"
#include "addin/tabbar/WindowSystem_win.h"
#include "addin/tabbar/cSubclass_win.h"
#include "addin/tabbar/mdSubClass.h"
#include "shared/mdPub.h"

namespace morvane::mdSubClass {

namespace {

// Makes a client window recompute its frame and repaint.
void Reframe(HWND client) {
    SetWindowPos(client, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
    RedrawWindow(client, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace

// What the hook holds while the client window is hooked, as the owner of its subclass: the
// strip on WM_NCCALCSIZE, the bar's visibility and place on WM_NCCALCSIZE, WM_NCPAINT and
// WM_SIZE, the project windows on WM_PARENTNOTIFY.
class ClientHook::Hooked final : public ISubclass {
  public:
    Hooked(AddinState& state, ClientHookParts parts) : state_(state), parts_(std::move(parts)) {}

    AddinState& state_;
    ClientHookParts parts_;
    ChildWatchers ChildWindows;
    std::unique_ptr<TabBarWindow> bar;
    cSubclass subclass;
    bool firstSizePending = true;

    void Proc(bool bBefore, bool& bHandled, std::intptr_t& lReturn, WindowHandle& hWnd,
              std::uint32_t& uMsg, std::uintptr_t& wParam, std::intptr_t& lParam) override;

  private:
    const TabSettings& Settings() const { return state_.Settings; }
    bool Wanted() const { return BarWanted(VisibleWindowCount(state_), Settings()); }
    void HideBar();
    void Place(std::int32_t extentHorizontal, std::int32_t extentVertical, const RECT& window);
    void OnCalcSize(bool before, bool& handled, std::intptr_t& result, std::uintptr_t wParam,
                    std::intptr_t lParam);
    void OnNcPaint(std::uintptr_t wParam);
    void OnSize(std::uintptr_t wParam, std::intptr_t lParam);
    void OnParentNotify(std::uintptr_t wParam, std::intptr_t lParam);
};

void ClientHook::Hooked::HideBar() {
    if (bar && bar->Visible()) {
        bar->Hide();
    }
}

void ClientHook::Hooked::Place(std::int32_t extentHorizontal, std::int32_t extentVertical,
                               const RECT& window) {
    if (!bar) {
        return;
    }
    const auto position = Settings().Position;
    const ScreenPoint anchor = BarAnchor(position, state_.TabBarSize,
                                         {window.left, window.top, window.right, window.bottom});
    POINT point{anchor.x, anchor.y};
    ScreenToClient(AsHwnd(state_.hMainWnd), &point);
    const Placement place =
        BarPlacement(position, state_.TabBarSize, {point.x, point.y},
                     IsHorizontal(position) ? extentHorizontal : extentVertical);
    // No SWP_NOZORDER: each placement also brings the bar above its siblings.
    SetWindowPos(AsHwnd(bar->hWnd()), HWND_TOP, place.x, place.y, place.cx, place.cy,
                 SWP_SHOWWINDOW);
}

void ClientHook::Hooked::OnCalcSize(bool before, bool& handled, std::intptr_t& result,
                                    std::uintptr_t wParam, std::intptr_t lParam) {
    const bool wanted = Wanted();
    if (!before) {
        if (!wanted) {
            HideBar();
        }
        return;
    }
    if (!wanted || wParam == 0 || lParam == 0) {
        return;
    }
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    if (!params->lppos) {
        return;
    }
    const WINDOWPOS& pos = *params->lppos;
    const Rect area = ClientArea(Settings().Position, state_.TabBarSize, state_.HostVersion.Text,
                                 pos.x, pos.y, pos.cx, pos.cy);
    params->rgrc[0] = RECT{area.left, area.top, area.right, area.bottom};
    params->rgrc[1] = params->rgrc[0];
    handled = true;
    result = WVR_REDRAW;
}

void ClientHook::Hooked::OnNcPaint(std::uintptr_t wParam) {
    if (state_.HostVersion.Number > 12 && wParam == 1 && Settings().CusColor == 0 && bar) {
        bar->ChangeDeafultColor();
    }
    if (!Wanted()) {
        HideBar();
        return;
    }
    RECT window{};
    GetWindowRect(AsHwnd(state_.hMDIClient), &window);
    if (FindWindowExW(AsHwnd(state_.hMainWnd), nullptr, L"Winproj-Preview", nullptr)) {
        if (bar) {
            SetWindowPos(AsHwnd(bar->hWnd()), nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE);
        }
        return;
    }
    if (state_.PlacementPending) {
        state_.PlacementPending = false;
        Place(window.right - window.left, window.bottom - window.top, window);
    }
}

void ClientHook::Hooked::OnSize(std::uintptr_t wParam, std::intptr_t lParam) {
    if (!Wanted()) {
        HideBar();
        return;
    }
    if (wParam == SIZE_MINIMIZED) {
        return;
    }
    RECT window{};
    GetWindowRect(AsHwnd(state_.hMDIClient), &window);
    const auto packed = static_cast<std::int32_t>(lParam);
    Place(mdPub::LoWord(packed), mdPub::HiWord(packed), window);
    if (firstSizePending) {
        SetFocus(AsHwnd(state_.hMainWnd));
        firstSizePending = false;
    }
}

void ClientHook::Hooked::OnParentNotify(std::uintptr_t wParam, std::intptr_t lParam) {
    const auto event = mdPub::LoWord(static_cast<std::int32_t>(wParam));
    const auto child = static_cast<WindowHandle>(lParam);
    if (event == WM_CREATE) {
        AddMDIChild(state_, ChildWindows, child, parts_.newWatcher);
    } else if (event == WM_DESTROY) {
        if (ForgetMDIChild(state_, child, VisibleWindowCount(state_))) {
            if (bar) {
                bar->UpdateMenu();
            }
            Reframe(AsHwnd(state_.hMDIClient));
        }
    }
}

void ClientHook::Hooked::Proc(bool bBefore, bool& bHandled, std::intptr_t& lReturn, WindowHandle&,
                              std::uint32_t& uMsg, std::uintptr_t& wParam, std::intptr_t& lParam) {
    switch (uMsg) {
        case WM_NCCALCSIZE:
            OnCalcSize(bBefore, bHandled, lReturn, wParam, lParam);
            break;
        case WM_NCPAINT:
            OnNcPaint(wParam);
            break;
        case WM_SIZE:
            OnSize(wParam, lParam);
            break;
        case WM_PARENTNOTIFY:
            OnParentNotify(wParam, lParam);
            break;
        default:
            break;
    }
}

ClientHook::ClientHook() = default;

ClientHook::~ClientHook() {
    UnhookMDIClient();
}

TabBarWindow* ClientHook::TabBarForm() const {
    return hooked_ ? hooked_->bar.get() : nullptr;
}

void ClientHook::HookMDIClient(AddinState& state, ClientHookParts parts) {
    // Without a main window the search would run over every top-level window.
    if (hooked_ || state.hMainWnd == 0) {
        return;
    }
    const HWND client = FindWindowExW(AsHwnd(state.hMainWnd), nullptr, L"MDIClient", nullptr);
    if (!client) {
        return;
    }
    state.hMDIClient = reinterpret_cast<WindowHandle>(client);
    if (!parts.newWatcher) {
        parts.newWatcher = [&state, this] {
            return std::make_unique<MDIChildWindow>(
                state, [] { return std::make_unique<cSubclass>(); },
                [this]() -> TabStrip* { return TabBarForm() ? TabBarForm()->Strip() : nullptr; });
        };
    }
    const HWND above = GetWindow(client, GW_HWNDPREV);
    auto created = std::make_unique<Hooked>(state, std::move(parts));
    state.LockedProjects.clear();
    state.ProjectWindows.clear();
    state.ChildHandles.Clear();
    Win32WindowSystem windows;
    EnumMDIChildren(windows, state.hMDIClient, [&](WindowHandle child) {
        AddMDIChild(state, created->ChildWindows, child, created->parts_.newWatcher);
    });
    if (created->parts_.newTabBar) {
        created->bar = created->parts_.newTabBar();
    }
    if (auto* bar = created->bar.get()) {
        bar->UpdateMenu();
        if (bar->Visible()) {
            bar->Hide();
        }
        // Directly above the client window in the z-order.
        SetWindowPos(AsHwnd(bar->hWnd()), above, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED);
    }
    created->subclass.AddMsg(WM_NCCALCSIZE, MsgBefore | MsgAfter);
    created->subclass.AddMsg(WM_NCPAINT, MsgAfter);
    created->subclass.AddMsg(WM_SIZE, MsgAfter);
    created->subclass.AddMsg(WM_PARENTNOTIFY, MsgAfter);
    hooked_ = std::move(created);
    hooked_->subclass.Subclass(state.hMDIClient, hooked_.get());
    Reframe(client);
}

void ClientHook::UnhookMDIClient() {
    if (!hooked_) {
        return;
    }
    AddinState& state = hooked_->state_;
    hooked_->subclass.UnSubclass();
    hooked_->bar.reset();
    // The watchers hold procedures of this library: they go, with the hook, before the library
    // can.
    hooked_.reset();
    state.ProjectWindows.clear();
    state.ChildHandles.Clear();
    Reframe(AsHwnd(state.hMDIClient));
}

void ClientHook::ReframeClient() const {
    if (hooked_) {
        Reframe(AsHwnd(hooked_->state_.hMDIClient));
    }
}

std::size_t ClientHook::WatchedWindowCount() const {
    return hooked_ ? hooked_->ChildWindows.size() : 0;
}

bool ClientHook::Watches(WindowHandle hWnd) const {
    return hooked_ && hooked_->ChildWindows.count(L"#" + HandleText(hWnd)) != 0;
}

}  // namespace morvane::mdSubClass
