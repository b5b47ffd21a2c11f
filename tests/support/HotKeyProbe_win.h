#pragma once
// Whether a hot-key combination is free: nobody on this desktop has registered it.

#include <windows.h>

namespace morvane::test {

// Registers the combination on a window of its own for a moment; true when that was allowed.
bool HotKeyFree(UINT modifiers, UINT key);

}  // namespace morvane::test
