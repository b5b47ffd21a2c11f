#include "addin/tabbar/frmMorvaneWindow_win.h"

#include <cmath>

#include "shared/mdPub.h"

namespace morvane {

namespace {

constexpr const wchar_t* FormClass = L"MorvaneTabBarForm";
constexpr UINT_PTR ExitTimerId = 1;
constexpr UINT ExitTimerInterval = 30;
// WS_CHILD | WS_VISIBLE and the form's own low bits.
constexpr LONG_PTR LoadedStyle = 0x5000004C;

void RegisterFormClass() {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = FormClass;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
}

// Runs an event of the control or the window; nothing may leave a window procedure.
template <typename F>
void Guarded(F&& action) {
    try {
        action();
    } catch (...) {
    }
}

}  // namespace

frmMorvaneWindow::frmMorvaneWindow(TabBarFormParts parts) : parts_(std::move(parts)) {
    RegisterFormClass();
    window_ = CreateWindowExW(WS_EX_TOOLWINDOW, FormClass, L"", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 0,
                              0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window_ || !parts_.settings) {
        return;
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
    if (parts_.newControl) {
        control_ = parts_.newControl(reinterpret_cast<WindowHandle>(window_), *this);
    }
    if (!control_) {
        return;
    }
    TabBarParts rules{*control_,          *control_, windows_,          *parts_.settings,
                      parts_.hostVersion, {},        parts_.commandBars};
    HWND form = window_;
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
    if (!window_) {
        return;
    }
    if (rules_) {
        rules_->Form_Unload();
    }
    mPrevOwner.Restore();
    // The control goes before its window; the rules before the control they use.
    rules_.reset();
    control_.reset();
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

void frmMorvaneWindow::SetParentHwnd(WindowHandle hWnd) {
    mParentHwnd = hWnd;
    if (rules_) {
        rules_->SetParentHwnd(hWnd);
    }
}

WindowHandle frmMorvaneWindow::hWnd() const {
    return reinterpret_cast<WindowHandle>(window_);
}

bool frmMorvaneWindow::Visible() const {
    return window_ && IsWindowVisible(window_) != FALSE;
}

void frmMorvaneWindow::Hide() {
    if (window_) {
        ShowWindow(window_, SW_HIDE);
    }
}

void frmMorvaneWindow::Load() {
    loaded_ = true;
    const HWND parent = reinterpret_cast<HWND>(mParentHwnd);
    mPrevOwner.Set(window_, parent);
    SetParent(window_, parent);
    SetWindowLongPtrW(window_, GWL_STYLE, LoadedStyle);
    if (rules_) {
        // The tab font only where the system names its caption font.
        rules_->Form_Load(mdPub::SystemFontName());
    }
}

void frmMorvaneWindow::UpdateMenu() {
    if (!window_) {
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
    GetClientRect(window_, &area);
    const double px = windows_.TwipsPerPixel();
    rules_->Form_Resize(static_cast<std::int32_t>(std::lround(area.right * px)),
                        static_cast<std::int32_t>(std::lround(area.bottom * px)));
}

LRESULT CALLBACK frmMorvaneWindow::WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<frmMorvaneWindow*>(GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (form && form->rules_) {
        if (uMsg == WM_SIZE) {
            Guarded([form] { form->OnSize(); });
        } else if (uMsg == WM_TIMER && wParam == ExitTimerId) {
            Guarded([form] { form->rules_->Timer_ProExit_Timer(); });
            return 0;
        }
    }
    return DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

void frmMorvaneWindow::SelectionChanged(std::int32_t index) {
    if (rules_) {
        Guarded([&] { rules_->TabProject_SelectionChanged(index); });
    }
}

void frmMorvaneWindow::MouseDown(std::int32_t button, std::int32_t shift, float x, float y) {
    if (rules_) {
        Guarded([&] { rules_->TabProject_MouseDown(button, shift, x, y); });
    }
}

void frmMorvaneWindow::CloseButtonClick(bool& cancel) {
    cancel = true;
    if (rules_) {
        Guarded([&] { rules_->TabProject_CloseButtonClick(cancel); });
    }
}

void frmMorvaneWindow::TabMoved(std::int32_t index, std::int32_t newIndex) {
    if (rules_) {
        Guarded([&] { rules_->TabProject_TabMoved(index, newIndex); });
    }
}

}  // namespace morvane
