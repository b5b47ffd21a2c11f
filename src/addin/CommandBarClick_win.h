#pragma once
// A handler connected to an Office command-bar button's Click event (_CommandBarButtonEvents)
// through the button's connection point.

#include <windows.h>
#include <oaidl.h>

#include <memory>

#include "addin/CommandBars.h"

namespace morvane {

// nullptr when the button offers no Click event or refuses the connection.
std::unique_ptr<ClickConnection> ConnectClick(IDispatch* button, ClickHandler handler);

}  // namespace morvane
