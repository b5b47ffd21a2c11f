#pragma once
// The host events' questions asked through the add-in's own modal dialogs.

#include <string>

#include "addin/HostDialogs.h"
#include "addin/dialogs/DialogResults.h"
#include "addin/dialogs/FormDesign.h"
#include "shared/TabSettings.h"

namespace morvane {

class ModalHostDialogs final : public HostDialogs {
  public:
    // `settings` receives the close confirmation's "don't warn me again".
    ModalHostDialogs(dialogs::TextLookup texts, TabSettings& settings);

    CloseChoice ConfirmClose(WindowHandle owner) override;
    bool WarnLocked(WindowHandle owner, const std::wstring& projectName) override;

  private:
    dialogs::TextLookup texts_;
    TabSettings& settings_;
    dialogs::DialogResults results_;
};

}  // namespace morvane
