#pragma once
// Watches one project window on host "11.0": when the host activates it, its tab is selected
// without a second activation. Once the window is destroyed, the watcher says so through the
// callback it was attached with, which may free the watcher.

#include <functional>
#include <memory>

#include "addin/state/AddinState.h"
#include "addin/tabbar/ISubclass.h"
#include "addin/tabbar/TabStrip.h"

namespace morvane {

class MDIChildWindow final : public ISubclass {
  public:
    using SubclassFactory = std::function<std::unique_ptr<WindowSubclass>()>;
    using StripAccess = std::function<TabStrip*()>;
    using GoneCallback = std::function<void()>;

    MDIChildWindow(AddinState& state, SubclassFactory newSubclass, StripAccess tabStrip);
    ~MDIChildWindow();
    MDIChildWindow(const MDIChildWindow&) = delete;
    MDIChildWindow& operator=(const MDIChildWindow&) = delete;

    WindowHandle hWnd() const { return hWnd_; }
    // Watches the window; `gone` is called once the window has been destroyed and its last
    // message has returned.
    void Attach(WindowHandle hWnd, GoneCallback gone = nullptr);
    void Detach();

    void Proc(bool bBefore, bool& bHandled, std::intptr_t& lReturn, WindowHandle& hWnd,
              std::uint32_t& uMsg, std::uintptr_t& wParam, std::intptr_t& lParam) override;
    void OnFinalMessage(WindowHandle hWnd) override;

  private:
    AddinState& state_;
    SubclassFactory newSubclass_;
    StripAccess tabStrip_;
    std::unique_ptr<WindowSubclass> subclass_;
    GoneCallback gone_;
    WindowHandle hWnd_ = 0;
};

}  // namespace morvane
