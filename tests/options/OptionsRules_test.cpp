#include "options/OptionsFixture.h"
#include "tabctl/Appearance.h"

namespace morvane::test {
namespace {

using tabctl::ColorRole;
using tabctl::ColorStyle;

using OptionsRules = OptionsFixture;

TEST_F(OptionsRules, EachBoxEnablesWhatItGoverns) {
    auto& m = Open();
    m.SetChecked(OptionsBox::BarHotKey, false);
    EXPECT_FALSE(C().barHotKeyEdit.enabled);
    m.SetChecked(OptionsBox::TabHotKey, false);
    EXPECT_FALSE(C().tabHotKeyEdit.enabled);
    m.SetChecked(OptionsBox::FontName, true);
    EXPECT_TRUE(C().fontNames.enabled);
    m.SetChecked(OptionsBox::FontSize, true);
    EXPECT_TRUE(C().fontSizes.enabled);
    m.SetChecked(OptionsBox::BarHotKey, true);
    EXPECT_TRUE(C().barHotKeyEdit.enabled);
    m.SetChecked(OptionsBox::FontName, false);
    EXPECT_FALSE(C().fontNames.enabled);
    EXPECT_TRUE(C().fontName.enabled);
}

TEST_F(OptionsRules, TheLayoutChoosesTheWidthThatApplies) {
    auto& m = Open();
    for (const std::int32_t layout : {2, 0, 2, 1}) {
        m.SelectItem(OptionsList::Layout, layout);
        EXPECT_EQ(C().layout.index, layout);
        EXPECT_EQ(C().fixWidth.enabled, layout == 2);
        EXPECT_EQ(C().maxWidth.enabled, layout != 2);
    }
}

TEST_F(OptionsRules, ThePositionPictureFollowsTheList) {
    auto& m = Open();
    m.SelectItem(OptionsList::Position, 3);
    EXPECT_EQ(C().position.index, 3);
    EXPECT_EQ(C().positionPicture, 3);
}

TEST_F(OptionsRules, AppearancesFourNineAndTenTakeTheCustomColoursAway) {
    for (const bool custom : {true, false}) {
        settings.CusColor = custom ? 1 : 0;
        auto& m = Open();
        for (std::int32_t i = 0; i <= 10; ++i) {
            m.SelectItem(OptionsList::Appearance, i);
            SCOPED_TRACE(testing::Message() << "custom " << custom << " appearance " << i);
            const bool own = i == 4 || i == 9 || i == 10;
            const std::int32_t value = i < 8 ? i : i + 1;
            EXPECT_EQ(C().appearancePreview.appearance, value);
            EXPECT_EQ(C().colorPreview.appearance, value);
            // The box keeps its check; only its enabled state follows the appearance.
            EXPECT_EQ(C().customColors.checked, custom);
            EXPECT_EQ(C().customColors.enabled, !own);
            EXPECT_EQ(C().colorButtonsEnabled, custom && !own);
            EXPECT_EQ(C().colorPreview.tabsEnabled, custom && !own);
            EXPECT_TRUE(C().colorPreview.enabled);  // only the box switches the control
            if (custom && !own) {
                EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::ColorSet);
                EXPECT_EQ(C().colorPreview.colorStyle, ColorStyle::ColorSet);
                EXPECT_EQ(C().colorPreview.colors.Get(ColorRole::NormalTab), 0x00FF00U);
                EXPECT_EQ(C().appearancePreview.colors.Get(ColorRole::NormalTab), 0x00FF00U);
            } else {
                EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::Office);
                EXPECT_EQ(C().colorPreview.colorStyle, ColorStyle::Appearance);
            }
        }
    }
}

TEST_F(OptionsRules, TheCustomColourBoxSwitchesTheColourControls) {
    for (const auto kind : {DialogKind::Options, DialogKind::Center}) {
        settings.CusColor = 1;
        auto& m = Open(kind);
        m.SetChecked(OptionsBox::CustomColors, false);
        EXPECT_FALSE(C().colorButtonsEnabled);
        EXPECT_FALSE(C().colorPreview.tabsEnabled);
        // The settings center greys only the preview's tabs.
        EXPECT_EQ(C().colorPreview.enabled, kind == DialogKind::Center);
        EXPECT_EQ(C().colorPreview.colorStyle, ColorStyle::Appearance);
        EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::Office);

        m.SetChecked(OptionsBox::CustomColors, true);
        EXPECT_TRUE(C().colorButtonsEnabled);
        EXPECT_TRUE(C().colorPreview.tabsEnabled);
        EXPECT_TRUE(C().colorPreview.enabled);
        EXPECT_EQ(C().colorPreview.colorStyle, ColorStyle::ColorSet);
        EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::ColorSet);
        EXPECT_EQ(C().appearancePreview.colors.Get(ColorRole::FaceLight), 0xFF0000U);
    }
}

TEST_F(OptionsRules, ChoosingAnotherAppearanceRestoresTheCustomColours) {
    auto& m = Open();
    m.SelectItem(OptionsList::Appearance, 9);
    m.SelectItem(OptionsList::Appearance, 3);
    EXPECT_TRUE(C().customColors.enabled);
    EXPECT_TRUE(C().colorButtonsEnabled);
    EXPECT_EQ(C().appearancePreview.colors.Get(ColorRole::SelectedTab), 0x0000FFU);
    EXPECT_EQ(C().colorPreview.colors.Get(ColorRole::SelectedTab), 0x0000FFU);
}

TEST_F(OptionsRules, AChosenColourGoesToItsButtonAndBothPreviews) {
    auto& m = Open();
    m.ChooseColor(5, 0x445566);  // "FaceDark"
    EXPECT_EQ(C().colorButtons[5].color, 0x445566U);
    EXPECT_EQ(C().colorPreview.colors.Get(ColorRole::FaceDark), 0x445566U);
    EXPECT_EQ(C().appearancePreview.colors.Get(ColorRole::FaceDark), 0x445566U);
    EXPECT_EQ(C().appearancePreview.colors.Get(ColorRole::SelectedTab), 0x0000FFU);
    EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::ColorSet);
    EXPECT_EQ(settings.CoBackii, 0x111111);  // only saving stores it

    m.ChooseColor(6, 0x010101);  // no such button
    EXPECT_EQ(C().colorButtons[0].color, 0x0000FFU);
}

TEST_F(OptionsRules, TheFontListIsFilledOnceAtTheFirstDropDown) {
    fonts.fonts = {L"Tahoma", L"@MS Gothic", L"Arial", L"MS Gothic", L"Arial", L"@SimSun"};
    settings.TabFontName = L"Not Installed";
    auto& m = Open();
    EXPECT_EQ(C().fontNames.items, std::vector<std::wstring>{L"Not Installed"});
    m.SetListText(OptionsList::FontNames, L"typed before");
    m.DropDownFontNames();
    EXPECT_EQ(C().fontNames.items,
              (std::vector<std::wstring>{L"Tahoma", L"Arial", L"MS Gothic", L"Arial"}));
    EXPECT_EQ(C().fontNames.text, L"Not Installed");

    m.SelectItem(OptionsList::FontNames, 2);
    EXPECT_EQ(C().fontNames.text, L"MS Gothic");
    m.DropDownFontNames();
    EXPECT_EQ(fonts.asked, 1);
    EXPECT_EQ(C().fontNames.text, L"MS Gothic");
}

TEST_F(OptionsRules, ChoosingAFontSizeSetsItsText) {
    auto& m = Open();
    m.SelectItem(OptionsList::FontSizes, 16);
    EXPECT_EQ(C().fontSizes.text, L"69");
    m.SetListText(OptionsList::FontSizes, L"13");
    EXPECT_EQ(C().fontSizes.text, L"13");
}

TEST_F(OptionsRules, TheCaptureFillsTheDialogsCopyAndTheEditsText) {
    auto& m = Open();
    m.KeyDown(HotKeyEdit::Tab, 17, 2);
    EXPECT_EQ(C().tabHotKeyEdit.text, L"Default");
    m.KeyDown(HotKeyEdit::Tab, 66, 2);
    EXPECT_EQ(C().tabHotKeyEdit.text, L"Ctrl+B");
    EXPECT_EQ(m.CapturedKey(HotKeyEdit::Tab), (HotKeyInfo{L"Ctrl+B", 66, 2}));
    EXPECT_EQ(settings.HotKeyTabit, (HotKeyInfo{L"Default(Ctrl+Tab)", 9, 2}));

    // Each edit has its own Windows-key flag.
    m.KeyDown(HotKeyEdit::Bar, 91, 0);
    m.KeyDown(HotKeyEdit::Tab, 81, 0);
    EXPECT_EQ(C().tabHotKeyEdit.text, L"Default");
    m.KeyDown(HotKeyEdit::Bar, 81, 0);
    EXPECT_EQ(C().barHotKeyEdit.text, L"Win+Q");
    m.KeyUp(HotKeyEdit::Tab, 91);
    m.KeyDown(HotKeyEdit::Bar, 66, 0);
    EXPECT_EQ(C().barHotKeyEdit.text, L"Win+B");
}

TEST_F(OptionsRules, TheSettingsCenterShowsTheDefaultKeysByName) {
    auto& m = Open(DialogKind::Center, L"14.0");
    m.KeyDown(HotKeyEdit::Tab, 17, 2);
    EXPECT_EQ(C().tabHotKeyEdit.text, L"Default(Ctrl+Tab)");
    EXPECT_EQ(m.CapturedKey(HotKeyEdit::Tab).KeyCode, 0);
    m.KeyDown(HotKeyEdit::Tab, 81, 2);
    EXPECT_EQ(C().tabHotKeyEdit.text, L"Ctrl+Q");
    m.KeyDown(HotKeyEdit::Bar, 81, 0);
    EXPECT_EQ(C().barHotKeyEdit.text, L"Default(Win+Q)");
}

TEST_F(OptionsRules, TheSettingsCenterTestsOfficesVersionAsText) {
    settings.CusColor = 0;
    Open(DialogKind::Center, L"14.0");
    EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::Office);
    Open(DialogKind::Center, L"14");
    EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::ColorSet);
    Open(DialogKind::Options, L"14");
    EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::Office);
}

}  // namespace
}  // namespace morvane::test
