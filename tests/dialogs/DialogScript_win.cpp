#include "dialogs/DialogScript_win.h"

#include <algorithm>

namespace morvane::dialogs::test {

namespace {

constexpr UINT kTickMs = 40;
// Ticks the dialog may stay open after the last step before the script gives up on it.
constexpr int kPatience = 100;

DialogScript* playing = nullptr;

// A dialog under a nested one (a message, the colour chooser) is disabled while that is up.
BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring(className) == L"#32770" && IsWindowVisible(window) &&
        IsWindowEnabled(window)) {
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

std::vector<DialogScript::Step> Join(std::initializer_list<std::vector<DialogScript::Step>> parts) {
    std::vector<DialogScript::Step> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

void HoldKeys(std::initializer_list<BYTE> keys) {
    BYTE state[256] = {};
    for (const BYTE key : keys) {
        state[key] = 0x80;
    }
    SetKeyboardState(state);
}

std::vector<DialogScript::Step> PressWithHeld(std::initializer_list<BYTE> held, BYTE key) {
    const bool alt = std::find(held.begin(), held.end(), VK_MENU) != held.end();
    const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    const UINT up = alt ? WM_SYSKEYUP : WM_KEYUP;
    // Bit 29: the Alt key is down; bits 30 and 31: a key going up.
    const LPARAM context = alt ? (1 << 29) | 1 : 1;
    const LPARAM release = context | (3 << 30);
    const std::vector<BYTE> modifiers(held);
    return {
        [=](HWND) {
            HoldKeys(held);
            for (const BYTE modifier : modifiers) {
                PostMessageW(GetFocus(), down, modifier, context);
            }
            PostMessageW(GetFocus(), down, key, context);
        },
        [=](HWND) {
            HoldKeys({});
            PostMessageW(GetFocus(), up, key, release);
            for (const BYTE modifier : modifiers) {
                PostMessageW(GetFocus(), up, modifier, release);
            }
        },
    };
}

}  // namespace morvane::dialogs::test
