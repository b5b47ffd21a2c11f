#include "addin/dialogs/frmRename.h"

namespace morvane::dialogs {

namespace {
constexpr TwipsRect kBack{60, 0, 4755, 1335};
}  // namespace

frmRename::frmRename(const TextLookup& texts, std::optional<std::wstring> prompt,
                     std::wstring newName, DialogResults& results)
    : texts_(texts), prompt_(std::move(prompt)), newName_(std::move(newName)), results_(results) {}

FormDesign frmRename::Form_Load() {
    FormDesign form;
    form.controls = {
        {GroupBox_back, ControlKind::Frame, L"", L"", kBack},
        {FlatEdit_RenameText, ControlKind::ReadOnlyText, L"",
         prompt_.value_or(L"Please enter a file name (no extensions)"),
         Inside(kBack, {120, 150, 4605, 1155})},
        {FlatEdit_NewName, ControlKind::Edit, L"", newName_, {180, 1350, 5625, 345}},
        {PushButton_OK, ControlKind::Button, L"OK", L"&OK", {4860, 150, 975, 345}},
        {PushButton_Cancel, ControlKind::Button, L"Cancel", L"&Cancel", {4860, 540, 975, 345}},
    };
    form.defaultId = PushButton_OK;
    form.cancelId = PushButton_Cancel;
    form.focusId = FlatEdit_NewName;
    LocalizeTags(form, texts_);
    return form;
}

void frmRename::Click(int id, FormView& view) {
    switch (id) {
        case PushButton_OK:
            results_.NewFileName = view.Text(FlatEdit_NewName);
            view.Unload();
            break;
        case PushButton_Cancel:
            results_.NewFileName.clear();
            view.Unload();
            break;
        default:
            break;
    }
}

void frmRename::Form_QueryUnload() {
    results_.NewFileName.clear();
}

}  // namespace morvane::dialogs
