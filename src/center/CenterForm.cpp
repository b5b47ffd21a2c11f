#include "center/CenterForm.h"

namespace morvane::center {

namespace {

using dialogs::ControlKind;
using dialogs::TwipsRect;
using P = CenterPage;

constexpr TwipsRect kOptions{120, 600, 7440, 6240};
constexpr TwipsRect kFrameTask{300, 1420, 7080, 2100};
constexpr TwipsRect kGroup3{300, 3600, 7080, 1200};
constexpr TwipsRect kFramePosition{300, 4880, 7080, 1800};
constexpr TwipsRect kGroup1{300, 1080, 7080, 1320};
constexpr TwipsRect kFrameTheme{300, 2480, 3900, 1440};
constexpr TwipsRect kGroup4{4320, 2480, 3060, 1440};
constexpr TwipsRect kGroup2{300, 4000, 7080, 2680};

CenterControl Make(int id, ControlKind kind, std::wstring tag, std::wstring text, TwipsRect place,
                   CenterPage page) {
    return {{id, kind, tag == kInputTag ? L"" : tag, std::move(text), place}, std::move(tag), page};
}

// A check box line of a group: its n-th row.
TwipsRect Row(TwipsRect group, int n, int width = 6700) {
    return {group.left + 180, group.top + 260 + n * 255, width, 255};
}

}  // namespace

std::vector<CenterControl> CenterControls() {
    const std::wstring in = kInputTag;
    const auto pp = P::PopularPosition;
    const auto ac = P::AppearanceColor;
    // The six colour buttons in two rows of three.
    const auto colorButton = [](int n) {
        return TwipsRect{kGroup2.left + 180 + (n % 3) * 2280, kGroup2.top + 900 + (n / 3) * 450,
                         2160, 375};
    };
    return {
        Make(PushButton_Top0, ControlKind::Button, L"", L"Morvane Options", {180, 150, 2400, 375},
             P::None),
        Make(PushButton_Top1, ControlKind::Button, L"", L"About Morvane", {2700, 150, 2400, 375},
             P::None),
        Make(GroupBox_Top, ControlKind::Frame, L"", L"", {120, 30, 7440, 540}, P::None),

        Make(CheckBox_Enbeld, ControlKind::CheckBox, kAddinTag,
             L" Load Morvane when Microsoft Project starts", {300, 1080, 6000, 285}, pp),
        Make(FrameTask, ControlKind::Frame, L"Popular", L"Popular", kFrameTask, pp),
        Make(CheckBox_ExitInfor, ControlKind::CheckBox, L"MsgBox",
             L" Warn me when closing all tabs", Row(kFrameTask, 0), pp),
        Make(CheckBox_onehide, ControlKind::CheckBox, L"One",
             L" Hide Tab bar when only one  window can be seen", Row(kFrameTask, 1), pp),
        Make(Check_allwin, ControlKind::CheckBox, L"Taskbar", L" Show all windows in the Taskbar",
             Row(kFrameTask, 2), pp),
        Make(CheckBox_Mid, ControlKind::CheckBox, L"MiddleClick",
             L" Enable middlebutton click to close tab", Row(kFrameTask, 3), pp),
        Make(CheckBox1, ControlKind::CheckBox, L"DoubleClick",
             L" Enable leftbutton double-click to close tab", Row(kFrameTask, 4), pp),
        Make(CheckBox_Blank, ControlKind::CheckBox, L"BalnkClick",
             L" Enable double-click blank area  to create new project", Row(kFrameTask, 5), pp),
        Make(CheckBox_Reorder, ControlKind::CheckBox, L"Reorder", L" Enable tabs reordering",
             Row(kFrameTask, 6), pp),

        Make(GroupBox3, ControlKind::Frame, L"Shortcut", L"ShortCut", kGroup3, pp),
        Make(CheckBox_Alt, ControlKind::CheckBox, L"AltN", L" Enable Alt+N Shortcut",
             Row(kGroup3, 0), pp),
        Make(CheckBox3, ControlKind::CheckBox, L"SwitchTabBar",
             L" Shortcut to switch Tabs bar indicate", {480, 4170, 3900, 255}, pp),
        Make(FlatEdit4, ControlKind::Edit, in, L"", {4440, 4140, 2760, 300}, pp),
        Make(CheckBox4, ControlKind::CheckBox, L"SwitchTabItem", L" Shortcut to switch labels",
             {480, 4470, 3900, 255}, pp),
        Make(FlatEdit5, ControlKind::Edit, in, L"", {4440, 4440, 2760, 300}, pp),

        Make(FramePosition, ControlKind::Frame, L"Position", L"Position", kFramePosition, pp),
        Make(Label6, ControlKind::Label, L"SetPosition", L"Set Position:", {480, 5180, 2400, 255},
             pp),
        Make(ComboBox2, ControlKind::DropList, in, L"", {480, 5480, 2640, 1800}, pp),
        Make(Picture4, ControlKind::Picture, in, L"", {4200, 5160, 2790, 1125}, pp),

        Make(GroupBox1, ControlKind::Frame, L"Layout", L"Layout", kGroup1, ac),
        Make(Label8_1, ControlKind::Label, L"SetLayout", L"Set Layout:", {480, 1370, 1700, 255},
             ac),
        Make(ComboBox3, ControlKind::DropList, in, L"", {2280, 1330, 2000, 1400}, ac),
        Make(Label1, ControlKind::Label, L"MaxTabWidth", L"Set MaxTabWidth(0 is default):",
             {480, 1740, 3400, 255}, ac),
        Make(FlatEdit3, ControlKind::Edit, in, L"", {3960, 1710, 900, 300}, ac),
        Make(Label3, ControlKind::Label, L"Pixels", L"Pixels", {4960, 1740, 900, 255}, ac),
        Make(Label2, ControlKind::Label, L"FixedTabWidth", L"Set FixedTabWidth(0 is default):",
             {480, 2070, 3400, 255}, ac),
        Make(FlatEdit2, ControlKind::Edit, in, L"", {3960, 2040, 900, 300}, ac),
        Make(Label9, ControlKind::Label, L"Pixels", L"Pixels", {4960, 2070, 900, 255}, ac),

        Make(FrameTheme, ControlKind::Frame, L"Appearance", L"Appearance", kFrameTheme, ac),
        Make(Label4, ControlKind::Label, L"SetAppearance", L"Set Appearance:",
             {480, 2760, 1500, 255}, ac),
        Make(ComboBox1, ControlKind::DropList, in, L"", {1980, 2730, 2040, 2400}, ac),
        Make(Label5, ControlKind::Label, L"Preview", L"Preview:", {480, 3200, 900, 255}, ac),

        Make(GroupBox4, ControlKind::Frame, L"Font", L"Tab font", kGroup4, ac),
        Make(CheckBox_Font, ControlKind::CheckBox, L"FontName", L"Custom Font",
             {4500, 2760, 2700, 255}, ac),
        Make(ComboBox_Font, ControlKind::ComboEdit, in, L"", {4500, 3060, 2700, 2400}, ac),
        Make(CheckBox_FontSize, ControlKind::CheckBox, L"FontSize", L"Custom Font Size",
             {4500, 3480, 1800, 255}, ac),
        Make(ComboBox_FontSize, ControlKind::ComboEdit, in, L"", {6300, 3450, 900, 2400}, ac),

        Make(GroupBox2, ControlKind::Frame, L"Color", L"Color", kGroup2, ac),
        Make(CheckBox_color, ControlKind::CheckBox, L"Custom", L" Enable custom colors",
             Row(kGroup2, 0, 4000), ac),
        Make(Label7, ControlKind::Label, L"SetColors", L"Set Colors:", {480, 4620, 1500, 255}, ac),
        Make(PushButton8, ControlKind::DrawnButton, L"TabSelected", L"TabSelected", colorButton(0),
             ac),
        Make(PushButton5, ControlKind::DrawnButton, L"TabNormal", L"TabNormal", colorButton(1), ac),
        Make(PushButton3, ControlKind::DrawnButton, L"FaceLight", L"FaceLight", colorButton(2), ac),
        Make(PushButton4, ControlKind::DrawnButton, L"SelectedText", L"SelectedText",
             colorButton(3), ac),
        Make(PushButton7, ControlKind::DrawnButton, L"NormalText", L"NormalText", colorButton(4),
             ac),
        Make(PushButton6, ControlKind::DrawnButton, L"FaceDark", L"FaceDark", colorButton(5), ac),
        Make(Label8_0, ControlKind::Label, L"Preview", L"Preview:", {480, 5940, 900, 255}, ac),

        Make(Frame_About, ControlKind::Frame, L"", L"About Morvane 6.00", {300, 1080, 7080, 2400},
             P::About),
        Make(Image_About, ControlKind::Picture, L"", L"", {540, 1440, 720, 720}, P::About),
        Make(LabelProduct, ControlKind::Label, L"", L"Morvane: a tab bar for Microsoft Project",
             {1500, 1440, 5700, 255}, P::About),
        Make(LabelVersion, ControlKind::Label, L"", L"Version 6.5", {1500, 1760, 5700, 255},
             P::About),
        Make(LabelCopyright, ControlKind::Label, L"", L"Copyright (C) Qor", {1500, 2080, 5700, 255},
             P::About),
        Make(Labelblog, ControlKind::Label, L"", L"https://morvane.example.com/",
             {1500, 2640, 5700, 255}, P::About),

        Make(PushButton_Apply, ControlKind::Button, L"", L"&OK", {5040, 6960, 1200, 375}, P::None),
        Make(PushButton_Cancel, ControlKind::Button, L"", L"&Cancel", {6360, 6960, 1200, 375},
             P::None),
    };
}

CenterPlaces CenterPlacesOf() {
    return {kOptions, kOptions, {1260, 3150, 2820, 480}, {1440, 5900, 3000, 480}};
}

dialogs::FormDesign CenterFormDesign(const dialogs::TextLookup& texts) {
    dialogs::FormDesign form;
    form.caption = CenterCaption(texts, false);
    for (auto& control : CenterControls()) {
        form.controls.push_back(std::move(control.spec));
    }
    dialogs::LocalizeTags(form, texts);
    const auto caption = [&](int id, const wchar_t* key, const std::wstring& def) {
        if (auto* control = form.Find(id)) {
            control->text = texts(key, def);
        }
    };
    caption(Frame_About, L"About", L"About Morvane 6.00");
    caption(PushButton_Apply, L"OK", form.Find(PushButton_Apply)->text);
    caption(PushButton_Cancel, L"Cancel", form.Find(PushButton_Cancel)->text);
    caption(PushButton_Top1, L"AboutKovo", L"About Morvane");
    caption(PushButton_Top0, L"KovoOptions", L"Morvane Options");
    form.defaultId = PushButton_Apply;
    form.cancelId = PushButton_Cancel;
    form.focusId = PushButton_Top0;
    return form;
}

std::wstring CenterCaption(const dialogs::TextLookup& texts, bool elevated) {
    return texts(L"Setting", L"Morvane Center") + (elevated ? L"(Admin)" : L"");
}

bool SwitchedByAddinBox(const CenterControl& control) {
    return !control.tag.empty() && control.tag != kAddinTag;
}

}  // namespace morvane::center
