// What regsvr32 writes and takes back, per user and for the machine, in this test prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include "AddinDll_win.h"
#include "shared/SettingsSchema.h"

namespace morvane::test {
namespace {

const std::wstring kClassKey = L"Software\\Classes\\CLSID\\{D504026E-642D-4F32-8AC3-46DA8206141B}";
const std::wstring kProgIdKey = L"Software\\Classes\\Qor.Morvane";
const std::wstring kTypeLibKey =
    L"Software\\Classes\\TypeLib\\{E0004159-AA13-4CDC-88C3-74B9570A4ED8}\\1.0";
const std::wstring kAddinKey = L"Software\\Microsoft\\Office\\MS Project\\Addins\\Qor.Morvane";
const std::wstring kSettings(SettingsKey);

// What must be there after a registration in `root`.
void ExpectRegistered(HKEY root) {
    EXPECT_EQ(ReadText(root, kProgIdKey + L"\\CLSID", nullptr),
              L"{D504026E-642D-4F32-8AC3-46DA8206141B}");
    EXPECT_EQ(ReadText(root, kClassKey + L"\\InprocServer32", nullptr), DllPath());
    EXPECT_EQ(ReadText(root, kClassKey + L"\\InprocServer32", L"ThreadingModel"), L"Apartment");
    EXPECT_EQ(ReadText(root, kClassKey + L"\\ProgID", nullptr), L"Qor.Morvane");
    EXPECT_EQ(
        ReadText(root, kTypeLibKey + (sizeof(void*) == 8 ? L"\\0\\win64" : L"\\0\\win32"), nullptr),
        DllPath());
    EXPECT_EQ(ReadText(root, kAddinKey, L"FriendlyName"), L"Morvane v6.00");
    EXPECT_NE(ReadText(root, kAddinKey, L"Description"), L"(none)");
    EXPECT_EQ(ReadDword(root, kAddinKey, L"LoadBehavior"), 3u);
}

class RegistrationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Regsvr32(L"/u /n /i:user");
        Regsvr32(L"/u");
        // The add-in's settings and another add-in's entry, which registration leaves alone.
        SetDword(HKEY_CURRENT_USER, kSettings, L"Position", 2);
        SetDword(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\MS Project\\Addins\\Other.Addin",
                 L"LoadBehavior", 2);
    }
    void TearDown() override {
        Regsvr32(L"/u /n /i:user");
        Regsvr32(L"/u");
        RegDeleteTreeW(HKEY_CURRENT_USER, kSettings.c_str());
        RegDeleteTreeW(HKEY_CURRENT_USER,
                       L"Software\\Microsoft\\Office\\MS Project\\Addins\\Other.Addin");
    }
};

TEST_F(RegistrationTest, PerUserRegistrationWritesEverythingUnderTheUserAndNothingUnderTheMachine) {
    const RegistryDump machine = Dump(HKEY_LOCAL_MACHINE, L"Software");
    ASSERT_EQ(Regsvr32(L"/n /i:user"), 0u);
    ExpectRegistered(HKEY_CURRENT_USER);
    EXPECT_TRUE(Dump(HKEY_LOCAL_MACHINE, L"Software") == machine)
        << "a per-user registration wrote under HKEY_LOCAL_MACHINE";
}

TEST_F(RegistrationTest, MachineRegistrationWritesUnderTheMachineAndIsVisibleToCom) {
    const RegistryDump user = Dump(HKEY_CURRENT_USER, L"Software");
    ASSERT_EQ(Regsvr32(L""), 0u);
    ExpectRegistered(HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(Dump(HKEY_CURRENT_USER, L"Software") == user);
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(L"Qor.Morvane", &clsid), S_OK);
    com::ComPtr<ITypeLib> library;
    const GUID libId = {
        0xE0004159, 0xAA13, 0x4CDC, {0x88, 0xC3, 0x74, 0xB9, 0x57, 0x0A, 0x4E, 0xD8}};
    EXPECT_EQ(LoadRegTypeLib(libId, 1, 0, 0, library.Put()), S_OK);
}

// Unregistration takes back exactly what registration wrote: settings and neighbours stay.
class UnregistrationTest : public RegistrationTest,
                           public ::testing::WithParamInterface<const wchar_t*> {};

TEST_P(UnregistrationTest, RemovesExactlyWhatRegistrationWrote) {
    const std::wstring hive = GetParam();
    const std::wstring switches = hive == L"user" ? L"/n /i:user" : L"";
    const RegistryDump user = Dump(HKEY_CURRENT_USER, L"Software");
    const RegistryDump machine = Dump(HKEY_LOCAL_MACHINE, L"Software");
    ASSERT_EQ(Regsvr32(switches), 0u);
    EXPECT_FALSE(Dump(HKEY_CURRENT_USER, L"Software") == user &&
                 Dump(HKEY_LOCAL_MACHINE, L"Software") == machine);
    ASSERT_EQ(Regsvr32(L"/u " + switches), 0u);
    EXPECT_TRUE(Dump(HKEY_CURRENT_USER, L"Software") == user);
    EXPECT_TRUE(Dump(HKEY_LOCAL_MACHINE, L"Software") == machine);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, kSettings, L"Position"), 2u);
    // Once more: nothing left to remove is no failure.
    EXPECT_EQ(Regsvr32(L"/u " + switches), 0u);
}

INSTANTIATE_TEST_SUITE_P(Hives, UnregistrationTest, ::testing::Values(L"user", L"machine"));

TEST_F(RegistrationTest, AFailingStepIsReportedAsFailureAndLeavesNothingBehind) {
    // A volatile parent: the add-in entry below it cannot be created.
    const std::wstring host = L"Software\\Microsoft\\Office\\MS Project";
    const RegistryDump before = Dump(HKEY_CURRENT_USER, L"Software\\Classes");
    RegDeleteTreeW(HKEY_CURRENT_USER, host.c_str());
    HKEY volatileKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, host.c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &volatileKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatileKey);
    EXPECT_NE(Regsvr32(L"/n /i:user"), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kClassKey));
    EXPECT_TRUE(Dump(HKEY_CURRENT_USER, L"Software\\Classes") == before);
    RegDeleteTreeW(HKEY_CURRENT_USER, host.c_str());
}

TEST_F(RegistrationTest, AnUnknownInstallArgumentIsAFailure) {
    EXPECT_NE(Regsvr32(L"/n /i:everyone"), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kClassKey));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kClassKey));
}

}  // namespace
}  // namespace morvane::test
