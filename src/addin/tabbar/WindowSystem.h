#pragma once
// The window system as the tab bar and its hooks use it. The real one is Win32; tests use a
// double with a clock they set.

#include <cstdint>
#include <optional>
#include <string>

#include "shared/WindowHandle.h"

namespace morvane {

struct ScreenPoint {
    std::int32_t x, y;
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // WM_MDIGETACTIVE sent to a client window: its active child, 0 when none.
    virtual WindowHandle MdiGetActive(WindowHandle client) = 0;
    // FindWindowEx: the next window of the class after `after` (0: the first); with a caption
    // only a window of that text. parent 0 searches the top-level windows.
    virtual WindowHandle FindByClass(WindowHandle parent, WindowHandle after,
                                     const std::wstring& className,
                                     const std::optional<std::wstring>& caption) = 0;
    virtual bool IsWindowVisible(WindowHandle window) = 0;
    // The window's own text; empty when there is none or the window is gone.
    virtual std::wstring WindowText(WindowHandle window) = 0;
    virtual WindowHandle Parent(WindowHandle window) = 0;
    // The first child (topmost) and the next window below one in the z-order; 0 at the end.
    virtual WindowHandle FirstChild(WindowHandle window) = 0;
    virtual WindowHandle NextSibling(WindowHandle window) = 0;
    virtual bool Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                      std::intptr_t lParam) = 0;

    // The clock of the double-click test, in milliseconds.
    virtual std::uint32_t TickCount() = 0;
    virtual std::uint32_t DoubleClickTime() = 0;
    // 1440 divided by the screen's logical pixels per inch.
    virtual double TwipsPerPixel() = 0;
    // The cursor in the client pixels of a window.
    virtual ScreenPoint CursorIn(WindowHandle window) = 0;
};

}  // namespace morvane
