// The backstage tab as Office shows it: the add-in's class asked for its document and called back
// by name through the stand-in's ribbon, with the bar connected in host "14.0".
#include <gtest/gtest.h>

#include <olectl.h>

#include "BarInHost_win.h"
#include "addin/Backstage.h"
#include "shared/SettingsSchema.h"
#include "standin/RibbonHost_win.h"

namespace morvane::test {
namespace {

DWORD StoredTabShow() {
    DWORD value = 0xFFFFFFFF;
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, std::wstring(SettingsKey).c_str(), L"TabShow", RRF_RT_REG_DWORD,
                 nullptr, &value, &size);
    return value;
}

class BackstageInHost : public BarInHost {
  protected:
    void SetUp() override {
        BarInHost::SetUp();
        StartHost(L"14.0");
        host->OpenProject(L"Alpha.mpp", L"C:\\Plans");
        host->OpenProject(L"Beta.mpp", L"C:\\Plans");
        Connect();
        ribbon = std::make_unique<standin::RibbonHost>(host->Application().Get());
        ASSERT_TRUE(ribbon->Load(static_cast<_Morvane*>(addin.Get())));
    }
    void TearDown() override {
        ribbon.reset();
        BarInHost::TearDown();
    }

    std::unique_ptr<standin::RibbonHost> ribbon;
};

TEST_F(BackstageInHost, OfficeGetsTheDocumentAndItsTexts) {
    EXPECT_TRUE(ribbon->HasBackstage());
    EXPECT_TRUE(ribbon->OnLoadCalled());
    EXPECT_EQ(ribbon->Xml(), Backstage::GetRibbonXML());
    EXPECT_EQ(ribbon->Label(L"Morvanevisible"), L"Show Tab bar");
    EXPECT_EQ(ribbon->Label(L"categoryMorvane"), L"Morvane Services and Support");
    EXPECT_EQ(ribbon->Label(L"Version"), L"Version: 6.50(bulid 2011-01-11)");
    EXPECT_EQ(ribbon->Description(L"Helps"), L"Get help using Morvane.");
    EXPECT_EQ(ribbon->Description(L"Version"), L"");
}

TEST_F(BackstageInHost, TheShowTaskTogglesTheBarAndItsImage) {
    const auto icon = ribbon->Image(L"Morvanevisible");
    EXPECT_TRUE(icon.picture);
    EXPECT_EQ(icon.pictureType, PICTYPE_ICON);
    const auto logo = ribbon->Image(L"logo");
    EXPECT_TRUE(logo.picture);
    EXPECT_EQ(logo.pictureType, PICTYPE_BITMAP);
    ASSERT_TRUE(IsWindowVisible(Bar()));

    ASSERT_TRUE(ribbon->Click(L"Morvanevisible"));
    host->Pump();
    EXPECT_EQ(Settings.TabShow, 1);
    EXPECT_EQ(StoredTabShow(), 1u);
    EXPECT_FALSE(IsWindowVisible(Bar()));
    EXPECT_EQ(ribbon->InvalidateCount(), 1);
    EXPECT_FALSE(ribbon->Image(L"Morvanevisible").picture);

    ASSERT_TRUE(ribbon->Click(L"Morvanevisible"));
    host->Pump();
    EXPECT_EQ(Settings.TabShow, 0);
    EXPECT_EQ(StoredTabShow(), 0u);
    EXPECT_TRUE(IsWindowVisible(Bar()));
    EXPECT_EQ(ribbon->InvalidateCount(), 2);
    EXPECT_TRUE(ribbon->Image(L"Morvanevisible").picture);
}

TEST_F(BackstageInHost, TheShowHideHotKeyInvalidatesTheRibbonToo) {
    SetForegroundWindow(host->MainWindow());
    SetActiveWindow(host->MainWindow());
    ASSERT_EQ(GetActiveWindow(), host->MainWindow());
    host->PressHotKey(401, MOD_WIN, 'Q');
    host->Pump();
    EXPECT_EQ(Settings.TabShow, 1);
    EXPECT_EQ(ribbon->InvalidateCount(), 1);
}

TEST(BackstageSwitchedOff, OfficeGetsNoDocument) {
    com::Apartment apartment;
    AddinState off;
    off.Settings.EnabledApp = 1;
    const auto addin = Morvane::Create(off, nullptr);
    standin::RibbonHost ribbon(nullptr);
    EXPECT_FALSE(ribbon.Load(static_cast<_Morvane*>(addin.Get())));
    EXPECT_TRUE(ribbon.Xml().empty());
}

}  // namespace
}  // namespace morvane::test
