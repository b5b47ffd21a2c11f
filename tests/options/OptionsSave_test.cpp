#include <algorithm>

#include "options/OptionsFixture.h"

namespace morvane::test {
namespace {

using Trace = std::vector<std::string>;

class OptionsSave : public OptionsFixture {
  protected:
    // The part of the trace from `first` up to, not including, `end`.
    Trace Between(const std::string& first, const std::string& end) const {
        const auto from = std::find(trace.begin(), trace.end(), first);
        const auto to = std::find(from, trace.end(), end);
        return Trace(from, to);
    }
    bool Traced(const std::string& entry) const {
        return std::find(trace.begin(), trace.end(), entry) != trace.end();
    }
    bool TracedStartingWith(const std::string& prefix) const {
        return std::any_of(trace.begin(), trace.end(),
                           [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
    }
};

TEST_F(OptionsSave, OkWritesEveryValueInOrderAndAppliesItToTheRunningBar) {
    auto& m = Open();
    m.SelectItem(OptionsList::Position, 2);
    m.KeyDown(HotKeyEdit::Bar, 66, 2);
    m.SetChecked(OptionsBox::FontSize, true);
    m.SetListText(OptionsList::FontSizes, L"11");
    m.SetWidthText(WidthEdit::Max, L"150.9");

    EXPECT_EQ(Save(), std::nullopt);
    const Trace expected{
        "maxwidth=150",
        "position=2",
        "theme=2",
        "SetAppearance 2",
        "tblayout=0",
        "onehide=0",
        "exitinfor=0",
        "doublec=0",
        "showall=0",
        "SetShowAllInTaskbar 0",
        "enablecreate=0",
        "enablereorder=0",
        "enablemiddle=0",
        "tabfontsize\\enablefontsize=1",
        "tabfontsize\\tabfontsize='11'",
        "tabfontname\\enablefontname=0",
        "cuscolor=1",
        "coselect=255",
        "conormal=65280",
        "coback=16711680",
        "cobackii=1118481",
        "cotext=2236962",
        "cotextse=3355443",
        "SetPaintSwitch8 0",
        "SetColorStyle 4",
        "SetColor 2 1118481",
        "SetColor 1 16711680",
        "SetColor 7 65280",
        "SetColor 6 255",
        "SetColor 8 2236962",
        "SetColor 10 3355443",
        "enableta=0",
        "UnregisterBarHotKey",
        "RegisterBarHotKey",
        "hotkeybar\\keyname='Ctrl+B'",
        "hotkeybar\\keycode=66",
        "hotkeybar\\modkeycode=2",
        "enableti=0",
        "UnregisterNextTabHotKey",
        "RegisterNextTabHotKey",
        "hotkeytabit\\keyname='Default(Ctrl+Tab)'",
        "hotkeytabit\\keycode=9",
        "hotkeytabit\\modkeycode=2",
        "enablealt=0",
        "UnregisterTabNumberHotKeys",
        "RegisterTabNumberHotKeys",
        "ShowMessage",
        "Close",
        "SetPlacementPending",
        "SetReorder 1",
        "UpdateMenu",
        "PlaceTabControl 2",
        "ReframeClient",
        "RefreshTabBar",
    };
    EXPECT_EQ(trace, expected);
    ASSERT_EQ(live.messages.size(), 1U);
    EXPECT_EQ(live.messages[0],
              L"You have changed the Font Options. For these changes to take effect,you must "
              L"restart Microsoft Project.");

    EXPECT_EQ(settings.MaxWidth, 150);
    EXPECT_EQ(settings.Position, 2);
    EXPECT_EQ(settings.EnableFontSize, 1);
    EXPECT_EQ(settings.TabFontSize, 11);
    EXPECT_EQ(settings.HotKeyBar, (HotKeyInfo{L"Ctrl+B", 66, 2}));
    EXPECT_EQ(registry.OpenKeys(), 0U);
}

TEST_F(OptionsSave, InvertedBoxesAreStoredInverted) {
    auto& m = Open();
    for (const auto box : {OptionsBox::ExitInfor, OptionsBox::DoubleClick, OptionsBox::BlankClick,
                           OptionsBox::Reorder, OptionsBox::MiddleClick}) {
        m.SetChecked(box, false);
    }
    m.SetChecked(OptionsBox::OneHide, true);
    m.SetChecked(OptionsBox::ShowAll, true);
    ASSERT_EQ(Save(), std::nullopt);
    EXPECT_EQ(Between("onehide=1", "tabfontsize\\enablefontsize=0"),
              (Trace{"onehide=1", "exitinfor=1", "doublec=1", "showall=1", "SetShowAllInTaskbar 1",
                     "enablecreate=1", "enablereorder=1", "enablemiddle=1"}));
    EXPECT_TRUE(Traced("SetReorder 0"));
    EXPECT_EQ(settings.EnableReorder, 1);
}

TEST_F(OptionsSave, OnlyTheEnabledWidthIsSaved) {
    settings.TbLayout = 2;
    settings.FixWidth = 120;
    auto& m = Open();
    m.SetWidthText(WidthEdit::Max, L"abc");  // disabled: neither checked nor saved
    m.SetWidthText(WidthEdit::Fix, L"0");
    ASSERT_EQ(Save(), std::nullopt);
    EXPECT_EQ(trace.front(), "fixwidth=0");
    EXPECT_FALSE(TracedStartingWith("maxwidth"));
    EXPECT_EQ(settings.MaxWidth, 150);
    EXPECT_EQ(settings.FixWidth, 0);
}

TEST_F(OptionsSave, WithoutCustomColoursTheBarTakesItsDefaultColours) {
    struct Case {
        const wchar_t* version;
        std::int32_t cusColor;
        std::int32_t theme;
        Trace colours;
    };
    const Case cases[] = {
        {L"14.0", 0, 2, {"cuscolor=0", "SetPaintSwitch8 0", "ChangeDefaultColor"}},
        {L"12.0", 0, 2, {"cuscolor=0", "SetPaintSwitch8 0", "SetColorStyle 4"}},
        // Checked, but the appearance brings its own colours: the six are left as stored.
        {L"14.0", 1, 9, {"cuscolor=1", "SetPaintSwitch8 0", "ChangeDefaultColor"}},
        {L"11.0", 1, 4, {"cuscolor=1", "SetPaintSwitch8 0", "SetColorStyle 4"}},
    };
    for (const auto& c : cases) {
        settings.CusColor = c.cusColor;
        settings.Theme = c.theme;
        Open(DialogKind::Options, c.version);
        model->ChooseColor(0, 0x999999);
        trace.clear();
        ASSERT_EQ(Save(), std::nullopt);
        EXPECT_EQ(Between(c.colours.front(), "enableta=0"), c.colours)
            << testing::PrintToString(c.version) << " theme " << c.theme;
        EXPECT_EQ(settings.CoSelect, 0x0000FF);
    }
}

TEST_F(OptionsSave, AHotKeySwitchedOffIsUnregisteredAndItsKeyLeftAsStored) {
    auto& m = Open();
    m.KeyDown(HotKeyEdit::Bar, 66, 2);
    m.SetChecked(OptionsBox::BarHotKey, false);
    m.SetChecked(OptionsBox::AltKeys, false);
    ASSERT_EQ(Save(), std::nullopt);
    EXPECT_EQ(Between("enableta=1", "enableti=0"), (Trace{"enableta=1", "UnregisterBarHotKey"}));
    EXPECT_EQ(Between("enablealt=1", "Close"),
              (Trace{"enablealt=1", "UnregisterTabNumberHotKeys"}));
    EXPECT_FALSE(TracedStartingWith("hotkeybar\\"));
    EXPECT_EQ(settings.HotKeyBar, (HotKeyInfo{L"Default(Win+Q)", 81, 8}));
}

TEST_F(OptionsSave, AKeyCapturedAsDefaultIsStoredAsTheDefault) {
    auto& m = Open();
    m.KeyDown(HotKeyEdit::Bar, 66, 2);
    m.KeyDown(HotKeyEdit::Bar, 17, 2);  // Ctrl alone: the default, name kept, mask 2
    m.KeyDown(HotKeyEdit::Tab, 81, 0);  // no modifier: the default
    ASSERT_EQ(Save(), std::nullopt);
    EXPECT_EQ(Between("RegisterBarHotKey", "enableti=0"),
              (Trace{"RegisterBarHotKey", "hotkeybar\\keyname='Default(Win+Q)'",
                     "hotkeybar\\keycode=0", "hotkeybar\\modkeycode=0"}));
    EXPECT_EQ(Between("RegisterNextTabHotKey", "enablealt=0"),
              (Trace{"RegisterNextTabHotKey", "hotkeytabit\\keyname='Default(Ctrl+Tab)'",
                     "hotkeytabit\\keycode=0", "hotkeytabit\\modkeycode=0"}));
    EXPECT_EQ(settings.HotKeyBar, (HotKeyInfo{L"Default(Win+Q)", 0, 0}));
    EXPECT_EQ(settings.HotKeyTabit, (HotKeyInfo{L"Default(Ctrl+Tab)", 0, 0}));
}

TEST_F(OptionsSave, FontValuesAreSavedOnlyWhileTheirSwitchesAreOn) {
    struct Case {
        std::int32_t enableName;  // stored
        bool nameBox;             // as left in the dialog
        const wchar_t* nameText;
        const wchar_t* sizeText;  // with the size box on
        bool message;
        const char* nameWrite;  // nullptr: none
        const char* sizeWrite;
    };
    const Case cases[] = {
        // The name unchanged but its switch turned on or off.
        {0, true, L"Segoe UI", L"9", true, "tabfontname\\tabfontname='Segoe UI'",
         "tabfontsize\\tabfontsize='9'"},
        {1, false, L"Segoe UI", L"9", true, nullptr, "tabfontsize\\tabfontsize='9'"},
        // The list changed while the switch stays off.
        {0, false, L"Arial", L"9", false, nullptr, "tabfontsize\\tabfontsize='9'"},
        {1, true, L"Arial", L"9", true, "tabfontname\\tabfontname='Arial'",
         "tabfontsize\\tabfontsize='9'"},
        // A size that is no number is not saved; the rounding is to the even neighbour.
        {1, true, L"Segoe UI", L"abc", false, "tabfontname\\tabfontname='Segoe UI'", nullptr},
        {1, true, L"Segoe UI", L"10.5", true, "tabfontname\\tabfontname='Segoe UI'",
         "tabfontsize\\tabfontsize='10'"},
    };
    for (const auto& c : cases) {
        settings.EnableFontName = c.enableName;
        settings.EnableFontSize = 1;
        settings.TabFontName = L"Segoe UI";
        settings.TabFontSize = 9;
        trace.clear();
        live.messages.clear();
        auto& m = Open();
        m.SetChecked(OptionsBox::FontName, c.nameBox);
        m.SetListText(OptionsList::FontNames, c.nameText);
        m.SetListText(OptionsList::FontSizes, c.sizeText);
        ASSERT_EQ(Save(), std::nullopt);
        SCOPED_TRACE(testing::Message() << "name " << testing::PrintToString(c.nameText) << " size "
                                        << testing::PrintToString(c.sizeText));
        EXPECT_EQ(live.messages.size(), c.message ? 1U : 0U);
        EXPECT_EQ(TracedStartingWith("tabfontname\\tabfontname"), c.nameWrite != nullptr);
        if (c.nameWrite) {
            EXPECT_TRUE(Traced(c.nameWrite));
        }
        EXPECT_EQ(TracedStartingWith("tabfontsize\\tabfontsize"), c.sizeWrite != nullptr);
        if (c.sizeWrite) {
            EXPECT_TRUE(Traced(c.sizeWrite));
        }
    }
}

TEST_F(OptionsSave, AnUnchangedPositionAsksForNoNewPlace) {
    Open();
    ASSERT_EQ(Save(), std::nullopt);
    EXPECT_FALSE(Traced("SetPlacementPending"));
    EXPECT_TRUE(Traced("PlaceTabControl 1"));
    EXPECT_TRUE(live.messages.empty());
}

TEST_F(OptionsSave, AListWithoutAChoiceKeepsTheStoredValue) {
    settings.Theme = 15;
    settings.Position = static_cast<BarPosition>(7);
    Open();
    ASSERT_EQ(Save(), std::nullopt);
    EXPECT_TRUE(Traced("position=7"));
    EXPECT_TRUE(Traced("theme=15"));
    // Out of range: no appearance, which the control refuses, keeping the one it has.
    EXPECT_TRUE(Traced("SetAppearance -1"));
    EXPECT_FALSE(Traced("SetPlacementPending"));
}

TEST_F(OptionsSave, RejectedInputWritesAndAppliesNothing) {
    struct Case {
        const char* what;
        std::function<void(OptionsModel&)> edit;
        std::optional<Rejection> rejected;
    };
    const Rejection conflict{OptionsPage::PopularPosition, OptionsField::BarHotKeyEdit, L"HotKey",
                             L"Shortcuts conflict, Please change."};
    const auto width = [](OptionsField field) {
        return Rejection{OptionsPage::AppearanceColor, field, L"Number",
                         L"The number of width must be between 70-400."};
    };
    const Case cases[] = {
        {"same keys",
         [](OptionsModel& m) {
             m.KeyDown(HotKeyEdit::Bar, 66, 2);
             m.KeyDown(HotKeyEdit::Tab, 66, 2);
         },
         conflict},
        {"same keys, one switched off",
         [](OptionsModel& m) {
             m.KeyDown(HotKeyEdit::Bar, 66, 2);
             m.KeyDown(HotKeyEdit::Tab, 66, 2);
             m.SetChecked(OptionsBox::TabHotKey, false);
         },
         conflict},
        {"both default",
         [](OptionsModel& m) {
             m.KeyDown(HotKeyEdit::Bar, 17, 2);
             m.KeyDown(HotKeyEdit::Tab, 17, 2);
         },
         std::nullopt},
        {"same key, other modifiers",
         [](OptionsModel& m) {
             m.KeyDown(HotKeyEdit::Bar, 66, 2);
             m.KeyDown(HotKeyEdit::Tab, 66, 3);
         },
         std::nullopt},
        {"maximum width 69", [](OptionsModel& m) { m.SetWidthText(WidthEdit::Max, L"69"); },
         width(OptionsField::MaxWidthEdit)},
        {"maximum width empty", [](OptionsModel& m) { m.SetWidthText(WidthEdit::Max, L""); },
         width(OptionsField::MaxWidthEdit)},
        {"fixed width 00",
         [](OptionsModel& m) {
             m.SelectItem(OptionsList::Layout, 2);
             m.SetWidthText(WidthEdit::Fix, L"00");
         },
         width(OptionsField::FixWidthEdit)},
        {"conflict before width",
         [](OptionsModel& m) {
             m.SetWidthText(WidthEdit::Max, L"abc");
             m.KeyDown(HotKeyEdit::Bar, 66, 2);
             m.KeyDown(HotKeyEdit::Tab, 66, 2);
         },
         conflict},
    };
    for (const auto& c : cases) {
        trace.clear();
        registry.writes.clear();
        const TabSettings before = settings;
        auto& m = Open();
        c.edit(m);
        SCOPED_TRACE(c.what);
        EXPECT_EQ(m.Check(), c.rejected);
        EXPECT_EQ(Save(), c.rejected);
        if (c.rejected) {
            EXPECT_TRUE(registry.writes.empty());
            EXPECT_TRUE(trace.empty());
            EXPECT_EQ(settings, before);
        } else {
            EXPECT_FALSE(registry.writes.empty());
        }
        settings = before;
    }
}

TEST_F(OptionsSave, HotKeysConflictByTheCombinationsTheyRegister) {
    constexpr std::int32_t kCtrl = 2;
    constexpr std::int32_t kAlt = 4;
    constexpr std::int32_t kTab = 9;
    constexpr std::int32_t kWin = 91;
    struct Case {
        const char* what;
        std::function<void(OptionsModel&)> edit;
        std::optional<OptionsField> conflict;
    };
    const auto altKeysOff = [](OptionsModel& m) { m.SetChecked(OptionsBox::AltKeys, false); };
    const Case cases[] = {
        {"next-tab key back to its default, Ctrl+Tab captured for the bar",
         [](OptionsModel& m) {
             m.KeyDown(HotKeyEdit::Tab, 'Q', 0);
             m.KeyDown(HotKeyEdit::Bar, kTab, kCtrl);
         },
         OptionsField::BarHotKeyEdit},
        {"bar key back to its default, Win+Q captured for the next tab",
         [](OptionsModel& m) {
             m.KeyDown(HotKeyEdit::Bar, 'Q', 0);
             m.KeyDown(HotKeyEdit::Tab, kWin, 0);
             m.KeyDown(HotKeyEdit::Tab, 'Q', 0);
         },
         OptionsField::BarHotKeyEdit},
        {"both keys at their defaults",
         [](OptionsModel& m) {
             m.KeyDown(HotKeyEdit::Bar, 'Q', 0);
             m.KeyDown(HotKeyEdit::Tab, 'Q', 0);
         },
         std::nullopt},
        {"Alt+1 for the bar", [](OptionsModel& m) { m.KeyDown(HotKeyEdit::Bar, '1', kAlt); },
         OptionsField::BarHotKeyEdit},
        {"Alt+9 for the next tab", [](OptionsModel& m) { m.KeyDown(HotKeyEdit::Tab, '9', kAlt); },
         OptionsField::TabHotKeyEdit},
        {"Alt+9 for the next tab, switched off: its box, as its edit is disabled",
         [](OptionsModel& m) {
             m.KeyDown(HotKeyEdit::Tab, '9', kAlt);
             m.SetChecked(OptionsBox::TabHotKey, false);
         },
         OptionsField::TabHotKeyBox},
        {"Alt+1 for the bar, switched off",
         [](OptionsModel& m) {
             m.KeyDown(HotKeyEdit::Bar, '1', kAlt);
             m.SetChecked(OptionsBox::BarHotKey, false);
         },
         OptionsField::BarHotKeyBox},
        {"Alt+1 for the bar while the Alt+number keys are off",
         [&](OptionsModel& m) {
             m.KeyDown(HotKeyEdit::Bar, '1', kAlt);
             altKeysOff(m);
         },
         std::nullopt},
        {"Alt+0 and Ctrl+Alt+1 select no tab",
         [](OptionsModel& m) {
             m.KeyDown(HotKeyEdit::Bar, '0', kAlt);
             m.KeyDown(HotKeyEdit::Tab, '1', kAlt | kCtrl);
         },
         std::nullopt},
    };
    for (const auto kind : {DialogKind::Options, DialogKind::Center}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            auto& m = Open(kind);
            c.edit(m);
            const auto rejected = m.Check();
            EXPECT_EQ(rejected ? std::optional(rejected->field) : std::nullopt, c.conflict);
            if (rejected) {
                EXPECT_EQ(rejected->page, OptionsPage::PopularPosition);
                EXPECT_EQ(rejected->messageKey, L"HotKey");
            }
        }
    }
}

TEST_F(OptionsSave, OnlyTheFourModifierBitsTellStoredHotKeysApart) {
    constexpr std::int32_t kNoRepeat = 0x4000;
    struct Case {
        const char* what;
        HotKeyInfo bar, tab;
        std::optional<OptionsField> conflict;
    };
    const Case cases[] = {
        {"Ctrl+Q with the no-repeat flag and Ctrl+Q",
         {L"Ctrl+Q", 'Q', kNoRepeat | ModControl},
         {L"Ctrl+Q", 'Q', ModControl},
         OptionsField::BarHotKeyEdit},
        {"Ctrl+Q with two different stray bits",
         {L"Ctrl+Q", 'Q', 0x8000 | ModControl},
         {L"Ctrl+Q", 'Q', 0x0100 | ModControl},
         OptionsField::BarHotKeyEdit},
        {"the next-tab key on the bar's built-in Win+Q",
         {L"Default(Win+Q)", 0, kNoRepeat | ModWin},
         {L"Win+Q", 'Q', kNoRepeat | ModWin},
         OptionsField::BarHotKeyEdit},
        {"the next-tab key on a tab's Alt+9",
         {L"Default(Win+Q)", 0, 0},
         {L"Alt+9", '9', kNoRepeat | ModAlt},
         OptionsField::TabHotKeyEdit},
        {"Ctrl+Q and Ctrl+Shift+Q, both with the flag",
         {L"Ctrl+Q", 'Q', kNoRepeat | ModControl},
         {L"Ctrl+Shift+Q", 'Q', kNoRepeat | ModControl | ModShift},
         std::nullopt},
    };
    for (const auto kind : {DialogKind::Options, DialogKind::Center}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            settings.HotKeyBar = c.bar;
            settings.HotKeyTabit = c.tab;
            const auto rejected = Open(kind).Check();
            EXPECT_EQ(rejected ? std::optional(rejected->field) : std::nullopt, c.conflict);
        }
    }
}

TEST_F(OptionsSave, CancelLeavesTheRunningAddInAsItWas) {
    const TabSettings before = settings;
    auto& m = Open();
    m.KeyDown(HotKeyEdit::Bar, 66, 2);
    m.KeyDown(HotKeyEdit::Tab, 81, 4);
    m.ChooseColor(1, 0x777777);
    m.SetChecked(OptionsBox::Reorder, false);
    model.reset();  // the dialog closed without OK
    EXPECT_EQ(settings, before);
    EXPECT_TRUE(registry.writes.empty());
}

}  // namespace
}  // namespace morvane::test
