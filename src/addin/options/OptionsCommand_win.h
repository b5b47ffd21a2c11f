#pragma once
// The options dialog as the add-in's commands open it: over Project's main window, on settings
// read again from the registry, with OK applied to the running tab bar.

#include "addin/state/AddinState.h"
#include "addin/tabbar/TabBarHooks_win.h"
#include "options/OptionsModel.h"

namespace morvane {

// The options and backstage commands open the first page; the About command opens About. OK
// applies to the bar and the hot keys of the connection's hooks.
void OpenOptionsDialog(AddinState& state, TabBarHooks& hooks,
                       OptionsPage page = OptionsPage::PopularPosition);

}  // namespace morvane
