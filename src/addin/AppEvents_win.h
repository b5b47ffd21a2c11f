#pragma once
// The add-in's connection to Project's application events (_EProjectApp2): a sink on the
// Application's connection point that decodes each event's arguments and hands them to the
// handlers. Connected while the object lives; nothing a handler throws reaches the host.

#include <windows.h>
#include <oaidl.h>

#include "addin/AppEventHandlers.h"
#include "shared/Com_win.h"
#include "shared/EventSink_win.h"

namespace morvane {

class AppEvents {
  public:
    // Connects the sink; nothing is connected when the host offers no such events.
    AppEvents(com::ComPtr<IDispatch> application, AppEventHandlers& handlers);
    // Disconnects; an event the host still delivers afterwards is ignored.
    ~AppEvents();
    AppEvents(const AppEvents&) = delete;
    AppEvents& operator=(const AppEvents&) = delete;

  private:
    class Sink;

    com::ComPtr<Sink> sink_;
    com::SinkConnection connection_;
};

}  // namespace morvane
