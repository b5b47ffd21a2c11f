#include "center/CenterStartup.h"

#include <gtest/gtest.h>

#include "shared/SettingsSchema.h"
#include "support/FakeRegistry.h"

namespace morvane::test {
namespace {

const std::wstring Office = L"SOFTWARE\\Microsoft\\Office\\";
const std::wstring Security = L"SOFTWARE\\Microsoft\\Office\\14.0\\Project\\Security";
const std::wstring Addin = L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Qor.Morvane";
const std::wstring Loader =
    L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Qor_Loader.Quma_Loader";
constexpr RootKey Hives[] = {RootKey::LocalMachine64, RootKey::LocalMachine32,
                             RootKey::CurrentUser};

void PutKey(FakeRegistry& registry, const std::wstring& key) {
    registry.PutDword(RootKey::CurrentUser, key, L"Marker", 1);
}

TEST(CenterStartup, RegKeyExistsOpensForReadingAndClosesAgain) {
    FakeRegistry registry;
    PutKey(registry, Office + L"Common");
    EXPECT_TRUE(center::RegKeyExists(registry, RootKey::CurrentUser, Office + L"Common"));
    EXPECT_FALSE(center::RegKeyExists(registry, RootKey::CurrentUser, Office + L"15.0"));
    EXPECT_FALSE(center::RegKeyExists(registry, RootKey::LocalMachine, Office + L"Common"));
    EXPECT_EQ(registry.OpenKeys(), 0u);
    registry.Fail("OpenRead");
    EXPECT_FALSE(center::RegKeyExists(registry, RootKey::CurrentUser, Office + L"Common"));
}

TEST(CenterStartup, OfficeVersionIsTheNewestCommonKey) {
    const struct {
        std::vector<std::wstring> keys;
        std::wstring version;
    } cases[] = {
        {{L"14.0\\Common", L"12.0\\Common"}, L"14.0"},
        {{L"12.0\\Common"}, L"12.0"},
        {{L"14.0\\Common"}, L"14.0"},
        {{L"Common", L"11.0\\Common"}, L"11.0"},
        {{}, L"11.0"},
    };
    for (const auto& c : cases) {
        FakeRegistry registry;
        for (const auto& key : c.keys) {
            PutKey(registry, Office + key);
        }
        EXPECT_EQ(center::OfficeVersionOf(registry), c.version) << c.keys.size();
    }
}

TEST(CenterStartup, DepIsTurnedOffOnlyWhereOfficeSharesItsSettings) {
    const struct {
        bool officeCommon;
        std::optional<std::int32_t> stored;
        std::optional<std::int32_t> after;
        std::size_t writes;
    } cases[] = {
        {false, std::nullopt, std::nullopt, 0},
        {false, 1, 1, 0},
        {true, std::nullopt, 0, 1},
        {true, 1, 0, 1},
        {true, -5, 0, 1},
        {true, 0, 0, 0},
    };
    for (const auto& c : cases) {
        FakeRegistry registry;
        if (c.officeCommon) {
            PutKey(registry, Office + L"Common");
        }
        if (c.stored) {
            registry.PutDword(RootKey::CurrentUser, Security, L"EnableDEP", *c.stored);
        }
        center::TurnOffProjectDep(registry);
        EXPECT_EQ(registry.FindDword(RootKey::CurrentUser, Security, L"EnableDEP"), c.after);
        EXPECT_EQ(registry.writes.size(), c.writes);
        if (c.writes == 1) {
            EXPECT_EQ(registry.writes[0].value.type, 4u);
        }
    }
}

class CenterLoad : public ::testing::Test {
  protected:
    void Store(Setting id, std::int32_t value) {
        registry.PutDword(RootKey::CurrentUser, KeyPathOf(id), std::wstring(SchemaOf(id).Name),
                          value);
    }
    void StoreText(Setting id, const std::wstring& text) {
        registry.PutText(RootKey::CurrentUser, KeyPathOf(id), std::wstring(SchemaOf(id).Name),
                         text);
    }
    void Load() { center::LoadSettings(registry, settings, {11, L"System Font"}); }
    std::optional<std::int32_t> Behavior(RootKey root, const std::wstring& key) const {
        return registry.FindDword(root, key, L"LoadBehavior");
    }

    FakeRegistry registry;
    TabSettings settings;
};

TEST_F(CenterLoad, StoredValuesArriveWithoutTheAddinsBounds) {
    Store(Setting::FixWidth, 500);
    Store(Setting::MaxWidth, 20);
    Store(Setting::OneHide, 5);
    Store(Setting::Theme, 3);
    Store(Setting::Position, 9);
    Load();
    EXPECT_EQ(settings.FixWidth, 500);
    EXPECT_EQ(settings.MaxWidth, 20);
    EXPECT_EQ(settings.OneHide, 5);
    EXPECT_EQ(settings.Theme, 3);
    EXPECT_EQ(settings.Position, 9);
}

TEST_F(CenterLoad, AnEmptyRegistryGivesTheDefaultsAndSwitchesTheAddinOn) {
    settings.CoSelect = 77;  // a value without a default keeps what the field held
    Load();
    EXPECT_EQ(settings.Theme, 7);
    EXPECT_EQ(settings.EnabledApp, 0);
    EXPECT_EQ(settings.HotKeyBar, (HotKeyInfo{L"Default(Win+Q)", 81, 8}));
    EXPECT_EQ(settings.HotKeyTabit, (HotKeyInfo{L"Default(Ctrl+Tab)", 9, 2}));
    EXPECT_EQ(settings.CoSelect, 77);
    EXPECT_EQ(settings.TabFontSize, 11);
    EXPECT_EQ(settings.TabFontName, L"System Font");
    for (const RootKey root : Hives) {
        EXPECT_EQ(Behavior(root, Addin), 3);
        EXPECT_EQ(Behavior(root, Loader), 3);
    }
}

TEST_F(CenterLoad, TheStoredSwitchRegistersTheAddinAgainAtEveryStart) {
    for (const std::int32_t enabledApp : {1, 0}) {
        Store(Setting::EnabledApp, enabledApp);
        for (const RootKey root : Hives) {
            registry.PutDword(root, Loader, L"LoadBehavior", 2);
        }
        Load();
        for (const RootKey root : Hives) {
            EXPECT_EQ(Behavior(root, Addin), enabledApp == 1 ? 2 : 3);
            EXPECT_EQ(Behavior(root, Loader), 3);
        }
    }
}

TEST_F(CenterLoad, AMachineHiveThatRefusesWritesLeavesTheUsersRegistration) {
    Store(Setting::EnabledApp, 1);
    registry.readOnly = {RootKey::LocalMachine64, RootKey::LocalMachine32};
    Load();
    EXPECT_EQ(Behavior(RootKey::CurrentUser, Addin), 2);
    EXPECT_EQ(Behavior(RootKey::CurrentUser, Loader), 3);
    EXPECT_FALSE(Behavior(RootKey::LocalMachine64, Addin));
}

TEST_F(CenterLoad, FontsFollowTheirSwitches) {
    StoreText(Setting::TabFontName, L"Stored Face");
    StoreText(Setting::TabFontSize, L"14");
    Load();
    EXPECT_EQ(settings.TabFontName, L"System Font");
    EXPECT_EQ(settings.TabFontSize, 11);

    Store(Setting::EnableFontName, 1);
    Store(Setting::EnableFontSize, 1);
    Load();
    EXPECT_EQ(settings.TabFontName, L"Stored Face");
    EXPECT_EQ(settings.TabFontSize, 14);
}

TEST_F(CenterLoad, ReadsInItsOwnOrderAndWritesTheRegistrationBeforeTheFonts) {
    Store(Setting::EnableFontName, 1);
    Store(Setting::EnableFontSize, 1);
    // Values under a missing subkey are never asked for.
    Store(Setting::HotKeyBarKeyCode, 66);
    Store(Setting::HotKeyTabitKeyCode, 66);
    Load();
    const std::vector<std::string> expected{
        "Theme",        "EnabledApp",   "Position",   "FixWidth",       "MaxWidth",
        "TbLayout",     "OneHide",      "CusColor",   "CoSelect",       "CoNormal",
        "CoBack",       "CoBackii",     "CoText",     "CoTextSe",       "DoubleC",
        "EnableTa",     "EnableTi",     "EnableAlt",  "ShowAll",        "EnableReorder",
        "EnableCreate", "EnableMiddle", "ExitInfor",  "EnableFontSize", "EnableFontName",
        "KeyName",      "KeyName",      "KeyCode",    "ModKeyCode",     "KeyCode",
        "ModKeyCode",   "TabFontSize",  "TabFontName"};
    EXPECT_EQ(registry.queried, expected);
    // The loader and the add-in, each in both machine views and for the user.
    ASSERT_EQ(registry.writes.size(), 6u);
}

}  // namespace
}  // namespace morvane::test
