#pragma once
// A window handle as the portable code holds it: pointer-sized, signed like the host's own
// handle numbers, so its decimal text is the key the collections use.

#include <cstdint>
#include <optional>
#include <string>

namespace morvane {

using WindowHandle = std::intptr_t;

// The handle's decimal text, the key of ChildHandles, ProjectWindows and a tab's tag.
std::wstring HandleText(WindowHandle handle);

// The handle a tab's tag names; no value when the text is no whole decimal number.
std::optional<WindowHandle> HandleFromText(const std::wstring& text);

}  // namespace morvane
