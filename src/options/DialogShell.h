#pragma once
// The window around the options model: its message box and its closing. The Win32 dialog
// implements it; the tests record it.

#include <string>

namespace morvane {

class DialogShell {
  public:
    virtual ~DialogShell() = default;
    // The message box over the host's window, without a beep.
    virtual void ShowMessage(const std::wstring& text) = 0;
    // Closes the dialog; saving goes on after it.
    virtual void Close() = 0;
};

}  // namespace morvane
