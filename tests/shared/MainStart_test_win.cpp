// The library's start-up as it runs first in a fresh process: no registry was installed by
// anyone, so Main must find the system's own. This program holds nothing else.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "shared/Main.h"

namespace morvane::test {
namespace {

const wchar_t* const Loader =
    L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Qor_Loader.Quma_Loader";
const wchar_t* const K = L"SOFTWARE\\Microsoft\\Shared Tools\\Morvane";

void CleanUp() {
    RegDeleteTreeW(HKEY_CURRENT_USER, Loader);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, Loader);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, K, L"EnabledApp");
}

void PutDword(HKEY root, const wchar_t* key, const wchar_t* name, DWORD value) {
    RegSetKeyValueW(root, key, name, REG_DWORD, &value, sizeof value);
}

DWORD Dword(HKEY root, const wchar_t* key, const wchar_t* name) {
    DWORD value = 0xFFFFFFFF;
    DWORD size = sizeof value;
    RegGetValueW(root, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

class MainStart : public ::testing::Test {
  protected:
    void SetUp() override { CleanUp(); }
    void TearDown() override { CleanUp(); }
};

// Runs first in this program: nobody handed Main a registry.
TEST_F(MainStart, MainWorksOnTheSystemsRegistryByItself) {
    PutDword(HKEY_CURRENT_USER, K, L"EnabledApp", 1);
    PutDword(HKEY_CURRENT_USER, Loader, L"LoadBehavior", 2);
    TabSettings settings;
    settings.EnabledApp = 0;
    mdPub::Main(settings);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, Loader, L"LoadBehavior"), 3u);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, Loader, L"LoadBehavior"), 3u);  // the prefix allows it
    EXPECT_EQ(settings.EnabledApp, 1);
}

TEST_F(MainStart, RunsOncePerProcess) {
    TabSettings settings;
    mdPub::RunMainOnce(settings);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, Loader, L"LoadBehavior"), 3u);
    // A second call writes nothing: the value set in between stays.
    PutDword(HKEY_CURRENT_USER, Loader, L"LoadBehavior", 2);
    mdPub::RunMainOnce(settings);
    EXPECT_EQ(Dword(HKEY_CURRENT_USER, Loader, L"LoadBehavior"), 2u);
}

}  // namespace
}  // namespace morvane::test
