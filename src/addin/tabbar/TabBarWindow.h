#pragma once
// The tab bar form as the window hooks use it.

#include "addin/tabbar/TabStrip.h"
#include "shared/WindowHandle.h"

namespace morvane {

class TabBarWindow {
  public:
    virtual ~TabBarWindow() = default;
    virtual WindowHandle hWnd() const = 0;
    virtual bool Visible() const = 0;
    virtual void Hide() = 0;
    virtual void UpdateMenu() = 0;
    virtual void ChangeDeafultColor() = 0;
    // Starts the exit timer, which closes the host's file dialog.
    virtual void StartTimer() = 0;
    // The bar's tab control; none when it could not be made.
    virtual TabStrip* Strip() = 0;
};

}  // namespace morvane
