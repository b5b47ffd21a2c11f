#pragma once
// What a leak test counts under Wine (where GetGuiResources answers 0 and GetProcessMemoryInfo
// no private bytes): the windows of this thread, the process's working set, and what its heaps
// hold.

#include <windows.h>

#include <cstddef>
#include <set>

namespace morvane::test {

// Every window of this thread with its children.
std::set<HWND> ThreadWindows();
SIZE_T WorkingSet();

// The blocks in use on every heap of the process, and their bytes.
struct HeapUse {
    std::size_t blocks = 0;
    std::size_t bytes = 0;
};
HeapUse HeapInUse();

}  // namespace morvane::test
