#pragma once
// The menu commands of one connection: the dispatcher over the Win32 ports, connected to the
// Click event of the button that serves every menu entry, and running the backstage's tasks.

#include <memory>

#include "host/CommandBars.h"
#include "addin/CommandDispatcher.h"
#include "addin/CommandPorts_win.h"
#include "addin/state/AddinState.h"

namespace morvane {

// Ports that take the place of the real shell or dialogs (tests); none: the real ones.
struct CommandSeams {
    std::shared_ptr<CommandShell> shell;
    std::shared_ptr<CommandDialogs> dialogs;
};

class MenuCommands {
  public:
    // Works on the connection's state (which must outlive the commands) and its tab bar.
    MenuCommands(AddinState& state, CommandSeams seams);

    // oBtnPupPro's Click: every menu entry's click reaches the dispatcher. False when the
    // button offers no Click event.
    bool ConnectClicks(CommandBarControl& button);
    // pr_OnAction's task.
    void RunTask(Backstage::Action task) { dispatcher_.OnTask(task); }

  private:
    Win32CommandWindows windows_;
    Win32CommandFiles files_;
    std::shared_ptr<CommandShell> shell_;
    std::shared_ptr<CommandDialogs> dialogs_;
    CommandDispatcher dispatcher_;
    std::unique_ptr<ClickConnection> clicks_;
};

}  // namespace morvane
