#pragma once
// A message with an OK button; closing it any way is the same as OK. It has no answer.

#include <string>

#include "addin/dialogs/Form.h"

namespace morvane::dialogs {

class frmMessage final : public Form {
  public:
    enum Control : int {
        Image1 = 100,
        back,
        FlatEdit_Infor,
        PushButton_OK,
    };

    frmMessage(const TextLookup& texts, std::wstring infor);

    FormDesign Form_Load() override;
    void Click(int id, FormView& view) override;
    void Form_QueryUnload() override {}

  private:
    const TextLookup& texts_;
    std::wstring infor_;
};

}  // namespace morvane::dialogs
