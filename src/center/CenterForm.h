#pragma once
// The settings center's window as a form: every control with its id, kind, tag, default text,
// place in twips and the page it lies on. The Win32 window (frmQorCenter_win) builds itself
// from this; the add-in box switches controls by their tag.

#include <string>
#include <vector>

#include "addin/dialogs/FormDesign.h"
#include "options/OptionsControlIds.h"

namespace morvane::center {

// The pages of the two page controls: the options pages (0 and 1) of TabControl_Dorrik(0),
// the about page of TabControl_Dorrik(1). Controls outside the pages are on none.
enum class CenterPage { None, PopularPosition, AppearanceColor, About };

enum CenterId : int {
    // Outside the pages.
    GroupBox_Top = 200,
    PushButton_Top0,
    PushButton_Top1,
    PushButton_Apply,
    PushButton_Cancel,
    // "Popular && Postion".
    CheckBox_Enbeld,
    FrameTask,
    CheckBox_ExitInfor,
    CheckBox_onehide,
    Check_allwin,
    CheckBox_Mid,
    CheckBox1,
    CheckBox_Blank,
    CheckBox_Reorder,
    GroupBox3,
    CheckBox_Alt,
    CheckBox3,
    FlatEdit4,
    CheckBox4,
    FlatEdit5,
    FramePosition,
    Label6,
    ComboBox2,
    Picture4,
    // "Appearance && Color".
    GroupBox1,
    Label8_1,
    ComboBox3,
    Label1,
    FlatEdit3,
    Label3,
    Label2,
    FlatEdit2,
    Label9,
    FrameTheme,
    Label4,
    ComboBox1,
    Label5,
    GroupBox4,
    CheckBox_Font,
    ComboBox_Font,
    CheckBox_FontSize,
    ComboBox_FontSize,
    GroupBox2,
    CheckBox_color,
    Label7,
    PushButton8,
    PushButton5,
    PushButton3,
    PushButton4,
    PushButton7,
    PushButton6,
    Label8_0,
    // The about page.
    Frame_About,
    Image_About,
    LabelProduct,
    LabelVersion,
    LabelCopyright,
    Labelblog,
    // The tab controls, made by the window itself (CenterPlaces).
    TabControl_Dorrik0,
    TabControl_Dorrik1,
    TabControl2,
    TabControl3,
};

// The lists, edits and boxes the options model drives or names.
inline constexpr OptionsControlIds kModelControls{
    .positionList = ComboBox2,
    .appearanceList = ComboBox1,
    .layoutList = ComboBox3,
    .fontNameList = ComboBox_Font,
    .fontSizeList = ComboBox_FontSize,
    .barHotKeyEdit = FlatEdit4,
    .tabHotKeyEdit = FlatEdit5,
    .maxWidthEdit = FlatEdit3,
    .fixWidthEdit = FlatEdit2,
    .barHotKeyBox = CheckBox3,
    .tabHotKeyBox = CheckBox4,
    .addinBox = CheckBox_Enbeld,
};

// The tag that marks an input control without a caption of its own.
inline constexpr wchar_t kInputTag[] = L"Project";
// The add-in box's tag: switching the add-in off leaves it usable.
inline constexpr wchar_t kAddinTag[] = L"Enable";

struct CenterControl {
    dialogs::ControlSpec spec;
    std::wstring tag;  // the add-in box's switching tag ("Project" for input controls)
    CenterPage page = CenterPage::None;
};

// Every control in tab order, with design texts (not looked up yet).
std::vector<CenterControl> CenterControls();

// The places of the controls that are not standard windows: the two page controls and the
// two previews.
struct CenterPlaces {
    dialogs::TwipsRect options;            // TabControl_Dorrik(0)
    dialogs::TwipsRect about;              // TabControl_Dorrik(1)
    dialogs::TwipsRect appearancePreview;  // TabControl2
    dialogs::TwipsRect colorPreview;       // TabControl3
};
CenterPlaces CenterPlacesOf();

// The form with every captioned control's text looked up by its tag, and the captions of
// LocalizeCaptions. Input controls keep no text: the model fills them.
dialogs::FormDesign CenterFormDesign(const dialogs::TextLookup& texts);

// The window's caption: the looked-up "Setting" text, with "(Admin)" in the elevated build.
std::wstring CenterCaption(const dialogs::TextLookup& texts, bool elevated);

// True for a control that the add-in box switches off: a tag other than the box's own.
bool SwitchedByAddinBox(const CenterControl& control);

}  // namespace morvane::center
