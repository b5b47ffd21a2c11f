#include "standin/FileDialog_win.h"

#include <vector>

#include "standin/DocumentView_win.h"

namespace morvane::standin {

namespace {

constexpr int kNameEdit = 1001;
constexpr wchar_t kViewClass[] = L"DUIViewWndClassName";

struct DialogState {
    FileDialogDone done;
    FileDialogKind kind;
    std::wstring suggested;
};

// The shell view inside the dialog: a white pane listing a few files.
LRESULT CALLBACK ViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        return PaintClient(hwnd, [](HDC dc, const RECT&) {
            SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
            SetBkMode(dc, TRANSPARENT);
            const wchar_t* files[] = {L"Office move.mpp", L"Product launch.mpp", L"Website.mpp"};
            int y = 6;
            for (const wchar_t* file : files) {
                TextOutW(dc, 8, y, file, lstrlenW(file));
                y += 18;
            }
        });
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void RegisterViewClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = ViewProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = kViewClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

// An in-memory dialog template without items: the controls are created at WM_INITDIALOG.
std::vector<WORD> DialogTemplate(const std::wstring& title) {
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* head = reinterpret_cast<DLGTEMPLATE*>(t.data());
    head->style =
        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT | DS_CENTER;
    head->cx = 320;
    head->cy = 190;
    t.push_back(0);  // no menu
    t.push_back(0);  // the system's dialog class
    const auto text = [&t](const std::wstring& s) {
        t.insert(t.end(), s.begin(), s.end());
        t.push_back(0);
    };
    text(title);
    t.push_back(9);  // point size
    text(L"MS Shell Dlg");
    return t;
}

HWND Child(HWND dialog, const wchar_t* cls, const wchar_t* text, DWORD style, RECT r, int id) {
    HWND child = CreateWindowExW(
        cls == std::wstring(L"EDIT") ? WS_EX_CLIENTEDGE : 0, cls, text,
        WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left, r.bottom - r.top, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, SendMessageW(dialog, WM_GETFONT, 0, 0), FALSE);
    return child;
}

void CreateControls(HWND dialog, const DialogState& state) {
    RECT c;
    GetClientRect(dialog, &c);
    const LONG w = c.right, h = c.bottom;
    Child(dialog, kViewClass, L"", WS_BORDER, {10, 10, w - 10, h - 80}, 0);
    Child(dialog, L"STATIC", L"File name:", 0, {10, h - 66, 90, h - 46}, 0);
    Child(dialog, L"EDIT", state.suggested.c_str(), ES_AUTOHSCROLL | WS_TABSTOP,
          {90, h - 70, w - 10, h - 46}, kNameEdit);
    const wchar_t* action = state.kind == FileDialogKind::Save ? L"Save" : L"Open";
    Child(dialog, L"BUTTON", action, BS_DEFPUSHBUTTON | WS_TABSTOP,
          {w - 190, h - 36, w - 105, h - 10}, IDOK);
    Child(dialog, L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP,
          {w - 95, h - 36, w - 10, h - 10}, IDCANCEL);
}

// Ends the dialog: the window goes first, then the caller learns the answer.
void Finish(HWND dialog, const std::optional<std::wstring>& answer) {
    auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    FileDialogDone done = state ? std::move(state->done) : FileDialogDone();
    DestroyWindow(dialog);
    if (done) {
        done(answer);
    }
}

std::wstring EditText(HWND dialog) {
    HWND edit = GetDlgItem(dialog, kNameEdit);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return text;
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        switch (msg) {
            case WM_INITDIALOG:
                SetWindowLongPtrW(dialog, DWLP_USER, lParam);
                CreateControls(dialog, *reinterpret_cast<DialogState*>(lParam));
                return TRUE;
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK) {
                    const std::wstring name = EditText(dialog);
                    if (!name.empty()) {
                        Finish(dialog, name);
                    }
                    return TRUE;
                }
                if (LOWORD(wParam) == IDCANCEL) {
                    Finish(dialog, std::nullopt);
                    return TRUE;
                }
                return FALSE;
            case WM_CLOSE:
                Finish(dialog, std::nullopt);
                return TRUE;
            case WM_NCDESTROY:
                delete reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
                SetWindowLongPtrW(dialog, DWLP_USER, 0);
                return FALSE;
            default:
                return FALSE;
        }
    } catch (...) {
        return FALSE;
    }
}

}  // namespace

HWND ShowFileDialog(HWND owner, FileDialogKind kind, const std::wstring& suggested,
                    FileDialogDone done) {
    RegisterViewClass();
    const auto tmpl = DialogTemplate(kind == FileDialogKind::Save ? L"Save As" : L"Open");
    auto* state = new DialogState{std::move(done), kind, suggested};
    HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(tmpl.data()),
                                             owner, DialogProc, reinterpret_cast<LPARAM>(state));
    if (!dialog) {
        delete state;
    }
    return dialog;
}

void AnswerFileDialog(HWND dialog, const std::wstring& fullName) {
    SetDlgItemTextW(dialog, kNameEdit, fullName.c_str());
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

}  // namespace morvane::standin
