#include "support/ThreadWindows_win.h"

// After windows.h.
#include <psapi.h>

namespace morvane::test {

namespace {

BOOL CALLBACK AddChild(HWND child, LPARAM into) {
    reinterpret_cast<std::set<HWND>*>(into)->insert(child);
    return TRUE;
}

BOOL CALLBACK AddWithChildren(HWND window, LPARAM into) {
    reinterpret_cast<std::set<HWND>*>(into)->insert(window);
    EnumChildWindows(window, AddChild, into);
    return TRUE;
}

}  // namespace

std::set<HWND> ThreadWindows() {
    std::set<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), AddWithChildren, reinterpret_cast<LPARAM>(&found));
    return found;
}

SIZE_T WorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.WorkingSetSize;
}

}  // namespace morvane::test
