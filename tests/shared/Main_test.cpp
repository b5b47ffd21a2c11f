#include "shared/Main.h"

#include <gtest/gtest.h>

#include "support/FakeRegistry.h"

namespace morvane::test {
namespace {

const std::wstring Loader =
    L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Qor_Loader.Quma_Loader";
const std::wstring K = L"SOFTWARE\\Microsoft\\Shared Tools\\Morvane";

class MainTest : public ::testing::Test {
  protected:
    TabSettings Settings;
    std::optional<std::int32_t> LoadBehavior(RootKey root) const {
        return registry->FindDword(root, Loader, L"LoadBehavior");
    }

    std::shared_ptr<FakeRegistry> registry = std::make_shared<FakeRegistry>();
};

TEST_F(MainTest, RegistersTheLoaderInBothHivesAndSwitchesTheAddinOnByDefault) {
    Settings.EnabledApp = 5;
    mdPub::RegisterLoaderAndReadSwitch(*registry, Settings);
    EXPECT_EQ(LoadBehavior(RootKey::CurrentUser), 3);
    EXPECT_EQ(LoadBehavior(RootKey::LocalMachine), 3);
    ASSERT_EQ(registry->writes.size(), 2u);
    EXPECT_EQ(registry->writes[0].root, RootKey::CurrentUser);
    EXPECT_EQ(registry->writes[1].root, RootKey::LocalMachine);
    EXPECT_EQ(Settings.EnabledApp, 0);
}

TEST_F(MainTest, ReadsTheSwitchAndOverwritesAnEarlierLoadBehavior) {
    registry->PutDword(RootKey::CurrentUser, K, L"EnabledApp", 1);
    registry->PutDword(RootKey::CurrentUser, Loader, L"LoadBehavior", 2);
    registry->PutDword(RootKey::LocalMachine, Loader, L"LoadBehavior", 2);
    mdPub::RegisterLoaderAndReadSwitch(*registry, Settings);
    EXPECT_EQ(Settings.EnabledApp, 1);
    EXPECT_EQ(LoadBehavior(RootKey::CurrentUser), 3);
    EXPECT_EQ(LoadBehavior(RootKey::LocalMachine), 3);
}

TEST_F(MainTest, ARefusedMachineWriteStopsNothing) {
    registry->readOnly.insert(RootKey::LocalMachine);
    registry->PutDword(RootKey::CurrentUser, K, L"EnabledApp", 1);
    mdPub::RegisterLoaderAndReadSwitch(*registry, Settings);
    EXPECT_EQ(LoadBehavior(RootKey::CurrentUser), 3);
    EXPECT_FALSE(LoadBehavior(RootKey::LocalMachine));
    EXPECT_EQ(Settings.EnabledApp, 1);
}

}  // namespace
}  // namespace morvane::test
