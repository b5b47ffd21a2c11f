#pragma once
// The options dialog without its window: every control's value, enabled state, list items and
// text, the rules that tie them together, the hot-key capture, the colour previews, the checks
// and the saving. The add-in's options dialog and the settings center bind their Win32
// controls to it; the differences between the two are the DialogKind.
//
// Controls by role, with the names they have in the add-in's dialog / the settings center:
//   showAll Check1/-, exitInfor CheckBox_ExitInfor, oneHide CheckBox1, doubleClick CheckBox4,
//   middleClick CheckBox_Mid, blankClick CheckBox_Blank, reorder CheckBox_Reorder,
//   altKeys CheckBox_Alt, barHotKey CheckBox5/CheckBox3 with barHotKeyEdit FlatEdit3/FlatEdit4,
//   tabHotKey CheckBox2/CheckBox4 with tabHotKeyEdit FlatEdit4/FlatEdit5,
//   position ComboBox1/ComboBox2 with positionPicture Picture3/Picture4,
//   appearance ComboBox2/ComboBox1 with appearancePreview TabControl2, layout ComboBox3,
//   maxWidth FlatEdit1/FlatEdit3 (and its labels), fixWidth FlatEdit2 (and its labels),
//   fontName CheckBox_Font with fontNames ComboBox_Font, fontSize CheckBox_FontSize with
//   fontSizes ComboBox_FontSize, customColors CheckBox3/CheckBox_color, colorButtons
//   PushButton_Color(0 to 5) (the settings center's six buttons) with the two captions of the
//   colour group, colorPreview TabControl3.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "options/OptionsPage.h"
#include "options/ColorPreview.h"
#include "options/DialogShell.h"
#include "options/FontSource.h"
#include "options/HotKeyCapture.h"
#include "options/KeyNamer.h"
#include "options/LiveApply.h"
#include "shared/RegistryApi.h"
#include "shared/SettingsSchema.h"
#include "shared/TabSettings.h"

// Windows' commdlg.h makes ChooseColor a name for its ChooseColorW; OptionsModel has a member
// of that name, so a Windows file that includes both sees ours.
#ifdef ChooseColor
#undef ChooseColor
#endif

namespace morvane {

enum class DialogKind {
    Options,  // the add-in's options dialog
    Center,   // the settings center
};

struct DialogContext {
    DialogKind kind = DialogKind::Options;
    // The add-in's host version, or the settings center's Office version ("14.0", "12.0", ...).
    std::wstring version;
};

// A text of the language file by key, with its default.
using TextLookup = std::function<std::wstring(const std::wstring& key, const std::wstring& def)>;

struct CheckBoxState {
    bool checked = false;
    bool enabled = true;
};

struct EditState {
    std::wstring text;
    bool enabled = true;  // the edit's caption and unit labels follow it
};

struct ListState {
    std::vector<std::wstring> items;
    std::int32_t index = -1;  // -1: no item chosen
    std::wstring text;        // the text of a list that can be typed into
    bool enabled = true;
};

struct ColorButtonState {
    tabctl::OleColor color = 0;  // the colour being edited, shown as the button's text colour
};

struct OptionsControls {
    OptionsPage page = OptionsPage::PopularPosition;
    std::array<std::wstring, 3> pageCaptions;

    CheckBoxState showAll, exitInfor, oneHide, doubleClick, middleClick, blankClick, reorder,
        altKeys;
    CheckBoxState barHotKey;
    EditState barHotKeyEdit;
    CheckBoxState tabHotKey;
    EditState tabHotKeyEdit;
    ListState position;
    std::optional<std::int32_t> positionPicture;  // the picture of position 0 to 3

    ListState appearance;
    ColorPreview appearancePreview;
    ListState layout;
    EditState maxWidth;
    EditState fixWidth;
    CheckBoxState fontName;
    ListState fontNames;
    CheckBoxState fontSize;
    ListState fontSizes;
    CheckBoxState customColors;
    std::array<ColorButtonState, 6> colorButtons;
    bool colorButtonsEnabled = true;  // the six buttons and the colour group's two captions
    ColorPreview colorPreview;

    // The settings center's add-in box (checked: the host loads the add-in). While it is
    // unchecked every option control is disabled, whatever its own enabled flag says, and the
    // position picture is the greyed one.
    CheckBoxState addin;
    bool optionsEnabled = true;
    bool positionPictureGreyed = false;
};

// The check boxes, the lists and the hot-key edits, for the change events.
enum class OptionsBox {
    ShowAll,
    ExitInfor,
    OneHide,
    DoubleClick,
    MiddleClick,
    BlankClick,
    Reorder,
    AltKeys,
    BarHotKey,
    TabHotKey,
    FontName,
    FontSize,
    CustomColors,
};
enum class OptionsList { Position, Appearance, Layout, FontNames, FontSizes };
enum class HotKeyEdit { Bar, Tab };
enum class WidthEdit { Max, Fix };

// An input that saving refused: the page to show, the control to focus (an edit with its text
// selected), and the message (language key and its default). Nothing has been written. A
// disabled edit is never focused: the box that keeps it disabled is, the settings center's
// add-in box while the add-in is off, else the hot key's own box.
enum class OptionsField {
    BarHotKeyEdit,
    TabHotKeyEdit,
    MaxWidthEdit,
    FixWidthEdit,
    BarHotKeyBox,
    TabHotKeyBox,
    AddinBox,
};
struct Rejection {
    OptionsPage page;
    OptionsField field;
    std::wstring_view messageKey;
    std::wstring_view messageDefault;
    bool operator==(const Rejection&) const = default;
};

// Which colour-set member of the previews each colour button edits, and its settings value.
struct ColorButtonRole {
    tabctl::ColorRole member;
    Setting value;
};
inline constexpr std::array<ColorButtonRole, 6> kColorButtons{{
    {tabctl::ColorRole::SelectedTab, Setting::CoSelect},   // "TabSelected"
    {tabctl::ColorRole::NormalTab, Setting::CoNormal},     // "TabNormal"
    {tabctl::ColorRole::FaceLight, Setting::CoBack},       // "FaceLight"
    {tabctl::ColorRole::SelectedText, Setting::CoTextSe},  // "SelectedText"
    {tabctl::ColorRole::NormalText, Setting::CoText},      // "NormalText"
    {tabctl::ColorRole::FaceDark, Setting::CoBackii},      // "FaceDark"
}};

// The language section of the options dialog's caption: the texts' own section when it is the
// system's default locale's, else the English one.
std::wstring OptionsCaptionSection(const std::wstring& langSection, std::int32_t systemLocale);

class OptionsModel {
  public:
    // Opens the dialog on settings just loaded from the registry. `officeTheme` is the Office
    // colour scheme as last read; the previews read it again. `hostShowsAll` is the host's
    // taskbar switch, no value when it cannot be read (always none in the settings center).
    OptionsModel(DialogContext context, TabSettings& settings, std::int32_t& officeTheme,
                 RegistryApi& registry, TextLookup texts, const KeyNamer& keys,
                 const FontSource& fonts, std::optional<bool> hostShowsAll);

    const OptionsControls& Controls() const { return controls_; }

    void SelectPage(OptionsPage page) { controls_.page = page; }
    void SetChecked(OptionsBox box, bool checked);
    void SelectItem(OptionsList list, std::int32_t index);
    // Text typed into the font name or size list.
    void SetListText(OptionsList list, const std::wstring& text);
    void SetWidthText(WidthEdit edit, const std::wstring& text);
    // The font-name list is filled with the screen fonts at its first drop-down.
    void DropDownFontNames();

    // Key events of a hot-key edit (Shift: 1 Shift, 2 Ctrl, 4 Alt). The captured key stays in
    // the dialog until it is saved.
    void KeyDown(HotKeyEdit edit, std::int32_t keyCode, std::int32_t shift);
    void KeyUp(HotKeyEdit edit, std::int32_t keyCode);
    const HotKeyInfo& CapturedKey(HotKeyEdit edit) const;

    // The colour chooser closed over button 0 to 5: the colour chosen, none when cancelled.
    void ChooseColor(std::size_t button, std::optional<tabctl::OleColor> color);
    // The colour chooser's sixteen custom colours: a grey ramp at opening, then what the user
    // left in the chooser, offered again at each click while the dialog is open.
    std::array<tabctl::OleColor, 16>& ChooserColors() { return chooserColors_; }

    // The checks of saving; no value when every input is accepted.
    std::optional<Rejection> Check() const;
    // OK: checks, then writes every value to the registry and the settings record and applies
    // them to the running add-in; the dialog is closed on the way. On a rejection nothing is
    // written or applied.
    std::optional<Rejection> Save(LiveApply& live, DialogShell& shell);

    // The settings center's add-in box.
    void SetAddinOn(bool on);
    // The settings center's OK: the hot-key check, then the add-in switched off with its three
    // values alone, or switched on with the width check and every value; the saved message, and
    // the window closed. Nothing reaches a running add-in. On a rejection nothing is written.
    std::optional<Rejection> SaveCenter(DialogShell& shell);

  private:
    // Opening.
    void FillLists();
    void ShowSettings(std::optional<bool> hostShowsAll);
    std::wstring Text(const wchar_t* key, const wchar_t* def) const;

    // Colours.
    void LoadColorButtons();
    void ShowThemePreview();
    void ApplyCustomColors(ColorPreview& preview) const;
    void ShowColorPreviews();
    void ShowStoredColors();
    void ReadOfficeTheme();
    void EnableColorControls(bool enabled);
    void SetCustomColors(bool checked);
    void SelectAppearance(std::int32_t index);
    bool OfficePreview() const;
    bool OfficeTextColors() const;

    // Saving.
    std::optional<Rejection> CheckHotKeys() const;
    // The control to focus for a refused hot key: its edit, or the box that disables it.
    OptionsField FocusableFor(HotKeyEdit edit) const;
    std::optional<Rejection> CheckWidths() const;
    void SaveWidths();
    void WriteInt(Setting id, std::int32_t value);
    void WriteLoadBehavior(bool addinOn);
    void SaveBehaviour(LiveApply& live);
    void SaveCenterBehaviour();
    void SaveFonts();
    void SaveColors(LiveApply& live);
    void SaveHotKey(HotKeyEdit edit, LiveApply& live);
    bool FontsChanged() const;

    HotKeyInfo& Captured(HotKeyEdit edit);
    HotKeyCapture& CaptureOf(HotKeyEdit edit);

    DialogContext context_;
    TabSettings& settings_;
    std::int32_t& officeTheme_;
    RegistryApi& registry_;
    TextLookup texts_;
    const KeyNamer& keys_;
    const FontSource& fonts_;

    // The values whose change needs more than a write, as they were at opening.
    TabSettings opened_;
    // The hot keys as captured; they reach the settings only when saved.
    HotKeyInfo barKey_;
    HotKeyInfo tabKey_;
    HotKeyCapture barCapture_;
    HotKeyCapture tabCapture_;
    bool fontsListed_ = false;
    std::array<tabctl::OleColor, 16> chooserColors_{};
    OptionsControls controls_;
};

}  // namespace morvane
