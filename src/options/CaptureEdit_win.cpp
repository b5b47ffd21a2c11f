#include "options/CaptureEdit_win.h"

#include <commctrl.h>

#include "shared/Trace.h"

namespace morvane {

namespace {

constexpr UINT_PTR kSubclassId = 1;

// WM_KEYF1, which the system posts after F1 goes down and whose default handling sends WM_HELP up
// the window's parents and its owner; the SDK headers do not name it.
constexpr UINT kKeyF1 = 0x004D;

bool KeyHeld(int key) {
    return GetKeyState(key) < 0;
}

// The key event's Shift argument: 1 Shift, 2 Ctrl, 4 Alt.
std::int32_t ShiftState() {
    return (KeyHeld(VK_SHIFT) ? 1 : 0) | (KeyHeld(VK_CONTROL) ? 2 : 0) | (KeyHeld(VK_MENU) ? 4 : 0);
}

}  // namespace

CaptureEdit::CaptureEdit(HWND edit, OptionsModel& model, HotKeyEdit which)
    : edit_(edit), model_(model), which_(which) {
    if (!SetWindowSubclass(edit_, &Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        edit_ = nullptr;
    }
}

CaptureEdit::~CaptureEdit() {
    if (edit_) {
        RemoveWindowSubclass(edit_, &Proc, kSubclassId);
    }
}

LRESULT CALLBACK CaptureEdit::Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR data) {
    auto* self = reinterpret_cast<CaptureEdit*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(edit, &Proc, kSubclassId);
        self->edit_ = nullptr;
        return DefSubclassProc(edit, message, wParam, lParam);
    }
    std::optional<LRESULT> handled;
    Guarded(L"a hot-key edit", [&] { handled = self->Handle(message, wParam, lParam); });
    return handled ? *handled : DefSubclassProc(edit, message, wParam, lParam);
}

std::optional<LRESULT> CaptureEdit::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE: {
            LRESULT code = DefSubclassProc(edit_, message, wParam, lParam);
            // Ctrl+Tab or Alt+Enter is a combination to capture, not a move in the window.
            if (KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU) || KeyHeld(VK_LWIN)) {
                code |= DLGC_WANTALLKEYS;
            }
            return code;
        }
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            KeyDown(wParam);
            return 0;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            // Not passed on: Alt or F10 going up would open the window's menu.
            model_.KeyUp(which_, static_cast<std::int32_t>(wParam));
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_DEADCHAR:
        case WM_SYSDEADCHAR:
            // The edit shows the combination, never what was typed.
            return 0;
        case kKeyF1:
            // F1 is a key to capture here; passed on, it would reach the window's owner, the
            // host's main window, as a request for the host's help.
            return 0;
        default:
            return std::nullopt;
    }
}

void CaptureEdit::KeyDown(WPARAM key) {
    model_.KeyDown(which_, static_cast<std::int32_t>(key), ShiftState());
    DropCharacters();
    const auto& c = model_.Controls();
    const std::wstring& text =
        which_ == HotKeyEdit::Bar ? c.barHotKeyEdit.text : c.tabHotKeyEdit.text;
    SetWindowTextW(edit_, text.c_str());
    // The caret after the last character.
    const auto end = static_cast<WPARAM>(text.size());
    SendMessageW(edit_, EM_SETSEL, end, static_cast<LPARAM>(end));
}

// The character a captured key makes is already in the queue; left there, Alt with a letter
// would press the window's button of that access key (Alt+C: Cancel).
void CaptureEdit::DropCharacters() const {
    MSG character;
    while (PeekMessageW(&character, edit_, WM_CHAR, WM_DEADCHAR, PM_REMOVE | PM_NOYIELD)) {
    }
    while (PeekMessageW(&character, edit_, WM_SYSCHAR, WM_SYSDEADCHAR, PM_REMOVE | PM_NOYIELD)) {
    }
}

}  // namespace morvane
