#pragma once
// The client-window hook: makes the host's client window give up the bar's strip, places,
// shows and hides the bar over it, and follows the project windows as they come and go.

#include <functional>
#include <memory>
#include <string>

#include "addin/state/AddinState.h"
#include "addin/tabbar/MDIChildWindow.h"
#include "addin/tabbar/TabBarWindow.h"
#include "shared/WindowHandle.h"

namespace morvane::mdSubClass {

struct ClientHookParts {
    // Creates the tab bar form, given its owner, before anything loads it.
    std::function<std::unique_ptr<TabBarWindow>()> newTabBar;
    // A watcher for one project window (host "11.0"); by default one that subclasses the
    // window and selects its tab in TabBarForm.
    std::function<std::unique_ptr<MDIChildWindow>()> newWatcher;
};

// The hook on the host's client window for one connection. Whoever connects owns one; two hooks
// share nothing. Going away, it unhooks.
class ClientHook {
  public:
    ClientHook();
    ~ClientHook();
    ClientHook(const ClientHook&) = delete;
    ClientHook& operator=(const ClientHook&) = delete;

    // Hooks the "MDIClient" child of the state's main window; does nothing when there is none
    // or when this hook is already in place. The state is held by reference until the hook
    // goes.
    void HookMDIClient(AddinState& state, ClientHookParts parts);
    // Gives the strip back, unloads the bar and forgets the project windows. A procedure
    // another program chained on top keeps working: ours stays below it and passes every
    // message on.
    void UnhookMDIClient();
    // Makes the client window recompute its frame and repaint.
    void ReframeClient() const;
    // The tab bar form while hooked.
    TabBarWindow* TabBarForm() const;
    // The project windows watched while hooked (host "11.0"), and whether one is.
    std::size_t WatchedWindowCount() const;
    bool Watches(WindowHandle hWnd) const;

  private:
    class Hooked;
    std::unique_ptr<Hooked> hooked_;
};

}  // namespace morvane::mdSubClass
