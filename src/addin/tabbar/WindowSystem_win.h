#pragma once
// The window system through Win32.

#include "addin/tabbar/WindowSystem.h"

namespace morvane {

class Win32WindowSystem final : public WindowSystem {
  public:
    WindowHandle MdiGetActive(WindowHandle client) override;
    WindowHandle FindByClass(WindowHandle parent, WindowHandle after, const std::wstring& className,
                             const std::optional<std::wstring>& caption) override;
    bool IsWindowVisible(WindowHandle window) override;
    std::wstring WindowText(WindowHandle window) override;
    WindowHandle Parent(WindowHandle window) override;
    WindowHandle FirstChild(WindowHandle window) override;
    WindowHandle NextSibling(WindowHandle window) override;
    bool Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
              std::intptr_t lParam) override;
    std::uint32_t TickCount() override;
    std::uint32_t DoubleClickTime() override;
    double TwipsPerPixel() override;
    ScreenPoint CursorIn(WindowHandle window) override;
};

}  // namespace morvane
