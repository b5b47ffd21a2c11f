#include "addin/dialogs/ModalDialog_win.h"

#include <array>
#include <vector>

#include "addin/ActivationContext_win.h"
#include "addin/dialogs/DialogIcons_win.h"
#include "shared/GdiObject_win.h"
#include "shared/Trace.h"

namespace morvane::dialogs {

namespace {

using morvane::GdiFont;

// EndDialog's answers: the form closed, or it could not load (a failed dialog box gives -1).
constexpr INT_PTR kClosed = 1;
constexpr INT_PTR kNotLoaded = 0;

// The dialogs use only the system's window classes and no resources, so the process's own
// module serves as their instance, in the add-in as in a program.
HINSTANCE ProcessModule() {
    return GetModuleHandleW(nullptr);
}

// The system's message font, as message boxes use it, at the screen's resolution.
GdiFont MessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        return GdiFont();
    }
    return GdiFont(CreateFontIndirectW(&metrics.lfMessageFont));
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
};

ControlClass ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Picture:
            return {L"STATIC", SS_OWNERDRAW};
        case ControlKind::Frame:
            return {L"BUTTON", BS_GROUPBOX};
        case ControlKind::ReadOnlyText:
            return {L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL};
        case ControlKind::Edit:
            return {L"EDIT", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL};
        case ControlKind::CheckBox:
            return {L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX};
        case ControlKind::Label:
            return {L"STATIC", SS_NOTIFY};
        case ControlKind::DropList:
            return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST};
        case ControlKind::ComboEdit:
            return {L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL};
        case ControlKind::DrawnButton:
            return {L"BUTTON", WS_TABSTOP | BS_OWNERDRAW};
        case ControlKind::Button:
        case ControlKind::Custom:
            break;
    }
    return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON};
}

PixelRect AsPixelRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// A modal dialog box showing one form.
class ModalDialog final : public FormView {
  public:
    explicit ModalDialog(Form& form) : form_(form), windowForm_(dynamic_cast<WindowForm*>(&form)) {}

    bool Show(HWND owner) {
        // An empty template: the controls are made at load, in pixels.
        alignas(DWORD) std::array<WORD, 12> dialogTemplate{};
        // Visible from the start: shown as soon as it has loaded, not once the queue is idle.
        const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
        dialogTemplate[0] = LOWORD(style);
        dialogTemplate[1] = HIWORD(style);
        // Inside the host, the dialog's controls come from the add-in's own manifest.
        const ActivationScope scope;
        const INT_PTR result = DialogBoxIndirectParamW(
            ProcessModule(), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()), owner,
            &DialogProc, reinterpret_cast<LPARAM>(this));
        if (result == -1) {
            TraceFailure(L"DialogBoxIndirectParamW", HRESULT_FROM_WIN32(GetLastError()));
        }
        return result == kClosed;
    }

    bool Checked(int id) const override { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

    std::wstring Text(int id) const override {
        const HWND control = GetDlgItem(window_, id);
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    void Unload() override { EndDialog(window_, kClosed); }

  private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        try {
            if (message == WM_INITDIALOG) {
                auto* self = reinterpret_cast<ModalDialog*>(lParam);
                SetWindowLongPtrW(window, DWLP_USER, lParam);
                self->window_ = window;
                self->Load();
                if (self->windowForm_) {
                    self->windowForm_->Loaded(window);
                }
                return FALSE;  // Load gave the focus
            }
            auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
            if (!self) {
                return FALSE;
            }
            INT_PTR result = FALSE;
            if (self->windowForm_ &&
                self->windowForm_->Message(window, message, wParam, lParam, result)) {
                return result;
            }
            return self->Handle(message, wParam, lParam);
        } catch (...) {
            // Nothing leaves a window procedure; a form that failed to load closes.
            TraceException(L"a dialog's procedure");
            if (message == WM_INITDIALOG) {
                EndDialog(window, kNotLoaded);
            }
            return FALSE;
        }
    }

    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_COMMAND:
                if (HIWORD(wParam) == BN_CLICKED) {
                    // Esc comes as IDCANCEL, which no control of a form bears.
                    const int id = LOWORD(wParam) == IDCANCEL ? spec_.cancelId : LOWORD(wParam);
                    form_.Click(id, *this);
                    return TRUE;
                }
                return FALSE;
            case WM_CLOSE:
                form_.Form_QueryUnload();
                EndDialog(window_, kClosed);
                return TRUE;
            case WM_DRAWITEM: {
                const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                DrawFormIcon(item->hDC, item->rcItem, spec_.icon);
                return TRUE;
            }
            default:
                return FALSE;
        }
    }

    void Load() {
        spec_ = form_.Form_Load();
        SetWindowTextW(window_, spec_.caption.c_str());
        font_ = MessageFont();
        const HDC screen = GetDC(nullptr);
        dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
        dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        // Frames last, so that they lie behind what they frame and out of the tab order.
        for (const bool frames : {false, true}) {
            for (const ControlSpec& control : spec_.controls) {
                if ((control.kind == ControlKind::Frame) == frames) {
                    MakeControl(control);
                }
            }
        }
        Place();
        SendMessageW(window_, DM_SETDEFID, static_cast<WPARAM>(spec_.defaultId), 0);
        if (const HWND focus = GetDlgItem(window_, spec_.focusId)) {
            // As the dialog manager moves the focus: an edit box's text is selected, a button
            // becomes the default while it has the focus.
            SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
        }
    }

    void MakeControl(const ControlSpec& control) {
        if (control.deferred) {
            return;
        }
        const HWND made = MakeDialogControl(window_, control, font_.Get(), dpiX_, dpiY_);
        if (made && control.kind == ControlKind::ReadOnlyText) {
            ShowScrollBarWhenLong(made);
        }
    }

    // A text taller than its box gets a scroll bar rather than losing its end.
    void ShowScrollBarWhenLong(HWND edit) const {
        RECT format{};
        SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const int lines = static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0));
        const HDC dc = GetDC(edit);
        TEXTMETRICW metrics{};
        {
            const ScopedSelect select(dc, font_ ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
            GetTextMetricsW(dc, &metrics);
        }
        ReleaseDC(edit, dc);
        if (lines * metrics.tmHeight > format.bottom - format.top) {
            ShowScrollBar(edit, SB_VERT, TRUE);
        }
    }

    // Sizes the window around the controls and centres it over its owner.
    void Place() {
        const PixelRect client = ToPixels(ClientPlace(spec_), dpiX_, dpiY_);
        RECT frame{0, 0, client.Width(), client.Height()};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        const HWND owner = GetWindow(window_, GW_OWNER);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        GetMonitorInfoW(MonitorFromWindow(owner ? owner : window_, MONITOR_DEFAULTTONEAREST),
                        &monitor);
        RECT over = monitor.rcWork;
        if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
            GetWindowRect(owner, &over);
        }
        const PixelRect place =
            CenterOver(AsPixelRect(over), width, height, AsPixelRect(monitor.rcWork));
        SetWindowPos(window_, nullptr, place.left, place.top, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    Form& form_;
    WindowForm* windowForm_;
    FormDesign spec_;
    HWND window_ = nullptr;
    GdiFont font_;
    int dpiX_ = 96;
    int dpiY_ = 96;
};

}  // namespace

HWND MakeDialogControl(HWND dialog, const ControlSpec& control, HFONT font, int dpiX, int dpiY) {
    if (control.kind == ControlKind::Custom) {
        return nullptr;
    }
    const ControlClass type = ClassOf(control.kind);
    const PixelRect place = ToPixels(control.place, dpiX, dpiY);
    const bool edit =
        control.kind == ControlKind::ReadOnlyText || control.kind == ControlKind::Edit;
    const std::wstring text = edit ? EditText(control.text) : control.text;
    const HWND made = CreateWindowExW(
        0, type.name, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | type.style,
        place.left, place.top, place.Width(), place.Height(), dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), ProcessModule(), nullptr);
    if (made && font) {
        SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return made;
}

bool ShowModal(Form& form, HWND owner) {
    ModalDialog dialog(form);
    return dialog.Show(owner);
}

}  // namespace morvane::dialogs
