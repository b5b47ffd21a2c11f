#pragma once
// Asks for a project's new file name, without its extension. What makes a name acceptable is
// the caller's business: OK hands back the text as it stands.

#include <optional>
#include <string>

#include "addin/dialogs/DialogResults.h"
#include "addin/dialogs/Form.h"

namespace morvane::dialogs {

class frmRename final : public Form {
  public:
    enum Control : int {
        GroupBox_back = 100,
        FlatEdit_RenameText,
        FlatEdit_NewName,
        PushButton_OK,
        PushButton_Cancel,
    };

    // `prompt` replaces the form's own prompt; `newName` fills the edit box, all selected.
    frmRename(const TextLookup& texts, std::optional<std::wstring> prompt, std::wstring newName,
              DialogResults& results);

    FormDesign Form_Load() override;
    void Click(int id, FormView& view) override;
    void Form_QueryUnload() override;

  private:
    const TextLookup& texts_;
    std::optional<std::wstring> prompt_;
    std::wstring newName_;
    DialogResults& results_;
};

}  // namespace morvane::dialogs
