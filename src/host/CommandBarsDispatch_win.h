#pragma once
// The host's command bars over Office's IDispatch: every member called late-bound by name, as
// Office's command bars have no dispatch ids of their own that callers may rely on. A failing
// call gives no value or false; nothing is thrown.

#include <windows.h>
#include <oaidl.h>

#include "host/CommandBars.h"
#include "shared/Com_win.h"

namespace morvane {

class CommandBarsDispatch : public CommandBars {
  public:
    // `commandBars`: the collection the host Application returns for its command bars.
    explicit CommandBarsDispatch(com::ComPtr<IDispatch> commandBars);

    CommandBarControlPtr FindControlByTag(const std::wstring& tag) override;
    CommandBarControlPtr FindControlById(std::int32_t id) override;
    CommandBarPtr Bar(const std::wstring& name) override;
    CommandBarPtr AddPopupBar(const std::wstring& name) override;

  private:
    com::ComPtr<IDispatch> bars_;
};

// One Office command-bar control as the port's control; nullptr for no control.
CommandBarControlPtr MakeCommandBarControl(com::ComPtr<IDispatch> control);

}  // namespace morvane
