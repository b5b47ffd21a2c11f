#include "shared/OwnerPair_win.h"

namespace morvane {

void OwnerPair::Set(HWND window, HWND owner) {
    if (!window || !owner) {
        return;
    }
    window_ = window;
    previous_ = SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

void OwnerPair::Restore() {
    if (window_ && previous_ != 0 && IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_HWNDPARENT, previous_);
    }
    window_ = nullptr;
    previous_ = 0;
}

}  // namespace morvane
