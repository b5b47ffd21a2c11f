#pragma once
// The question asked when Project closes with several project windows open: close all tabs,
// only the current one, or nothing; with a check box that stops the question for good.

#include "addin/dialogs/DialogResults.h"
#include "addin/dialogs/Form.h"
#include "shared/RegistryApi.h"
#include "shared/TabSettings.h"

namespace morvane::dialogs {

class frmCloseMsg final : public Form {
  public:
    enum Control : int {
        Image1 = 100,
        GroupBox_back,
        FlatEdit_Text,
        CheckBox_CloseMsg,
        PushButton_CloseAll,
        PushButton_CloseActive,
        PushButton_Cancel,
    };

    // `settings` is the record whose ExitInfor the check box switches off, `registry` where it
    // is stored.
    frmCloseMsg(const TextLookup& texts, RegistryApi& registry, TabSettings& settings,
                DialogResults& results);

    FormDesign Form_Load() override;
    void Click(int id, FormView& view) override;
    void Form_QueryUnload() override;

  private:
    void Choose(std::int32_t choice, FormView& view);

    const TextLookup& texts_;
    RegistryApi& registry_;
    TabSettings& settings_;
    DialogResults& results_;
};

}  // namespace morvane::dialogs
