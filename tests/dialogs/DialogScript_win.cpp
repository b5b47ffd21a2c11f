#include "dialogs/DialogScript_win.h"

namespace morvane::dialogs::test {

namespace {

constexpr UINT kTickMs = 40;
// Ticks the dialog may stay open after the last step before the script gives up on it.
constexpr int kPatience = 100;

DialogScript* playing = nullptr;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    wchar_t caption[16] = {};
    GetClassNameW(window, className, 16);
    GetWindowTextW(window, caption, 16);
    if (std::wstring(className) == L"#32770" && std::wstring(caption) == L"Morvane" &&
        IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND ShownDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

DialogScript::DialogScript(std::vector<Step> steps) : steps_(std::move(steps)) {
    playing = this;
    timer_ = SetTimer(nullptr, 0, kTickMs, &Tick);
}

DialogScript::~DialogScript() {
    KillTimer(nullptr, timer_);
    playing = nullptr;
}

void CALLBACK DialogScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (playing) {
        playing->Play();
    }
}

void DialogScript::Play() {
    const HWND dialog = ShownDialog();
    if (!dialog) {
        return;
    }
    if (next_ < steps_.size()) {
        steps_[next_++](dialog);
    } else if (++idleTicks_ > kPatience) {
        stuck_ = true;
        EndDialog(dialog, 0);
    }
}

void PressKey(UINT virtualKey) {
    PostMessageW(GetFocus(), WM_KEYDOWN, virtualKey, 1);
}

void PressAlt(wchar_t letter) {
    // Bit 29: the Alt key is down.
    PostMessageW(GetFocus(), WM_SYSCHAR, letter, (1 << 29) | 1);
}

void Type(const std::wstring& text) {
    for (const wchar_t c : text) {
        PostMessageW(GetFocus(), WM_CHAR, c, 1);
    }
}

void ClickOn(HWND dialog, int id) {
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void ClickCloseBox(HWND dialog) {
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

int FocusedId() {
    return GetDlgCtrlID(GetFocus());
}

}  // namespace morvane::dialogs::test
