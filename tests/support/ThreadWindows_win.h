#pragma once
// What a leak test counts under Wine (where GetGuiResources answers 0): the windows of this
// thread, and the process's working set.

#include <windows.h>

#include <set>

namespace morvane::test {

// Every window of this thread with its children.
std::set<HWND> ThreadWindows();
SIZE_T WorkingSet();

}  // namespace morvane::test
