#include <map>

#include "options/OptionsFixture.h"
#include "tabctl/Appearance.h"

namespace morvane::test {
namespace {

using tabctl::ColorRole;
using tabctl::ColorStyle;
using tabctl::Rgb;

using OptionsOpening = OptionsFixture;

TEST_F(OptionsOpening, ControlsShowTheSettings) {
    settings.OneHide = 5;
    settings.DoubleC = 0;
    settings.EnableCreate = 1;
    settings.EnableReorder = 0;
    settings.EnableMiddle = 3;
    settings.ExitInfor = 1;
    settings.EnableAlt = 0;
    settings.EnableTi = 1;
    settings.HotKeyTabit = {L"Ctrl+B", 66, 2};
    Open();

    EXPECT_EQ(C().page, OptionsPage::PopularPosition);
    EXPECT_TRUE(C().oneHide.checked);
    EXPECT_TRUE(C().doubleClick.checked);
    EXPECT_FALSE(C().blankClick.checked);
    EXPECT_TRUE(C().reorder.checked);
    EXPECT_FALSE(C().middleClick.checked);
    EXPECT_FALSE(C().exitInfor.checked);
    EXPECT_TRUE(C().altKeys.checked);
    EXPECT_TRUE(C().barHotKey.checked);
    EXPECT_EQ(C().barHotKeyEdit.text, L"Default(Win+Q)");
    EXPECT_TRUE(C().barHotKeyEdit.enabled);
    EXPECT_FALSE(C().tabHotKey.checked);
    EXPECT_EQ(C().tabHotKeyEdit.text, L"Ctrl+B");
    EXPECT_FALSE(C().tabHotKeyEdit.enabled);

    EXPECT_EQ(C().position.index, 1);
    EXPECT_EQ(C().positionPicture, 1);
    EXPECT_EQ(C().appearance.index, 2);
    EXPECT_EQ(C().layout.index, 0);
    EXPECT_EQ(C().maxWidth.text, L"150");
    EXPECT_EQ(C().fixWidth.text, L"0");
    EXPECT_EQ(C().fontSizes.text, L"9");
    EXPECT_FALSE(C().fontSize.checked);
    EXPECT_FALSE(C().fontSizes.enabled);
    EXPECT_EQ(C().fontNames.items, std::vector<std::wstring>{L"Segoe UI"});
    EXPECT_EQ(C().fontNames.text, L"Segoe UI");
    EXPECT_EQ(fonts.asked, 0);
}

TEST_F(OptionsOpening, ListsHoldTheirItemsInOrder) {
    Open();
    EXPECT_EQ(C().position.items,
              (std::vector<std::wstring>{L"1-Above WorkSpace", L"2-Below WorkSpace",
                                         L"3-Left WorkSpace", L"4-Right WorkSpace"}));
    ASSERT_EQ(C().appearance.items.size(), 11U);
    EXPECT_EQ(C().appearance.items.front(), L"Appearance - 1");
    EXPECT_EQ(C().appearance.items.back(), L"Appearance - 11");
    EXPECT_EQ(C().layout.items, (std::vector<std::wstring>{L"AutoSize", L"SizeToFit", L"Fixed"}));
    EXPECT_EQ(
        C().fontSizes.items,
        (std::vector<std::wstring>{L"8", L"9", L"10", L"11", L"12", L"14", L"15", L"16", L"18",
                                   L"20", L"22", L"24", L"26", L"28", L"36", L"48", L"69", L"72"}));
    EXPECT_EQ(C().pageCaptions[0], L"Popular && Postion");
    EXPECT_EQ(C().colorPreview.captions[1], L"TabNormal");
}

TEST_F(OptionsOpening, TranslationsCarryTheirOwnSeparators) {
    const std::map<std::wstring, std::wstring> german{
        {L"Above", L". Oberhalb"},
        {L"Appearance", L"Darstellung"},
        {L"Fixed", L"Fest"},
        {L"AppearanceColor", L"Darstellung && Farbe"}};
    texts = [&](const std::wstring& key, const std::wstring& def) {
        const auto found = german.find(key);
        return found == german.end() ? def : found->second;
    };
    Open();
    EXPECT_EQ(C().position.items[0], L"1. Oberhalb");
    EXPECT_EQ(C().position.items[1], L"2-Below WorkSpace");
    EXPECT_EQ(C().appearance.items[4], L"Darstellung - 5");
    EXPECT_EQ(C().layout.items[2], L"Fest");
    EXPECT_EQ(C().pageCaptions[1], L"Darstellung && Farbe");
}

TEST_F(OptionsOpening, StoredValuesOutsideTheListsLeaveThemWithoutAChoice) {
    struct Case {
        std::int32_t position, theme, layout;
        std::int32_t positionIndex, themeIndex, layoutIndex;
        std::optional<std::int32_t> picture;
        std::int32_t previewAppearance;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0, 0, 0},
        {3, 10, 2, 3, 10, 2, 3, 11},
        {3, 7, 1, 3, 7, 1, 3, 7},
        {3, 8, 1, 3, 8, 1, 3, 9},
        {7, 15, 5, -1, -1, -1, std::nullopt, 0},
        {-1, -1, -1, -1, -1, -1, std::nullopt, 0},
    };
    for (const auto& c : cases) {
        settings.Position = static_cast<BarPosition>(c.position);
        settings.Theme = c.theme;
        settings.TbLayout = c.layout;
        Open();
        SCOPED_TRACE(testing::Message() << "position " << c.position << " theme " << c.theme
                                        << " layout " << c.layout);
        EXPECT_EQ(C().position.index, c.positionIndex);
        EXPECT_EQ(C().appearance.index, c.themeIndex);
        EXPECT_EQ(C().layout.index, c.layoutIndex);
        EXPECT_EQ(C().positionPicture, c.picture);
        EXPECT_EQ(C().appearancePreview.appearance, c.previewAppearance);
        EXPECT_EQ(C().colorPreview.appearance, c.previewAppearance);
    }
}

TEST_F(OptionsOpening, TheFixedLayoutEnablesOnlyTheFixedWidth) {
    for (const std::int32_t layout : {0, 1, 2, 5}) {
        settings.TbLayout = layout;
        Open();
        EXPECT_EQ(C().maxWidth.enabled, layout != 2) << layout;
        EXPECT_EQ(C().fixWidth.enabled, layout == 2) << layout;
    }
}

TEST_F(OptionsOpening, TheTaskbarBoxShowsTheHostsStateAsWellAsTheStoredOne) {
    struct Case {
        std::int32_t stored;
        std::optional<bool> host;
        bool checked;
    };
    // A host that cannot be asked leaves the stored value, so saving keeps it.
    const Case cases[] = {{0, false, false}, {0, true, true},         {1, false, true},
                          {1, true, true},   {1, std::nullopt, true}, {0, std::nullopt, false}};
    for (const auto& c : cases) {
        settings.ShowAll = c.stored;
        Open(DialogKind::Options, L"14.0", c.host);
        EXPECT_EQ(C().showAll.checked, c.checked)
            << "stored " << c.stored << " host " << testing::PrintToString(c.host);
    }
}

TEST_F(OptionsOpening, FontSizeOutsideTheListIsShownAsStored) {
    settings.TabFontSize = 13;
    settings.EnableFontSize = 1;
    settings.EnableFontName = 1;
    Open();
    EXPECT_EQ(C().fontSizes.text, L"13");
    EXPECT_TRUE(C().fontSize.checked);
    EXPECT_TRUE(C().fontSizes.enabled);
    EXPECT_TRUE(C().fontName.checked);
    EXPECT_TRUE(C().fontNames.enabled);
}

TEST_F(OptionsOpening, WithoutCustomColoursTheColourControlsAreOffAndTheThemeShows) {
    settings.CusColor = 0;
    officeTheme = 1;
    registry.PutDword(RootKey::CurrentUser, L"Software\\Microsoft\\Office\\14.0\\Common", L"Theme",
                      3);
    Open();
    EXPECT_FALSE(C().customColors.checked);
    EXPECT_TRUE(C().customColors.enabled);
    EXPECT_FALSE(C().colorButtonsEnabled);
    EXPECT_FALSE(C().colorPreview.tabsEnabled);
    // The theme preview reads the Office scheme again.
    EXPECT_EQ(officeTheme, 3);
    EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::Office);
    EXPECT_TRUE(C().appearancePreview.paintSwitch8);
    EXPECT_EQ(C().appearancePreview.colors.Get(ColorRole::FaceDark), Rgb(160, 160, 160));
    EXPECT_EQ(C().appearancePreview.colors.Get(ColorRole::NormalTab), Rgb(120, 120, 120));
}

TEST_F(OptionsOpening, AppearancesWithTheirOwnColoursShowTheThemeWithTheBoxStillUsable) {
    for (const std::int32_t theme : {0, 2, 3, 4, 5, 8, 9, 10}) {
        settings.Theme = theme;
        Open();
        SCOPED_TRACE(theme);
        const bool own = theme == 4 || theme == 9 || theme == 10;
        EXPECT_TRUE(C().customColors.checked);
        EXPECT_TRUE(C().customColors.enabled);
        EXPECT_TRUE(C().colorButtonsEnabled);
        EXPECT_EQ(C().appearancePreview.colorStyle,
                  own ? ColorStyle::Office : ColorStyle::ColorSet);
        EXPECT_EQ(C().colorPreview.colorStyle, own ? ColorStyle::Appearance : ColorStyle::ColorSet);
        if (!own) {
            for (const auto* preview : {&C().appearancePreview, &C().colorPreview}) {
                EXPECT_EQ(preview->colors.Get(ColorRole::SelectedTab), 0x0000FFU);
                EXPECT_EQ(preview->colors.Get(ColorRole::FaceDark), 0x111111U);
                EXPECT_EQ(preview->colors.Get(ColorRole::SelectedText), 0x333333U);
                EXPECT_FALSE(preview->paintSwitch8);
            }
        }
    }
}

TEST_F(OptionsOpening, ColourButtonsShowStoredColours) {
    Open();
    const std::array<std::uint32_t, 6> expected{0x0000FF, 0x00FF00, 0xFF0000,
                                                0x333333, 0x222222, 0x111111};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(C().colorButtons[i].color, expected[i]) << "button " << i;
    }
}

TEST_F(OptionsOpening, MissingColoursTakeTheOfficeSchemeOrTheControlsOwn) {
    for (const auto id : {Setting::CoSelect, Setting::CoNormal, Setting::CoBack, Setting::CoBackii,
                          Setting::CoText, Setting::CoTextSe}) {
        registry.Delete(RootKey::CurrentUser, KeyPathOf(id), std::wstring(SchemaOf(id).Name));
    }
    const auto plain = tabctl::StyleColors(ColorStyle::ColorSet, 0);
    const std::uint32_t darkBlue = 9126421;
    struct Case {
        DialogKind kind;
        const wchar_t* version;
        std::int32_t officeTheme;
        std::array<std::uint32_t, 6> buttons;
    };
    const Case cases[] = {
        // Blue: selected, normal, face light, then the text colours, then face dark.
        {DialogKind::Options,
         L"14.0",
         1,
         {Rgb(240, 240, 240), Rgb(135, 163, 193), Rgb(164, 195, 235), darkBlue, darkBlue,
          Rgb(227, 235, 243)}},
        {DialogKind::Options,
         L"14.0",
         3,
         {Rgb(240, 240, 240), Rgb(120, 120, 120), Rgb(110, 110, 110), darkBlue, darkBlue,
          Rgb(160, 160, 160)}},
        // A scheme Office does not have: silver.
        {DialogKind::Options,
         L"14.0",
         4,
         {Rgb(240, 240, 240), Rgb(186, 190, 194), Rgb(170, 174, 181), darkBlue, darkBlue,
          Rgb(224, 225, 228)}},
        {DialogKind::Options,
         L"12.0",
         1,
         {plain.selectedTab, plain.normalTab, plain.faceLight, 0, 0, plain.faceDark}},
        {DialogKind::Options,
         L"11.0",
         1,
         {plain.selectedTab, plain.normalTab, plain.faceLight, 0, 0, plain.faceDark}},
        // The add-in on a later host counts its version; the settings center knows only 14.0.
        {DialogKind::Options,
         L"15.0",
         2,
         {Rgb(240, 240, 240), Rgb(186, 190, 194), Rgb(170, 174, 181), darkBlue, darkBlue,
          Rgb(224, 225, 228)}},
        {DialogKind::Center,
         L"15.0",
         2,
         {Rgb(240, 240, 240), Rgb(186, 190, 194), Rgb(170, 174, 181), 0, 0, Rgb(224, 225, 228)}},
    };
    for (const auto& c : cases) {
        officeTheme = c.officeTheme;
        Open(c.kind, c.version);
        for (std::size_t i = 0; i < 6; ++i) {
            EXPECT_EQ(C().colorButtons[i].color, c.buttons[i])
                << "button " << i << " on " << testing::PrintToString(c.version) << " theme "
                << c.officeTheme;
        }
    }
}

TEST_F(OptionsOpening, OlderHostsShowPlainColoursInTheAppearancePreview) {
    settings.CusColor = 0;
    Open(DialogKind::Options, L"12.0");
    EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::ColorSet);
    EXPECT_FALSE(C().appearancePreview.paintSwitch8);
    EXPECT_EQ(C().appearancePreview.colors, tabctl::StyleColors(ColorStyle::ColorSet, 2));
    EXPECT_EQ(officeTheme, 2);  // not read on an older host
}

TEST_F(OptionsOpening, AnUnknownOfficeSchemeLeavesTheOfficeStylesOwnColours) {
    settings.CusColor = 0;
    for (const std::int32_t scheme : {0, 4}) {
        registry.PutDword(RootKey::CurrentUser, L"Software\\Microsoft\\Office\\14.0\\Common",
                          L"Theme", scheme);
        Open();
        EXPECT_EQ(C().appearancePreview.colorStyle, ColorStyle::Office);
        EXPECT_EQ(C().appearancePreview.colors, tabctl::StyleColors(ColorStyle::Office, 2));
        EXPECT_EQ(officeTheme, scheme);
    }
}

TEST_F(OptionsOpening, TheColourChooserStartsFromAGreyRamp) {
    auto& m = Open();
    EXPECT_EQ(m.ChooserColors().front(), 986895U);
    EXPECT_EQ(m.ChooserColors()[7], 7895160U);
    EXPECT_EQ(m.ChooserColors().back(), 15790320U);
    m.ChooserColors()[3] = 0x0000FF;                                // changed in the chooser
    EXPECT_EQ(Open().ChooserColors()[3], tabctl::Rgb(60, 60, 60));  // the next opening
}

TEST(OptionsCaption, TheCaptionIsEnglishUnlessTheTextsFollowTheSystemLocale) {
    EXPECT_EQ(OptionsCaptionSection(L"UID_1031", 1031), L"UID_1031");
    EXPECT_EQ(OptionsCaptionSection(L"UID_1031", 1033), L"UID_1033");
    EXPECT_EQ(OptionsCaptionSection(L"UID_1033", 1031), L"UID_1033");
}

}  // namespace
}  // namespace morvane::test
