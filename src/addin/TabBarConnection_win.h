#pragma once
// The add-in's start and end in a host: what the connection does to bring the tab bar up and to
// take it down again. The add-in's COM class calls these from OnConnection and OnDisconnection
// with the state it owns; tests and the demo may call them with the host's Application object
// and a state of their own.

#include <windows.h>
#include <oaidl.h>

#include <memory>

#include "addin/Backstage.h"
#include "addin/HostDialogs.h"
#include "addin/MenuCommands_win.h"
#include "addin/state/AddinState.h"
#include "addin/tabbar/TabBarHooks_win.h"
#include "shared/Com_win.h"

namespace morvane {

// One connection of the tab bar to a host: its window hooks, the host's events and the menu
// commands, over a state it holds by reference. The add-in's COM class owns one; tests and the
// demo may make their own. Two connections share nothing.
class TabBarConnection {
  public:
    // The state must outlive the connection. Going away, the connection unhooks and lets go of
    // the host's events; the state keeps what it holds.
    explicit TabBarConnection(AddinState& state);
    ~TabBarConnection();
    TabBarConnection(const TabBarConnection&) = delete;
    TabBarConnection& operator=(const TabBarConnection&) = delete;

    // Fills the state: takes the running system's registry and system facts where the state's
    // keeper chose none, keeps the host's Application object, reads its version, sets up the
    // language file, finds the main window, loads the settings, builds the menus on the host's
    // command bars (none when the host has none), hooks the main window and the client window,
    // connects to the host's application events, which ask their questions through the
    // dialogs, and connects the menu commands (`commands` replaces their shell or dialogs).
    // False when the host has no main window of Project's class: nothing is hooked then, and the
    // menus, the host's events and the commands are connected all the same.
    bool Connect(com::ComPtr<IDispatch> application, std::shared_ptr<HostDialogs> dialogs = nullptr,
                 CommandSeams commands = {});

    // Runs a backstage task with the connection's commands; nothing while not connected.
    void RunTask(Backstage::Action task);

    // Disconnects from the host's events, unhooks the client window (the bar goes), then the
    // main window, and lets go of the host's objects. Harmless when not connected.
    void Disconnect();

    // The connection's window hooks: the bar, the hot keys, the client window's frame.
    TabBarHooks& Hooks() { return hooks_; }

  private:
    struct HostEvents;

    void ConnectCommands(CommandSeams seams);
    // Lets go of the commands and the host's events, then unhooks the windows.
    void Unhook();

    AddinState& state_;
    TabBarHooks hooks_;
    std::unique_ptr<HostEvents> hostEvents_;
    std::unique_ptr<MenuCommands> menuCommands_;
};

}  // namespace morvane
