#pragma once
// The host events' questions asked through the add-in's own modal dialogs.

#include <memory>
#include <string>

#include "addin/HostDialogs.h"
#include "addin/dialogs/DialogResults.h"
#include "addin/dialogs/FormDesign.h"
#include "shared/RegistryApi.h"
#include "shared/TabSettings.h"

namespace morvane {

class ModalHostDialogs final : public HostDialogs {
  public:
    // `settings` and `registry` receive the close confirmation's "don't warn me again".
    ModalHostDialogs(dialogs::TextLookup texts, std::shared_ptr<RegistryApi> registry,
                     TabSettings& settings);

    CloseChoice ConfirmClose(WindowHandle owner) override;
    bool WarnLocked(WindowHandle owner, const std::wstring& projectName) override;

  private:
    dialogs::TextLookup texts_;
    std::shared_ptr<RegistryApi> registry_;
    TabSettings& settings_;
    dialogs::DialogResults results_;
};

}  // namespace morvane
