#pragma once
// The two questions the host's events put to the user, each a modal dialog owned by Project's
// main window: whether to close every project window or only the current one when Project
// closes, and whether to unlock a locked project that is about to be closed or saved.

#include <cstdint>
#include <string>

#include "shared/WindowHandle.h"

namespace morvane {

enum class CloseChoice : std::int32_t {
    Cancel = 0,        // also the answer when the dialog is closed by its close box
    CloseAll = 1,      // close every tab, and with it the host
    CloseCurrent = 2,  // close the selected tab only; the host stays open
};

class HostDialogs {
  public:
    virtual ~HostDialogs() = default;
    // Asks how to close. The dialog itself records the user's "don't warn me again".
    virtual CloseChoice ConfirmClose(WindowHandle owner) = 0;
    // Warns that the named project is locked; true when the user unlocks it.
    virtual bool WarnLocked(WindowHandle owner, const std::wstring& projectName) = 0;
};

}  // namespace morvane
