// The registry contract and the settings loader against the real registry of the test prefix.

#include <windows.h>

#include <gtest/gtest.h>

#include "RegistryContract.h"
#include "shared/LoadSettings.h"
#include "shared/Main.h"
#include "shared/SettingsSchema.h"
#include "shared/WinRegistry_win.h"
#include "shared/WinSystem_win.h"
#include "shared/mdPub.h"

namespace morvane::test {
namespace {

void DeleteTree(HKEY root, const std::wstring& path) {
    RegDeleteTreeW(root, path.c_str());
}

INSTANTIATE_TEST_SUITE_P(Real, RegistryContract,
                         ::testing::Values(RegistryTarget{
                             "WinRegistry", [] { return std::make_shared<WinRegistry>(); },
                             [] { DeleteTree(HKEY_CURRENT_USER, ScratchKey); }}),
                         [](const auto& info) { return info.param.name; });

const std::wstring K = L"SOFTWARE\\Microsoft\\Shared Tools\\Morvane";
const std::wstring Loader =
    L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Qor_Loader.Quma_Loader";

class RealSettings : public ::testing::Test {
  protected:
    void SetUp() override { CleanUp(); }
    void TearDown() override { CleanUp(); }
    WinRegistry registry;
    const WinSystem system;
    TabSettings Settings;
    std::int32_t OfficeTheme = 0;

    static void CleanUp() {
        DeleteTree(HKEY_CURRENT_USER, K);
        DeleteTree(HKEY_CURRENT_USER, Loader);
        DeleteTree(HKEY_LOCAL_MACHINE, Loader);
    }
};

TEST_F(RealSettings, LoadsStoredValuesAndDefaults) {
    ASSERT_TRUE(WriteSetting(registry, Setting::FixWidth, 150));
    ASSERT_TRUE(WriteSetting(registry, Setting::EnableFontSize, 1));
    ASSERT_TRUE(WriteSetting(registry, Setting::TabFontSize, 11));
    ASSERT_TRUE(WriteSetting(registry, Setting::HotKeyBarKeyName, L"Ctrl+B"));
    mdPub::LoadSettings(registry, &system, Settings, L"14.0", OfficeTheme);
    EXPECT_EQ(Settings.FixWidth, 150);
    EXPECT_EQ(Settings.TabFontSize, 11);
    EXPECT_EQ(Settings.HotKeyBar.KeyName, L"Ctrl+B");
    EXPECT_EQ(Settings.HotKeyBar.KeyCode, 81);
    EXPECT_EQ(Settings.Theme, 7);
    EXPECT_EQ(Settings.TabFontName, mdPub::SystemFontName(&system));
    EXPECT_FALSE(Settings.TabFontName.empty());
}

TEST_F(RealSettings, MainRegistersTheLoaderInBothHives) {
    ASSERT_TRUE(WriteSetting(registry, Setting::EnabledApp, 1));
    mdPub::Main(Settings);
    for (const RootKey root : {RootKey::CurrentUser, RootKey::LocalMachine}) {
        std::int32_t behavior = 0;
        EXPECT_TRUE(mdReg::GetRegValue(registry, root, Loader, L"LoadBehavior", behavior));
        EXPECT_EQ(behavior, 3);
    }
    EXPECT_EQ(Settings.EnabledApp, 1);
}

}  // namespace
}  // namespace morvane::test
