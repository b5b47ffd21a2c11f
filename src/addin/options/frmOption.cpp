#include "addin/options/frmOption.h"

#include <array>
#include <utility>

#include "shared/WebPages.h"

namespace morvane::frmOption {

namespace {

using dialogs::ControlKind;
using dialogs::ControlSpec;
using dialogs::TwipsRect;

// A list's place: its closed height and its dropped list below.
constexpr int kListHeight = 1800;

// The width of the page strip and of the groups that span a page.
constexpr int kWide = 9240;

constexpr ControlKind Check = ControlKind::CheckBox;
constexpr ControlKind Frame = ControlKind::Frame;
constexpr ControlKind Label = ControlKind::Label;
constexpr ControlKind List = ControlKind::DropList;
constexpr ControlKind Combo = ControlKind::ComboEdit;
constexpr ControlKind Edit = ControlKind::Edit;
constexpr ControlKind Custom = ControlKind::Custom;

// A check-box row of the "Popular" group.
constexpr TwipsRect Row(int top) {
    return {360, top, kWide - 480, 300};
}

// The colour buttons, three to a row.
constexpr TwipsRect ColorButtonPlace(int i) {
    return {1920 + (i % 3) * 2280, 3570 + (i / 3) * 450, 2160, 375};
}

constexpr std::array<std::pair<const wchar_t*, const wchar_t*>, 6> kColorCaptions{{
    {L"TabSelected", L"TabSelected"},
    {L"TabNormal", L"TabNormal"},
    {L"FaceLight", L"FaceLight"},
    {L"SelectedText", L"SelectedText"},
    {L"NormalText", L"NormalText"},
    {L"FaceDark", L"FaceDark"},
}};

// In tab order, page by page; a label comes right before the control it names, so that its
// access key reaches that control.
std::vector<ControlSpec> PopularPosition() {
    return {
        {FrameTask, Frame, L"Popular", L"Popular", {120, 600, kWide, 2640}},
        {Check1, Check, L"Taskbar", L" Show all windows in the taskbar", Row(870)},
        {CheckBox_ExitInfor, Check, L"MsgBox", L" Show message box when closing all tabs",
         Row(1200)},
        {CheckBox1, Check, L"One", L" Hide tabs bar when only one window can be seen", Row(1530)},
        {CheckBox4, Check, L"DoubleClick", L" Enable leftbutton doubleclick to close window",
         Row(1860)},
        {CheckBox_Mid, Check, L"MiddleClick", L" Enable middlebutton click to close window",
         Row(2190)},
        {CheckBox_Blank, Check, L"BalnkClick",
         L" Enable doubleClick blank area of tabs bar to create project", Row(2520)},
        {CheckBox_Reorder, Check, L"Reorder", L" Enable tabs reordering", Row(2850)},
        {GroupBox3, Frame, L"Shortcut", L"Shortcut", {120, 3330, 5040, 2100}},
        {CheckBox_Alt, Check, L"AltN", L" Enable Alt+N Shortcut", {360, 3600, 4440, 300}},
        {CheckBox5,
         Check,
         L"SwitchTabBar",
         L" Shortcuts to switch Tab bar indicate",
         {360, 3930, 4440, 300}},
        {FlatEdit3, Edit, L"", L"", {600, 4260, 4080, 330}},
        {CheckBox2,
         Check,
         L"SwitchTabItem",
         L" Shortcuts to switch labels",
         {360, 4650, 4440, 300}},
        {FlatEdit4, Edit, L"", L"", {600, 4980, 4080, 330}},
        {FramePosition, Frame, L"Position", L"Position", {5280, 3330, 4080, 2100}},
        {Label14, Label, L"SetPosition", L"Set Position:", {5460, 3630, 3720, 240}},
        {ComboBox1, List, L"", L"", {5460, 3900, 3720, kListHeight}},
        // The position picture is 185 by 75 pixels at 96 dots per inch.
        {Picture3, ControlKind::Picture, L"", L"", {5940, 4290, 2775, 1125}},
    };
}

std::vector<ControlSpec> AppearanceColor() {
    std::vector<ControlSpec> controls{
        {FrameTheme, Frame, L"Appearance", L"Appearance", {120, 600, 4680, 1380}},
        {Label6, Label, L"SetAppearance", L"Set Appearance:", {240, 900, 1500, 240}},
        {ComboBox2, List, L"", L"", {1800, 840, 2880, kListHeight}},
        {Label5, Label, L"Preview", L"Preview:", {240, 1320, 1500, 240}},
        {TabControl2, Custom, L"", L"", {1800, 1260, 2880, 600}},
        {GroupBox1, Frame, L"Layout", L"Layout", {4920, 600, 4440, 1380}},
        {Label8, Label, L"SetLayout", L"Set Layout:", {5040, 900, 2760, 240}},
        {ComboBox3, List, L"", L"", {7860, 840, 1380, kListHeight}},
        {Label9, Label, L"MaxTabWidth", L"Set MaxTabWidth(0 is default):", {5040, 1290, 2760, 240}},
        {FlatEdit1, Edit, L"", L"", {7860, 1230, 780, 315}},
        {Label16_0, Label, L"Pixels", L"Pixels", {8700, 1290, 600, 240}},
        {Label15,
         Label,
         L"FixedTabWidth",
         L"Set FixedTabWidth(0 is default):",
         {5040, 1680, 2760, 240}},
        {FlatEdit2, Edit, L"", L"", {7860, 1620, 780, 315}},
        {Label16_1, Label, L"Pixels", L"Pixels", {8700, 1680, 600, 240}},
        {GroupBox4,
         Frame,
         L"Font_Restart",
         L"Tab Font (Restart Project to take effect)",
         {120, 2100, kWide, 720}},
        {CheckBox_Font, Check, L"FontName", L"Custom Font", {360, 2400, 1740, 300}},
        {ComboBox_Font, Combo, L"", L"", {2160, 2370, 2880, kListHeight}},
        {CheckBox_FontSize, Check, L"FontSize", L"Custom Font Size", {5280, 2400, 1920, 300}},
        {ComboBox_FontSize, Combo, L"", L"", {7260, 2370, 1200, kListHeight}},
        {GroupBox2, Frame, L"Color", L"Color", {120, 2940, kWide, 2490}},
        {CheckBox3, Check, L"Custom", L" Enable custom colors", {360, 3210, 4200, 300}},
        {Label4, Label, L"SetColors", L"Set Colors:", {360, 3630, 1500, 240}},
    };
    for (int i = 0; i < 6; ++i) {
        const auto [key, text] = kColorCaptions[static_cast<std::size_t>(i)];
        controls.push_back(
            {PushButton_Color0 + i, ControlKind::DrawnButton, key, text, ColorButtonPlace(i)});
    }
    controls.push_back({Label7, Label, L"Preview", L"Preview:", {360, 4560, 1500, 240}});
    controls.push_back({TabControl3, Custom, L"", L"", {1920, 4500, 3360, 600}});
    return controls;
}

std::vector<ControlSpec> About() {
    return {
        {Frame1, Frame, L"About", L"About Morvane v6.50", {120, 600, kWide, 4830}},
        {Image2, ControlKind::Picture, L"", L"", {480, 1050, 960, 960}},
        {LabelProduct, Label, L"", L"Morvane 6.50", {1800, 1050, 6000, 270}},
        {LabelPurpose,
         Label,
         L"",
         L"One tab for each project window of Microsoft Project.",
         {1800, 1410, 6240, 270}},
        {LabelProvider, Label, L"", L"Provided by the Morvane team.", {1800, 1770, 6240, 270}},
        {LabelSite, Label, L"", L"Web site:", {1800, 2250, 1080, 270}},
        {Labelblog, ControlKind::DrawnButton, L"", std::wstring(HomePage), {2880, 2220, 4800, 330}},
    };
}

}  // namespace

dialogs::FormDesign Layout(const dialogs::TextLookup& texts, const std::wstring& caption) {
    dialogs::FormDesign form;
    form.caption = caption;
    form.controls.push_back({TabControl1, Custom, L"", L"", {120, 120, kWide, 420}});
    for (auto page : {PopularPosition(), AppearanceColor(), About()}) {
        form.controls.insert(form.controls.end(), page.begin(), page.end());
    }
    form.controls.push_back({cmdOK, ControlKind::Button, L"OK", L"&OK", {6600, 5610, 1275, 375}});
    form.controls.push_back(
        {PushButton_Cancel, ControlKind::Button, L"Cancel", L"&Cancel", {8040, 5610, 1320, 375}});
    dialogs::LocalizeTags(form, texts);
    form.defaultId = cmdOK;
    form.cancelId = PushButton_Cancel;
    form.focusId = TabControl1;
    return form;
}

std::optional<OptionsPage> PageOf(int id) {
    if (id >= FrameTask && id < FrameTheme) {
        return OptionsPage::PopularPosition;
    }
    if (id >= FrameTheme && id < Frame1) {
        return OptionsPage::AppearanceColor;
    }
    if (id >= Frame1 && id <= Labelblog) {
        return OptionsPage::About;
    }
    return std::nullopt;
}

std::optional<OptionsBox> BoxOf(int id) {
    switch (id) {
        case Check1:
            return OptionsBox::ShowAll;
        case CheckBox_ExitInfor:
            return OptionsBox::ExitInfor;
        case CheckBox1:
            return OptionsBox::OneHide;
        case CheckBox4:
            return OptionsBox::DoubleClick;
        case CheckBox_Mid:
            return OptionsBox::MiddleClick;
        case CheckBox_Blank:
            return OptionsBox::BlankClick;
        case CheckBox_Reorder:
            return OptionsBox::Reorder;
        case CheckBox_Alt:
            return OptionsBox::AltKeys;
        case CheckBox5:
            return OptionsBox::BarHotKey;
        case CheckBox2:
            return OptionsBox::TabHotKey;
        case CheckBox_Font:
            return OptionsBox::FontName;
        case CheckBox_FontSize:
            return OptionsBox::FontSize;
        case CheckBox3:
            return OptionsBox::CustomColors;
        default:
            return std::nullopt;
    }
}

}  // namespace morvane::frmOption
