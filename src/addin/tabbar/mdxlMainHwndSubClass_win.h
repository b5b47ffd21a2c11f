#pragma once
// The main-window hook: registers the tab bar's hot keys while the host's main window is
// active and acts on them.

#include <functional>
#include <memory>
#include <string>

#include "addin/state/AddinState.h"
#include "addin/tabbar/MainWindowHotKeys.h"
#include "addin/tabbar/TabStrip.h"
#include "shared/WindowHandle.h"

namespace morvane::mdxlMainHwndSubClass {

struct MainWindowHookParts {
    // The client-window hook's ReframeClient.
    std::function<void()> reframeClient;
    std::function<void()> invalidateRibbon;
    // The tab control of the client-window hook's TabBarForm; none while there is no bar.
    std::function<TabStrip*()> tabStrip;
};

// The hook on the host's main window for one connection. Whoever connects owns one; two hooks
// share nothing. Going away, it unhooks.
class MainWindowHook {
  public:
    MainWindowHook();
    ~MainWindowHook();
    MainWindowHook(const MainWindowHook&) = delete;
    MainWindowHook& operator=(const MainWindowHook&) = delete;

    // Hooks the state's main window and registers the enabled hot keys. A second call only
    // counts the hot keys as registered again. The state is held by reference until the hook
    // goes.
    void HookMainWindow(AddinState& state, MainWindowHookParts parts);
    // Unregisters every hot key and gives the window its procedure back; under a procedure
    // another program chained on top, ours stays and passes every message on.
    void UnhookMainWindow();
    // The hot keys while hooked (the options dialog registers them again); none otherwise.
    MainWindowHotKeys* HotKeys() const;

  private:
    class Hooked;
    std::unique_ptr<Hooked> hooked_;
};

}  // namespace morvane::mdxlMainHwndSubClass
