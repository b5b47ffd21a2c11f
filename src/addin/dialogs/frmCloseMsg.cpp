#include "addin/dialogs/frmCloseMsg.h"

#include "shared/SettingsSchema.h"
#include "shared/mdReg.h"

namespace morvane::dialogs {

namespace {

constexpr TwipsRect kBack{1290, 0, 5055, 855};

// Switches the question off: in the registry, and in the running add-in even when the write
// fails, so that it stays off until the add-in is next loaded.
void StopAsking(RegistryApi& registry, TabSettings& settings) {
    mdReg::SetRegValue(registry, RootKey::CurrentUser, std::wstring(SettingsKey), L"ExitInfor",
                       mdReg::RegDword, std::int32_t{1});
    settings.ExitInfor = 1;
}

}  // namespace

frmCloseMsg::frmCloseMsg(const TextLookup& texts, RegistryApi& registry, TabSettings& settings,
                         DialogResults& results)
    : texts_(texts), registry_(registry), settings_(settings), results_(results) {}

FormDesign frmCloseMsg::Form_Load() {
    FormDesign form;
    form.icon = FormIcon::Question;
    form.controls = {
        {Image1, ControlKind::Picture, L"", L"", {405, 180, 480, 480}},
        {GroupBox_back, ControlKind::Frame, L"", L"", kBack},
        {FlatEdit_Text, ControlKind::ReadOnlyText, L"ExitInfor",
         L"You will close all tabs (including the Locked Tabs), do you want to continue?\n",
         Inside(kBack, {0, 240, 5025, 615})},
        {CheckBox_CloseMsg,
         ControlKind::CheckBox,
         L"ExitMsg",
         L"Don't warn me when closing all tabs",
         {1320, 810, 4935, 345}},
        {PushButton_CloseAll,
         ControlKind::Button,
         L"ExitCloseAll",
         L"Close &All Tabs",
         {570, 1350, 1815, 375}},
        {PushButton_CloseActive,
         ControlKind::Button,
         L"ExitCloseCurr",
         L"Close Current &Tab",
         {2775, 1350, 1815, 375}},
        {PushButton_Cancel, ControlKind::Button, L"Cancel", L"&Cancel", {4980, 1350, 1275, 375}},
    };
    form.defaultId = PushButton_CloseAll;
    form.cancelId = PushButton_Cancel;
    form.focusId = PushButton_CloseAll;
    ControlSpec& text = *form.Find(FlatEdit_Text);
    text.text = texts_(L"ExitInfor", text.text);
    LocalizeTags(form, texts_);
    return form;
}

void frmCloseMsg::Click(int id, FormView& view) {
    switch (id) {
        case PushButton_CloseAll:
            Choose(CloseAllTabs, view);
            break;
        case PushButton_CloseActive:
            Choose(CloseCurrentTab, view);
            break;
        case PushButton_Cancel:
            results_.CloseChoice = CloseCancel;
            view.Unload();
            break;
        default:
            break;
    }
}

void frmCloseMsg::Form_QueryUnload() {
    results_.CloseChoice = CloseCancel;
}

void frmCloseMsg::Choose(std::int32_t choice, FormView& view) {
    results_.CloseChoice = choice;
    if (view.Checked(CheckBox_CloseMsg)) {
        StopAsking(registry_, settings_);
    }
    view.Unload();
}

}  // namespace morvane::dialogs
