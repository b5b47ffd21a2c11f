#pragma once
// The owner of a form while it is loaded: the tab bar and the dialogs take the host's main window
// as their owner when they load and give the previous owner back when they unload. Only the
// owner changes; the window's instance handle is left alone.

#include <windows.h>

namespace morvane {

class OwnerPair {
  public:
    OwnerPair() = default;
    ~OwnerPair() { Restore(); }
    OwnerPair(const OwnerPair&) = delete;
    OwnerPair& operator=(const OwnerPair&) = delete;

    // Makes `owner` the owner of `window`, keeping the owner it had; nothing for a null owner.
    void Set(HWND window, HWND owner);
    // Gives the window back the owner it had before Set, when it had one.
    void Restore();

  private:
    HWND window_ = nullptr;
    LONG_PTR previous_ = 0;
};

}  // namespace morvane
