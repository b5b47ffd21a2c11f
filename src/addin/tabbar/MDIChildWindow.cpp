#include "addin/tabbar/MDIChildWindow.h"

#include "addin/state/ScopedFlag.h"
#include "addin/tabbar/WindowMessages.h"

namespace morvane {

MDIChildWindow::MDIChildWindow(AddinState& state, SubclassFactory newSubclass, StripAccess tabStrip)
    : state_(state), newSubclass_(std::move(newSubclass)), tabStrip_(std::move(tabStrip)) {}

MDIChildWindow::~MDIChildWindow() {
    Detach();
}

void MDIChildWindow::Attach(WindowHandle hWnd, GoneCallback gone) {
    Detach();
    gone_ = std::move(gone);
    subclass_ = newSubclass_ ? newSubclass_() : nullptr;
    if (subclass_) {
        subclass_->AddMsg(static_cast<std::int32_t>(wm::NcActivate), MsgAfter);
        subclass_->Subclass(hWnd, this);
    }
    hWnd_ = hWnd;
}

void MDIChildWindow::Detach() {
    gone_ = nullptr;
    if (!subclass_) {
        return;
    }
    subclass_->UnSubclass();
    subclass_.reset();
}

void MDIChildWindow::OnFinalMessage(WindowHandle) {
    // The callback may free this watcher, itself included: it runs from the stack.
    const GoneCallback gone = std::move(gone_);
    gone_ = nullptr;
    if (gone) {
        gone();
    }
}

void MDIChildWindow::Proc(bool, bool&, std::intptr_t&, WindowHandle& hWnd, std::uint32_t& uMsg,
                          std::uintptr_t& wParam, std::intptr_t&) {
    if (uMsg != wm::NcActivate || wParam == 0) {
        return;
    }
    TabStrip* strip = tabStrip_ ? tabStrip_() : nullptr;
    if (!strip) {
        return;
    }
    const std::int32_t count = strip->Count();
    for (std::int32_t i = 0; i < count; ++i) {
        if (HandleFromText(strip->Tag(i)) == hWnd) {
            const ScopedFlag busy(state_.Updating);
            strip->Select(i);
        }
    }
}

}  // namespace morvane
