#pragma once
// The hot keys of the main-window hook: registered while the host's main window is active,
// acted on when they arrive.

#include <cstdint>
#include <functional>
#include <string>

#include "addin/state/AddinState.h"
#include "addin/tabbar/HotKeys.h"
#include "addin/tabbar/TabStrip.h"

namespace morvane {

// RegisterHotKey and UnregisterHotKey on the host's main window.
class HotKeyPort {
  public:
    virtual ~HotKeyPort() = default;
    virtual bool Register(std::int32_t id, std::int32_t modifiers, std::int32_t key) = 0;
    virtual void Unregister(std::int32_t id) = 0;
};

struct MainHookParts {
    HotKeyPort& hotKeys;
    AddinState& state;
    std::function<void()> reframeClient;
    // The ribbon's Invalidate (hosts above "12.0").
    std::function<void()> invalidateRibbon;
    // The bar's tab control; none while there is no bar.
    std::function<TabStrip*()> tabStrip;
};

class MainWindowHotKeys {
  public:
    explicit MainWindowHotKeys(MainHookParts parts);

    // True while the hot keys count as registered.
    bool HotKeysRegistered = false;

    // The hot keys whose switches are on.
    void RegisterEnabledHotKeys();
    void RegisterBarHotKey();
    void RegisterNextTabHotKey();
    void RegisterTabNumberHotKeys();
    void UnregisterBarHotKey();
    void UnregisterNextTabHotKey();
    void UnregisterTabNumberHotKeys();
    void UnregisterAllHotKeys();

    // WM_ACTIVATE's low word: 1 or 2 active, 0 inactive.
    void OnActivate(std::int32_t state);
    // WM_HOTKEY while the main window is the active window; false for an id that is not ours,
    // which then goes to the previous procedure.
    bool OnHotKey(std::uintptr_t id);
    // Shows or hides the bar, writes TabShow and brings the show command's state up to date.
    void ToggleTabShow();

  private:
    void Register(const HotKeyRegistration& key);
    MainHookParts parts_;
};

}  // namespace morvane
