#pragma once
// In-memory double of the window system: a tree of windows with classes, texts and visibility,
// a log of posted messages, and a clock the test sets.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "addin/tabbar/WindowSystem.h"

namespace morvane::test {

struct FakeWindowInfo {
    WindowHandle parent = 0;
    std::wstring className;
    std::wstring text;
    bool visible = true;
    // Children, topmost first.
    std::vector<WindowHandle> children;
};

struct PostedMessage {
    WindowHandle window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    bool operator==(const PostedMessage&) const = default;
};

class FakeWindowSystem : public WindowSystem {
  public:
    std::map<WindowHandle, FakeWindowInfo> windows;
    // The top-level windows, topmost first.
    std::vector<WindowHandle> topLevel;
    std::map<WindowHandle, WindowHandle> activeChild;
    std::vector<PostedMessage> posted;
    std::uint32_t tick = 1000;
    std::uint32_t doubleClickTime = 500;
    double twipsPerPixel = 15.0;
    ScreenPoint cursor{0, 0};
    WindowHandle cursorWindow = 0;

    // Adds a window as Win32 creates one: a child below its siblings, a top-level window on
    // top of the others.
    WindowHandle Add(WindowHandle parent, const std::wstring& className,
                     const std::wstring& text = L"", bool visible = true);
    // Brings a window to the top of its siblings, as activating an MDI child does.
    void Raise(WindowHandle window);
    void Remove(WindowHandle window);

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
    std::uint32_t TickCount() override { return tick; }
    std::uint32_t DoubleClickTime() override { return doubleClickTime; }
    double TwipsPerPixel() override { return twipsPerPixel; }
    ScreenPoint CursorIn(WindowHandle window) override;

  private:
    const std::vector<WindowHandle>& Siblings(WindowHandle parent) const;
    WindowHandle next_ = 0x1000;
};

}  // namespace morvane::test
