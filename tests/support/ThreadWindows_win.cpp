#include "support/ThreadWindows_win.h"

// After windows.h.
#include <psapi.h>

#include <algorithm>
#include <vector>

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

HeapUse HeapInUse() {
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 8);
    const DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    heaps.resize(std::min<std::size_t>(count, heaps.size()));
    HeapUse use;
    for (const HANDLE heap : heaps) {
        if (!HeapLock(heap)) {
            continue;
        }
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) {
                ++use.blocks;
                use.bytes += entry.cbData;
            }
        }
        HeapUnlock(heap);
    }
    return use;
}

}  // namespace morvane::test
