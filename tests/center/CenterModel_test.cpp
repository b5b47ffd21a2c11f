// The settings center's differences from the options dialog, on the shared model.

#include <algorithm>

#include "options/OptionsFixture.h"
#include "shared/AddinKeys.h"
#include "tabctl/Appearance.h"

namespace morvane::test {
namespace {

using tabctl::ColorRole;
using tabctl::ColorStyle;
using Trace = std::vector<std::string>;

class CenterModel : public OptionsFixture {
  protected:
    OptionsModel& OpenCenter(const std::wstring& office = L"14.0") {
        return Open(DialogKind::Center, office, std::nullopt);
    }

    // Every registry write, as "hive:value=number" (names as the registry double keeps them) (hive
    // U for the user, M64 and M32 for the machine's two views) or "hive:value='text'".
    Trace Writes() const {
        Trace out;
        for (const auto& w : registry.writes) {
            const char* hive = w.root == RootKey::CurrentUser      ? "U"
                               : w.root == RootKey::LocalMachine64 ? "M64"
                               : w.root == RootKey::LocalMachine32 ? "M32"
                                                                   : "M";
            const auto& d = w.value.data;
            const std::string value = w.value.type == 4
                                          ? std::to_string(static_cast<std::int32_t>(
                                                d[0] | (d[1] << 8) | (d[2] << 16) |
                                                (static_cast<std::uint32_t>(d[3]) << 24)))
                                          : "'" + std::string(d.begin(), d.end() - 1) + "'";
            out.push_back(std::string(hive) + ":" + w.name + "=" + value);
        }
        return out;
    }

    std::optional<Rejection> SaveCenter() { return model->SaveCenter(live); }
};

TEST_F(CenterModel, AStoredSwitchedOffAddinOpensWithEveryOptionDisabledAndTheNormalPicture) {
    settings.EnabledApp = 1;
    OpenCenter();
    EXPECT_FALSE(C().addin.checked);
    EXPECT_FALSE(C().optionsEnabled);
    EXPECT_FALSE(C().positionPictureGreyed);
    EXPECT_EQ(C().positionPicture, 1);
    EXPECT_FALSE(C().appearancePreview.tabsEnabled);
    EXPECT_FALSE(C().colorPreview.tabsEnabled);
    // The controls still show the stored values.
    EXPECT_TRUE(C().customColors.checked);
    EXPECT_EQ(C().maxWidth.text, L"150");
}

TEST_F(CenterModel, AnAddinSwitchedOnOpensWithEveryControlAsItsSettingDerivesIt) {
    settings.EnabledApp = 0;
    settings.EnableTi = 1;
    OpenCenter();
    EXPECT_TRUE(C().addin.checked);
    EXPECT_TRUE(C().optionsEnabled);
    EXPECT_TRUE(C().barHotKeyEdit.enabled);
    EXPECT_FALSE(C().tabHotKeyEdit.enabled);
    EXPECT_TRUE(C().colorButtonsEnabled);
}

TEST_F(CenterModel, TheOptionsDialogHasNoAddinBox) {
    settings.EnabledApp = 1;
    Open();
    EXPECT_TRUE(C().optionsEnabled);
}

TEST_F(CenterModel, SwitchingOffGreysEverythingButKeepsTheValues) {
    auto& m = OpenCenter();
    m.SelectItem(OptionsList::Position, 3);
    m.SetAddinOn(false);
    EXPECT_FALSE(C().optionsEnabled);
    EXPECT_TRUE(C().positionPictureGreyed);
    EXPECT_EQ(C().positionPicture, 3);
    EXPECT_FALSE(C().appearancePreview.tabsEnabled);
    EXPECT_FALSE(C().colorPreview.tabsEnabled);
    EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::Appearance);
    EXPECT_EQ(C().colorPreview.colorStyle, ColorStyle::Appearance);
    EXPECT_EQ(C().position.index, 3);
    EXPECT_TRUE(C().customColors.checked);
}

TEST_F(CenterModel, SwitchingOnWithCustomColoursShowsThemInBothPreviews) {
    auto& m = OpenCenter();
    m.SetAddinOn(false);
    m.SetAddinOn(true);
    EXPECT_TRUE(C().optionsEnabled);
    EXPECT_FALSE(C().positionPictureGreyed);
    EXPECT_TRUE(C().colorButtonsEnabled);
    EXPECT_TRUE(C().colorPreview.tabsEnabled);
    EXPECT_TRUE(C().appearancePreview.tabsEnabled);
    for (const auto* preview : {&C().colorPreview, &C().appearancePreview}) {
        EXPECT_EQ(preview->colorStyle, ColorStyle::ColorSet);
        EXPECT_FALSE(preview->paintSwitch8);
        EXPECT_EQ(preview->colors.Get(ColorRole::SelectedTab), 0x0000FFu);
        EXPECT_EQ(preview->colors.Get(ColorRole::FaceDark), 0x111111u);
    }
}

TEST_F(CenterModel, SwitchingOnUnderAnAppearanceWithItsOwnColoursKeepsTheCustomBoxDisabled) {
    auto& m = OpenCenter();
    m.SelectItem(OptionsList::Appearance, 4);
    m.SetAddinOn(false);
    m.SetAddinOn(true);
    EXPECT_TRUE(C().customColors.checked);
    EXPECT_FALSE(C().customColors.enabled);
    EXPECT_FALSE(C().colorButtonsEnabled);
    EXPECT_FALSE(C().colorPreview.tabsEnabled);
    EXPECT_TRUE(C().colorPreview.paintSwitch8);
    EXPECT_EQ(C().colorPreview.colorStyle, ColorStyle::Appearance);
    // The appearance preview shows the Office scheme.
    EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::Office);
}

TEST_F(CenterModel, SwitchingOnRederivesEditsAndBringsBackTheLoadedFontSwitches) {
    settings.EnableFontName = 1;
    auto& m = OpenCenter();
    m.SetChecked(OptionsBox::FontName, false);
    m.SetChecked(OptionsBox::FontSize, true);
    m.SetChecked(OptionsBox::TabHotKey, false);
    m.SelectItem(OptionsList::Layout, 2);
    m.SetAddinOn(false);
    m.SetAddinOn(true);
    EXPECT_TRUE(C().fontName.checked);
    EXPECT_TRUE(C().fontNames.enabled);
    EXPECT_FALSE(C().fontSize.checked);
    EXPECT_FALSE(C().fontSizes.enabled);
    EXPECT_TRUE(C().barHotKeyEdit.enabled);
    EXPECT_FALSE(C().tabHotKeyEdit.enabled);
    EXPECT_TRUE(C().fixWidth.enabled);
    EXPECT_FALSE(C().maxWidth.enabled);
}

TEST_F(CenterModel, UncheckingCustomColoursKeepsTheColourPreviewEnabledAndGreysItsTabs) {
    auto& m = OpenCenter();
    m.SetChecked(OptionsBox::CustomColors, false);
    EXPECT_TRUE(C().colorPreview.enabled);
    EXPECT_FALSE(C().colorPreview.tabsEnabled);
    EXPECT_FALSE(C().colorButtonsEnabled);
}

TEST_F(CenterModel, AChosenColourAlsoTurnsTheColourPreviewsSwitchOff) {
    auto& m = OpenCenter();
    m.SelectItem(OptionsList::Appearance, 4);
    m.SelectItem(OptionsList::Appearance, 2);
    auto& switched = const_cast<ColorPreview&>(C().colorPreview);
    switched.paintSwitch8 = true;
    m.ChooseColor(5, 0x123456);
    EXPECT_FALSE(C().colorPreview.paintSwitch8);
    EXPECT_EQ(C().colorPreview.colors.Get(ColorRole::FaceDark), 0x123456u);
}

TEST_F(CenterModel, ACancelledChooserWritesTheAppearancePreviewAgainOnlyHere) {
    for (const auto kind : {DialogKind::Center, DialogKind::Options}) {
        SCOPED_TRACE(kind == DialogKind::Center ? "settings center" : "options dialog");
        auto& m = Open(kind);
        const auto buttons = C().colorButtons;
        // A preview that drifted from the buttons, as a vendor control's may.
        auto& drifted = const_cast<ColorPreview&>(C().appearancePreview);
        drifted.paintSwitch8 = true;
        drifted.SetColor(ColorRole::SelectedTab, 0x010203);
        m.ChooseColor(0, std::nullopt);
        const bool center = kind == DialogKind::Center;
        EXPECT_EQ(C().appearancePreview.paintSwitch8, !center);
        EXPECT_EQ(C().appearancePreview.colors.Get(ColorRole::SelectedTab),
                  center ? buttons[0].color : 0x010203u);
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            EXPECT_EQ(C().colorButtons[i].color, buttons[i].color) << "button " << i;
        }
    }
}

TEST_F(CenterModel, TheColourPreviewOpensWithTheStoredColours) {
    settings.CusColor = 0;
    OpenCenter();
    EXPECT_EQ(C().colorPreview.colorStyle, ColorStyle::ColorSet);
    EXPECT_EQ(C().colorPreview.colors.Get(ColorRole::NormalTab), 0x00FF00u);
    EXPECT_EQ(C().colorPreview.colors.Get(ColorRole::SelectedText), 0x333333u);
}

TEST_F(CenterModel, OfficeVersionDecidesTheColourDefaultsByItsText) {
    registry.Delete(RootKey::CurrentUser, KeyPathOf(Setting::CoText), L"CoText");
    registry.Delete(RootKey::CurrentUser, KeyPathOf(Setting::CoSelect), L"CoSelect");
    // The center reads Office's scheme itself when it loads the buttons.
    registry.PutDword(RootKey::CurrentUser, std::wstring(OfficeThemeKey), L"Theme", 3);
    officeTheme = 1;
    OpenCenter(L"14.0");
    EXPECT_EQ(officeTheme, 3);
    EXPECT_EQ(C().colorButtons[4].color, tabctl::Rgb(21, 66, 139));
    EXPECT_EQ(C().colorButtons[0].color, tabctl::OfficeSchemePreset(3)->selectedTab);

    for (const std::wstring older : {L"12.0", L"11.0"}) {
        OpenCenter(older);
        EXPECT_EQ(C().colorButtons[4].color, 0u) << older.size();
        EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::ColorSet);
    }
}

TEST_F(CenterModel, TheOfficeSchemeNamesAPresetOnlyByItsExactText) {
    const std::wstring key(OfficeThemeKey);
    registry.PutText(RootKey::CurrentUser, key, L"Theme", L"03");
    settings.CusColor = 0;
    // The add-in reads the number 3 and shows the black scheme.
    Open(DialogKind::Options, L"14.0");
    EXPECT_EQ(C().appearancePreview.colors.Get(ColorRole::SelectedTab),
              tabctl::OfficeSchemePreset(3)->selectedTab);
    // The settings center reads "03", which names no scheme: the Office style, its own colours.
    OpenCenter(L"14.0");
    EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::Office);
    EXPECT_EQ(C().appearancePreview.colors,
              tabctl::StyleColors(ColorStyle::Office, C().appearancePreview.appearance));

    registry.PutDword(RootKey::CurrentUser, key, L"Theme", 1);
    OpenCenter(L"14.0");
    EXPECT_EQ(C().appearancePreview.colors.Get(ColorRole::SelectedTab),
              tabctl::OfficeSchemePreset(1)->selectedTab);
}

TEST_F(CenterModel, SwitchedOffOkWritesExactlyTheRegistrationAndTheSwitch) {
    auto& m = OpenCenter();
    m.SetAddinOn(false);
    // Changed controls, even an invalid width, are not saved.
    m.SelectItem(OptionsList::Position, 3);
    m.SetWidthText(WidthEdit::Max, L"5");
    m.SetChecked(OptionsBox::Reorder, false);
    EXPECT_EQ(SaveCenter(), std::nullopt);
    EXPECT_EQ(Writes(), (Trace{"M64:loadbehavior=2", "M32:loadbehavior=2", "U:loadbehavior=2",
                               "U:enabledapp=1"}));
    EXPECT_EQ(trace, (Trace{"ShowMessage", "Close"}));
    EXPECT_EQ(live.messages[0],
              L"Settings have been saved,Please restart your office application!");
}

TEST_F(CenterModel, AHotKeyConflictStopsEvenSwitchingOff) {
    auto& m = OpenCenter();
    m.KeyDown(HotKeyEdit::Bar, 66, 2);
    m.KeyDown(HotKeyEdit::Tab, 66, 2);
    m.SetAddinOn(false);
    const auto rejected = SaveCenter();
    ASSERT_TRUE(rejected);
    // The hot-key edits are disabled with every option: the add-in box takes the focus.
    EXPECT_EQ(rejected->field, OptionsField::AddinBox);
    EXPECT_EQ(rejected->page, OptionsPage::PopularPosition);
    EXPECT_EQ(rejected->messageKey, L"HotKey");
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_TRUE(trace.empty());
}

TEST_F(CenterModel, AnInvalidWidthStopsSavingWhileTheAddinIsOn) {
    auto& m = OpenCenter();
    m.SetWidthText(WidthEdit::Max, L"500");
    const auto rejected = SaveCenter();
    ASSERT_TRUE(rejected);
    EXPECT_EQ(rejected->field, OptionsField::MaxWidthEdit);
    EXPECT_TRUE(registry.writes.empty());
}

TEST_F(CenterModel, OkWritesEveryRowInItsOrderWithTheAddinOn) {
    auto& m = OpenCenter();
    m.KeyDown(HotKeyEdit::Bar, 66, 2);
    m.SetChecked(OptionsBox::TabHotKey, false);
    m.SetChecked(OptionsBox::FontSize, true);
    m.SetListText(OptionsList::FontSizes, L"big");
    m.SetChecked(OptionsBox::FontName, true);
    m.SetListText(OptionsList::FontNames, L"Arial");
    EXPECT_EQ(SaveCenter(), std::nullopt);
    const Trace expected{
        "U:maxwidth=150",
        "M64:loadbehavior=3",
        "M32:loadbehavior=3",
        "U:loadbehavior=3",
        "U:enabledapp=0",
        "U:tblayout=0",
        "U:position=1",
        "U:theme=2",
        "U:doublec=0",
        "U:enableta=0",
        "U:keyname='Ctrl+B'",
        "U:keycode=66",
        "U:modkeycode=2",
        "U:enableti=1",
        "U:enablealt=0",
        "U:onehide=0",
        "U:showall=0",
        "U:exitinfor=0",
        "U:enablecreate=0",
        "U:enablereorder=0",
        "U:enablemiddle=0",
        "U:enablefontsize=1",
        // Not a number: the size loaded at start again.
        "U:tabfontsize='9'",
        "U:enablefontname=1",
        "U:tabfontname='Arial'",
        "U:cuscolor=1",
        "U:coselect=255",
        "U:conormal=65280",
        "U:coback=16711680",
        "U:cobackii=1118481",
        "U:cotext=2236962",
        "U:cotextse=3355443",
    };
    // The colour buttons were read at opening; only the saving's writes count.
    EXPECT_EQ(Writes(), expected);
    EXPECT_EQ(trace, (Trace{"ShowMessage", "Close"}));
}

TEST_F(CenterModel, CustomColoursUnderAnAppearanceWithItsOwnColoursWriteOnlyTheSwitch) {
    auto& m = OpenCenter();
    m.SelectItem(OptionsList::Appearance, 9);
    EXPECT_EQ(SaveCenter(), std::nullopt);
    const auto w = Writes();
    EXPECT_EQ(w.back(), "U:cuscolor=1");
    EXPECT_EQ(std::count(w.begin(), w.end(), "U:theme=9"), 1);
}

}  // namespace
}  // namespace morvane::test
