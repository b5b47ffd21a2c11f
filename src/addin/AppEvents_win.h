#pragma once
// The add-in's connection to Project's application events (_EProjectApp2): a sink on the
// Application's connection point that decodes each event's arguments and hands them to the
// handlers. Connected while the object lives; nothing a handler throws reaches the host.

#include <windows.h>
#include <ocidl.h>

#include "addin/AppEventHandlers.h"
#include "shared/Com_win.h"

namespace morvane {

class AppEvents {
  public:
    // Connects the sink; Connected() is false when the host offers no such events.
    AppEvents(com::ComPtr<IDispatch> application, AppEventHandlers& handlers);
    // Disconnects; an event the host still delivers afterwards is ignored.
    ~AppEvents();
    AppEvents(const AppEvents&) = delete;
    AppEvents& operator=(const AppEvents&) = delete;

    bool Connected() const { return cookie_ != 0; }

  private:
    class Sink;

    com::ComPtr<IConnectionPoint> point_;
    com::ComPtr<Sink> sink_;
    DWORD cookie_ = 0;
};

}  // namespace morvane
