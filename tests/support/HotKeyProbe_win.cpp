#include "support/HotKeyProbe_win.h"

namespace morvane::test {

bool HotKeyFree(UINT modifiers, UINT key) {
    const HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    const bool free = RegisterHotKey(probe, 999, modifiers, key) != FALSE;
    if (free) {
        UnregisterHotKey(probe, 999);
    }
    DestroyWindow(probe);
    return free;
}

}  // namespace morvane::test
