#include <gtest/gtest.h>

#include "shared/LoadSettings.h"
#include "shared/SettingsSchema.h"
#include "shared/mdPub.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"

namespace morvane::test {
namespace {

constexpr auto HKCU = RootKey::CurrentUser;
const std::wstring K = L"SOFTWARE\\Microsoft\\Shared Tools\\Morvane";

class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        HostVersion = L"14.0";
        // A menu font of 16 pixels at 96 dpi: 12 points.
        system->metrics = NonClientFonts{L"Segoe UI", -16};
    }
    void Dword(const std::wstring& key, const std::wstring& name, std::int32_t value) {
        registry->PutDword(HKCU, key, name, value);
    }
    void Text(const std::wstring& key, const std::wstring& name, const std::wstring& value) {
        registry->PutText(HKCU, key, name, value);
    }
    static TabSettings Defaults() {
        TabSettings s;
        s.Theme = 7;
        s.TabFontSize = 12;
        s.TabFontName = L"Segoe UI";
        s.HotKeyBar = {L"Default(Win+Q)", 81, 8};
        s.HotKeyTabit = {L"Default(Ctrl+Tab)", 9, 2};
        return s;
    }

    std::shared_ptr<FakeRegistry> registry = std::make_shared<FakeRegistry>();
    std::shared_ptr<FakeSystem> system = std::make_shared<FakeSystem>();
    TabSettings settings;
    std::int32_t OfficeTheme = 0;
    std::wstring HostVersion;

    void Load() {
        mdPub::LoadSettings(*registry, system.get(), settings, HostVersion, OfficeTheme);
    }
};

TEST_F(SettingsTest, WithoutAKeyEveryFieldTakesItsDefault) {
    settings.EnabledApp = 1;  // read by the start-up alone
    Load();
    TabSettings expected = Defaults();
    expected.EnabledApp = 1;
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(OfficeTheme, 2);
}

TEST_F(SettingsTest, EveryStoredValueIsReadFromItsPlace) {
    const struct {
        const wchar_t* name;
        std::int32_t value;
        std::int32_t TabSettings::*field;
    } values[] = {
        {L"FixWidth", 120, &TabSettings::FixWidth},
        {L"MaxWidth", 300, &TabSettings::MaxWidth},
        {L"OneHide", 1, &TabSettings::OneHide},
        {L"Theme", 3, &TabSettings::Theme},
        {L"TbLayout", 2, &TabSettings::TbLayout},
        {L"EnableAlt", 1, &TabSettings::EnableAlt},
        {L"EnableTa", 1, &TabSettings::EnableTa},
        {L"EnableTi", 1, &TabSettings::EnableTi},
        {L"EnableReorder", 1, &TabSettings::EnableReorder},
        {L"EnableCreate", 1, &TabSettings::EnableCreate},
        {L"EnableMiddle", 1, &TabSettings::EnableMiddle},
        {L"ShowAll", 1, &TabSettings::ShowAll},
        {L"DoubleC", 1, &TabSettings::DoubleC},
        {L"TabShow", 1, &TabSettings::TabShow},
        {L"CusColor", 1, &TabSettings::CusColor},
        {L"CoSelect", 0x0000FF, &TabSettings::CoSelect},
        {L"CoNormal", 0x00FF00, &TabSettings::CoNormal},
        {L"CoBack", 0xFF0000, &TabSettings::CoBack},
        {L"CoBackii", 0x123456, &TabSettings::CoBackii},
        {L"CoText", 0x654321, &TabSettings::CoText},
        {L"CoTextSe", 0x0F0F0F, &TabSettings::CoTextSe},
        {L"ExitInfor", 1, &TabSettings::ExitInfor},
    };
    for (const auto& v : values) {
        Dword(K, v.name, v.value);
    }
    Dword(K + L"\\TabFontSize", L"EnableFontSize", 1);
    Text(K + L"\\TabFontSize", L"TabFontSize", L"11");
    Dword(K + L"\\TabFontName", L"EnableFontName", 1);
    Text(K + L"\\TabFontName", L"TabFontName", L"Arial");
    Text(K + L"\\HotKeyBar", L"KeyName", L"Ctrl+B");
    Dword(K + L"\\HotKeyBar", L"KeyCode", 66);
    Dword(K + L"\\HotKeyBar", L"ModKeyCode", 2);
    Text(K + L"\\HotKeyTabit", L"KeyName", L"Alt+N");
    Dword(K + L"\\HotKeyTabit", L"KeyCode", 78);
    Dword(K + L"\\HotKeyTabit", L"ModKeyCode", 1);
    Dword(K, L"EnabledApp", 1);
    Dword(K, L"Position", 3);

    Load();

    for (const auto& v : values) {
        EXPECT_EQ(settings.*v.field, v.value) << v.name;
    }
    EXPECT_EQ(settings.Position, BarRight);
    EXPECT_EQ(settings.EnableFontSize, 1);
    EXPECT_EQ(settings.TabFontSize, 11);
    EXPECT_EQ(settings.EnableFontName, 1);
    EXPECT_EQ(settings.TabFontName, L"Arial");
    EXPECT_EQ(settings.HotKeyBar, (HotKeyInfo{L"Ctrl+B", 66, 2}));
    EXPECT_EQ(settings.HotKeyTabit, (HotKeyInfo{L"Alt+N", 78, 1}));
    EXPECT_EQ(settings.EnabledApp, 0);
}

TEST_F(SettingsTest, WidthsOutside70To400AreNotSet) {
    const struct {
        std::int32_t stored, loaded;
    } cases[] = {{69, 0}, {70, 70}, {400, 400}, {401, 0}, {-100, 0}, {0, 0}};
    for (const auto& c : cases) {
        Dword(K, L"FixWidth", c.stored);
        Dword(K, L"MaxWidth", c.stored);
        Load();
        EXPECT_EQ(settings.FixWidth, c.loaded) << c.stored;
        EXPECT_EQ(settings.MaxWidth, c.loaded) << c.stored;
    }
}

TEST_F(SettingsTest, OneHideFoldsToOneAndOtherValuesAreTakenAsStored) {
    Dword(K, L"Theme", 99);
    Dword(K, L"Position", 7);
    Dword(K, L"TbLayout", -1);
    for (const auto& [stored, loaded] : {std::pair{5, 1}, {0, 0}, {-1, 1}}) {
        Dword(K, L"OneHide", stored);
        Load();
        EXPECT_EQ(settings.OneHide, loaded) << stored;
    }
    EXPECT_EQ(settings.Theme, 99);
    EXPECT_EQ(settings.Position, 7);
    EXPECT_EQ(settings.TbLayout, -1);
}

TEST_F(SettingsTest, FontSizeIsReadOnlyWhileItsSwitchIsOn) {
    const std::wstring key = K + L"\\TabFontSize";
    Text(key, L"TabFontSize", L"11");
    Load();
    EXPECT_EQ(settings.TabFontSize, 12) << "switch missing: the system's size";

    Dword(key, L"EnableFontSize", 1);
    Load();
    EXPECT_EQ(settings.TabFontSize, 11);

    Text(key, L"TabFontSize", L"abc");
    Load();
    EXPECT_EQ(settings.TabFontSize, 11) << "text that is no number keeps the size";

    registry->Delete(HKCU, key, L"TabFontSize");
    Load();
    EXPECT_EQ(settings.TabFontSize, 12);

    system->metrics.reset();
    Load();
    EXPECT_EQ(settings.TabFontSize, 9);
}

TEST_F(SettingsTest, FontNameIsReadOnlyWhileItsSwitchIsOn) {
    const std::wstring key = K + L"\\TabFontName";
    Text(key, L"TabFontName", L"Arial");
    Dword(key, L"EnableFontName", 0);
    Load();
    EXPECT_EQ(settings.TabFontName, L"Segoe UI");

    Dword(key, L"EnableFontName", 1);
    Load();
    EXPECT_EQ(settings.TabFontName, L"Arial");

    registry->Delete(HKCU, key, L"TabFontName");
    Load();
    EXPECT_EQ(settings.TabFontName, L"Segoe UI");
}

TEST_F(SettingsTest, AValueDeletedBetweenLoadsKeepsItsFieldUnlessItHasADefault) {
    Dword(K, L"CoSelect", 0x123456);
    Dword(K, L"Position", 2);
    Dword(K, L"FixWidth", 150);
    Dword(K, L"Theme", 3);
    Dword(K + L"\\HotKeyBar", L"KeyCode", 66);
    Load();
    for (const auto* name : {L"CoSelect", L"Position", L"FixWidth", L"Theme"}) {
        registry->Delete(HKCU, K, name);
    }
    registry->Delete(HKCU, K + L"\\HotKeyBar", L"KeyCode");
    Load();
    EXPECT_EQ(settings.CoSelect, 0x123456);
    EXPECT_EQ(settings.Position, 2);
    EXPECT_EQ(settings.FixWidth, 0);
    EXPECT_EQ(settings.Theme, 7);
    EXPECT_EQ(settings.HotKeyBar.KeyCode, 81);
}

TEST_F(SettingsTest, AValueOfATypeThatIsNotReadTakesTheDefault) {
    constexpr std::uint32_t Qword = 11, MultiText = 7;
    registry->Put(HKCU, K, L"Theme", Qword, {3, 0, 0, 0, 0, 0, 0, 0});
    registry->Put(HKCU, K + L"\\HotKeyBar", L"KeyCode", MultiText, {'B', 0, 0});
    Dword(K + L"\\TabFontSize", L"EnableFontSize", 1);
    registry->Put(HKCU, K + L"\\TabFontSize", L"TabFontSize", Qword, {11, 0, 0, 0, 0, 0, 0, 0});
    Load();
    EXPECT_EQ(settings.Theme, 7);
    EXPECT_EQ(settings.HotKeyBar.KeyCode, 81);
    EXPECT_EQ(settings.TabFontSize, 12);
}

TEST_F(SettingsTest, OfficeThemeIsReadOnHost14Only) {
    const std::wstring office = L"Software\\Microsoft\\Office\\14.0\\Common";
    Dword(office, L"Theme", 3);
    Load();
    EXPECT_EQ(OfficeTheme, 3);

    for (const auto* host : {L"12.0", L"14", L""}) {
        HostVersion = host;
        OfficeTheme = 5;
        Load();
        EXPECT_EQ(OfficeTheme, 5) << host;
    }
}

TEST_F(SettingsTest, ValuesAreReadInTheLoadersOrder) {
    Dword(K + L"\\TabFontSize", L"EnableFontSize", 1);
    Dword(K + L"\\TabFontName", L"EnableFontName", 1);
    // Values are asked for only below keys that exist.
    for (const auto* key : {L"\\HotKeyBar", L"\\HotKeyTabit"}) {
        Dword(K + key, L"Other", 0);
    }
    Dword(L"Software\\Microsoft\\Office\\14.0\\Common", L"Other", 0);
    Load();
    const std::vector<std::string> expected = {
        "FixWidth",       "MaxWidth",     "OneHide",      "Theme",    "EnableFontSize",
        "EnableFontName", "TbLayout",     "EnableAlt",    "EnableTa", "EnableTi",
        "EnableReorder",  "EnableCreate", "EnableMiddle", "ShowAll",  "DoubleC",
        "TabShow",        "Position",     "CusColor",     "CoSelect", "CoNormal",
        "CoBack",         "CoBackii",     "CoText",       "CoTextSe", "ExitInfor",
        "TabFontSize",    "TabFontName",  "KeyName",      "KeyName",  "KeyCode",
        "ModKeyCode",     "KeyCode",      "ModKeyCode",   "Theme"};
    EXPECT_EQ(registry->queried, expected);
}

TEST_F(SettingsTest, WritersStoreEachValueWithItsTypeInItsPlace) {
    EXPECT_TRUE(WriteSetting(*registry, Setting::TabFontSize, 11));
    EXPECT_TRUE(WriteSetting(*registry, Setting::HotKeyBarKeyName, L"Ctrl+B"));
    EXPECT_TRUE(WriteSetting(*registry, Setting::HotKeyTabitKeyCode, 78));
    EXPECT_TRUE(WriteSetting(*registry, Setting::CoBackii, 0x00102030));

    const auto size = registry->Find(HKCU, K + L"\\TabFontSize", L"TabFontSize");
    ASSERT_TRUE(size);
    EXPECT_EQ(size->type, 1u);
    EXPECT_EQ(size->data, (std::vector<std::uint8_t>{'1', '1', 0}));
    const auto name = registry->Find(HKCU, K + L"\\HotKeyBar", L"KeyName");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->type, 1u);
    EXPECT_EQ(registry->FindDword(HKCU, K + L"\\HotKeyTabit", L"KeyCode"), 78);
    EXPECT_EQ(registry->FindDword(HKCU, K, L"CoBackii"), 0x00102030);

    Dword(K + L"\\TabFontSize", L"EnableFontSize", 1);
    Load();
    EXPECT_EQ(settings.TabFontSize, 11);
    EXPECT_EQ(settings.HotKeyBar.KeyName, L"Ctrl+B");
}

}  // namespace
}  // namespace morvane::test
