#include "addin/dialogs/frmMessage.h"

namespace morvane::dialogs {

namespace {
constexpr TwipsRect kBack{720, 120, 4755, 975};
}  // namespace

frmMessage::frmMessage(const TextLookup& texts, std::wstring infor)
    : texts_(texts), infor_(std::move(infor)) {}

FormDesign frmMessage::Form_Load() {
    FormDesign form;
    form.icon = FormIcon::Information;
    // Only the button is looked up, by its fixed key; the message is the caller's.
    form.controls = {
        {Image1, ControlKind::Picture, L"", L"", {120, 360, 480, 480}},
        {back, ControlKind::Frame, L"", L"", kBack},
        {FlatEdit_Infor, ControlKind::ReadOnlyText, L"", infor_,
         Inside(kBack, {30, 90, 4695, 855})},
        {PushButton_OK, ControlKind::Button, L"", texts_(L"OK", L"&OK"), {2280, 1081, 1245, 375}},
    };
    form.defaultId = PushButton_OK;
    form.cancelId = PushButton_OK;
    form.focusId = PushButton_OK;
    return form;
}

void frmMessage::Click(int id, FormView& view) {
    if (id == PushButton_OK) {
        view.Unload();
    }
}

}  // namespace morvane::dialogs
