#pragma once
// The options dialog's form: its three pages and their controls, with each control's language
// key, English text and place in twips. The window binds these controls to the options model.

#include <optional>
#include <string>

#include "addin/dialogs/FormDesign.h"
#include "options/OptionsControlIds.h"
#include "options/OptionsModel.h"

namespace morvane::frmOption {

enum Control : int {
    // Below the pages.
    TabControl1 = 100,
    cmdOK,
    PushButton_Cancel,
    // "Popular && Postion".
    FrameTask,
    Check1,
    CheckBox_ExitInfor,
    CheckBox1,
    CheckBox4,
    CheckBox_Mid,
    CheckBox_Blank,
    CheckBox_Reorder,
    GroupBox3,
    CheckBox_Alt,
    CheckBox5,
    FlatEdit3,
    CheckBox2,
    FlatEdit4,
    FramePosition,
    Label14,
    ComboBox1,
    Picture3,
    // "Appearance && Color".
    FrameTheme,
    Label6,
    ComboBox2,
    Label5,
    TabControl2,
    GroupBox1,
    Label8,
    ComboBox3,
    Label9,
    FlatEdit1,
    Label16_0,
    Label15,
    FlatEdit2,
    Label16_1,
    GroupBox4,
    CheckBox_Font,
    ComboBox_Font,
    CheckBox_FontSize,
    ComboBox_FontSize,
    GroupBox2,
    CheckBox3,
    Label4,
    PushButton_Color0,  // to PushButton_Color0 + 5
    Label7 = PushButton_Color0 + 6,
    TabControl3,
    // "About Morvane".
    Frame1,
    Image2,
    LabelProduct,
    LabelPurpose,
    LabelProvider,
    LabelSite,
    Labelblog,
};

// The form with its English texts, localised through the tags; the window's caption is
// `caption`.
dialogs::FormDesign Layout(const dialogs::TextLookup& texts, const std::wstring& caption);

// The page a control lies on; none for the controls below the pages.
std::optional<OptionsPage> PageOf(int id);

// The check box behind a control id; none for other controls.
std::optional<OptionsBox> BoxOf(int id);

// The lists, edits and boxes the options model drives or names.
inline constexpr OptionsControlIds kModelControls{
    .positionList = ComboBox1,
    .appearanceList = ComboBox2,
    .layoutList = ComboBox3,
    .fontNameList = ComboBox_Font,
    .fontSizeList = ComboBox_FontSize,
    .barHotKeyEdit = FlatEdit3,
    .tabHotKeyEdit = FlatEdit4,
    .maxWidthEdit = FlatEdit1,
    .fixWidthEdit = FlatEdit2,
    .barHotKeyBox = CheckBox5,
    .tabHotKeyBox = CheckBox2,
};

// The language key and English text of the window's caption.
inline constexpr const wchar_t* kCaptionKey = L"KovoOptions";
inline constexpr const wchar_t* kCaptionDefault = L"Morvane Options";

}  // namespace morvane::frmOption
