#include "addin/tabbar/frmMorvaneWindow_win.h"

#include <cmath>

#include "shared/Trace.h"
#include "shared/WindowHandle_win.h"
#include "shared/mdPub.h"

namespace morvane {

namespace {

constexpr const wchar_t* FormClass = L"MorvaneTabBarForm";
constexpr UINT_PTR ExitTimerId = 1;
constexpr UINT ExitTimerInterval = 30;
// WS_CHILD | WS_VISIBLE and the form's own low bits.
constexpr LONG_PTR LoadedStyle = 0x5000004C;

}  // namespace

frmMorvaneWindow::frmMorvaneWindow(AddinState& state, TabBarFormParts parts)
    : state_(state), parts_(std::move(parts)) {
    if (!Create(FormClass, WS_EX_TOOLWINDOW, WS_POPUP | WS_CLIPCHILDREN, nullptr)) {
        return;
    }
    if (parts_.newControl) {
        control_ = parts_.newControl(AsHandle(Hwnd()), *this);
    }
    if (!control_) {
        return;
    }
    TabBarParts rules{*control_, *control_, windows_, state_, {}};
    HWND form = Hwnd();
    rules.exitTimer = [form](bool on) {
        if (on) {
            SetTimer(form, ExitTimerId, ExitTimerInterval, nullptr);
        } else {
            KillTimer(form, ExitTimerId);
        }
    };
    rules_ = std::make_unique<frmMorvane>(std::move(rules));
}

frmMorvaneWindow::~frmMorvaneWindow() {
    const HWND window = Hwnd();
    if (!window) {
        return;
    }
    if (rules_) {
        rules_->Form_Unload();
    }
    mPrevOwner.Restore();
    // The control goes before its window; the rules before the control they use.
    rules_.reset();
    control_.reset();
    Destroy();
}

void frmMorvaneWindow::SetParentHwnd(WindowHandle hWnd) {
    mParentHwnd = hWnd;
    if (rules_) {
        rules_->SetParentHwnd(hWnd);
    }
}

WindowHandle frmMorvaneWindow::hWnd() const {
    return AsHandle(Hwnd());
}

bool frmMorvaneWindow::Visible() const {
    return Hwnd() && IsWindowVisible(Hwnd()) != FALSE;
}

void frmMorvaneWindow::Hide() {
    if (Hwnd()) {
        ShowWindow(Hwnd(), SW_HIDE);
    }
}

void frmMorvaneWindow::Load() {
    loaded_ = true;
    const HWND window = Hwnd();
    const HWND parent = reinterpret_cast<HWND>(mParentHwnd);
    mPrevOwner.Set(window, parent);
    SetParent(window, parent);
    SetWindowLongPtrW(window, GWL_STYLE, LoadedStyle);
    if (rules_) {
        // The tab font only where the system names its caption font.
        rules_->Form_Load(mdPub::SystemFontName(state_.System.get()));
    }
}

void frmMorvaneWindow::UpdateMenu() {
    if (!Hwnd()) {
        return;
    }
    if (!loaded_) {
        Load();
    }
    if (rules_) {
        rules_->UpdateMenu();
    }
}

void frmMorvaneWindow::ChangeDeafultColor() {
    if (rules_) {
        rules_->ChangeDeafultColor();
    }
}

void frmMorvaneWindow::ChangCustomColor() {
    if (rules_) {
        rules_->ChangCustomColor();
    }
}

void frmMorvaneWindow::StartTimer() {
    if (rules_) {
        rules_->StartTimer();
    }
}

void frmMorvaneWindow::OnSize() {
    if (!rules_) {
        return;
    }
    RECT area{};
    GetClientRect(Hwnd(), &area);
    const double px = windows_.TwipsPerPixel();
    rules_->Form_Resize(static_cast<std::int32_t>(std::lround(area.right * px)),
                        static_cast<std::int32_t>(std::lround(area.bottom * px)));
}

LRESULT frmMorvaneWindow::OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (rules_) {
        if (uMsg == WM_SIZE) {
            OnSize();
        } else if (uMsg == WM_TIMER && wParam == ExitTimerId) {
            rules_->Timer_ProExit_Timer();
            return 0;
        }
    }
    return Window::OnMessage(uMsg, wParam, lParam);
}

void frmMorvaneWindow::SelectionChanged(std::int32_t index) {
    if (rules_) {
        Guarded(L"TabProject_SelectionChanged",
                [&] { rules_->TabProject_SelectionChanged(index); });
    }
}

void frmMorvaneWindow::MouseDown(std::int32_t button, std::int32_t shift, float x, float y) {
    if (rules_) {
        Guarded(L"TabProject_MouseDown",
                [&] { rules_->TabProject_MouseDown(button, shift, x, y); });
    }
}

void frmMorvaneWindow::CloseButtonClick(bool& cancel) {
    cancel = true;
    if (rules_) {
        Guarded(L"TabProject_CloseButtonClick",
                [&] { rules_->TabProject_CloseButtonClick(cancel); });
    }
}

void frmMorvaneWindow::TabMoved(std::int32_t index, std::int32_t newIndex) {
    if (rules_) {
        Guarded(L"TabProject_TabMoved", [&] { rules_->TabProject_TabMoved(index, newIndex); });
    }
}

}  // namespace morvane
