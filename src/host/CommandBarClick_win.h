#pragma once
// A handler connected to an Office command-bar button's Click event (_CommandBarButtonEvents)
// through the button's connection point.

#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <memory>

#include "host/CommandBars.h"
#include "shared/Com_win.h"

namespace morvane {

// A Click handler as the event arrives: the control clicked as Office passes it (nullptr for
// none) and the flag that stops its built-in command.
using DispatchClickHandler =
    std::function<void(com::ComPtr<IDispatch> clicked, bool& cancelDefault)>;

// nullptr when the button offers no Click event or refuses the connection.
std::unique_ptr<ClickConnection> ConnectClick(IDispatch* button, DispatchClickHandler handler);

}  // namespace morvane
