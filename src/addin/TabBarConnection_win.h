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
    // menus, the host's events and the commands are connected all the same. Not while the last
    // connection is ending (`Ending`): its parts are still in use.
    bool Connect(com::ComPtr<IDispatch> application, std::shared_ptr<HostDialogs> dialogs = nullptr,
                 CommandSeams commands = {});

    // Runs a backstage task with the connection's commands; nothing while not connected.
    void RunTask(Backstage::Action task);

    // Disconnects from the host's events, unhooks the client window (the bar goes), then the
    // main window, and lets go of the host's objects. Harmless when not connected. Called from
    // inside a call into the library (a command's dialog, a host event, a window's message), it
    // marks the state as ending, so that the code running there goes no further, and takes the
    // connection down once the outermost call has returned: until then all it uses lives.
    void Disconnect();
    // Disconnected, but not yet taken down: a call into the library is still on the stack.
    bool Ending() const { return takeDownPending_; }

    // The connection's window hooks: the bar, the hot keys, the client window's frame.
    TabBarHooks& Hooks() { return hooks_; }

  private:
    struct HostEvents;

    void ConnectCommands(CommandSeams seams);
    // Unhooks and lets go of the host's objects.
    void TakeDown();
    // Lets go of the commands and the host's events, then unhooks the windows.
    void Unhook();

    AddinState& state_;
    TabBarHooks hooks_;
    std::unique_ptr<HostEvents> hostEvents_;
    std::unique_ptr<MenuCommands> menuCommands_;
    bool takeDownPending_ = false;
    // Tells a take-down still waiting that the connection itself is gone.
    std::shared_ptr<const bool> life_ = std::make_shared<const bool>(true);
};

}  // namespace morvane
