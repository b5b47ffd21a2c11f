#include "addin/HostDialogs_win.h"

#include <utility>

#include "addin/dialogs/Dialogs_win.h"

namespace morvane {

namespace {

HWND AsOwner(WindowHandle owner) {
    return reinterpret_cast<HWND>(owner);
}

}  // namespace

ModalHostDialogs::ModalHostDialogs(dialogs::TextLookup texts, std::shared_ptr<RegistryApi> registry,
                                   TabSettings& settings)
    : texts_(std::move(texts)), registry_(std::move(registry)), settings_(settings) {}

CloseChoice ModalHostDialogs::ConfirmClose(WindowHandle owner) {
    switch (dialogs::ShowCloseMsg(AsOwner(owner), texts_, *registry_, settings_, results_)) {
        case dialogs::CloseAllTabs:
            return CloseChoice::CloseAll;
        case dialogs::CloseCurrentTab:
            return CloseChoice::CloseCurrent;
        default:
            return CloseChoice::Cancel;
    }
}

bool ModalHostDialogs::WarnLocked(WindowHandle owner, const std::wstring& projectName) {
    return dialogs::ShowLock(AsOwner(owner), texts_, 1, projectName, results_);
}

}  // namespace morvane
