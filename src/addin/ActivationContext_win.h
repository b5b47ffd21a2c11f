#pragma once
// The add-in library's own manifest (resource 2, Common Controls 6) made the active activation
// context for the life of a scope, so that windows and dialogs created inside it get the
// library's controls rather than the host's. Outside a library with that manifest it does
// nothing.

#include <windows.h>

namespace morvane {

class ActivationScope {
  public:
    ActivationScope();
    ActivationScope(const ActivationScope&) = delete;
    ActivationScope& operator=(const ActivationScope&) = delete;
    ~ActivationScope();

    bool Active() const { return cookie_ != 0; }

  private:
    ULONG_PTR cookie_ = 0;
};

}  // namespace morvane
