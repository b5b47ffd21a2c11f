// Morvane.dll registered with regsvr32 and loaded by the stand-in host as Project loads it.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "AddinDll_win.h"
#include "addin/Qor_win.h"
#include "shared/HostDispIds.h"
#include "shared/Office_win.h"
#include "shared/SettingsSchema.h"
#include "shared/TabSettings.h"
#include "standin/AddinLoader_win.h"
#include "support/ThreadWindows_win.h"

namespace morvane::test {
namespace {

using standin::ObjectKind;

const std::wstring kSettings(SettingsKey);

// The class made from the DLL as COM makes it, for driving the connection step by step.
class DirectAddin {
  public:
    DirectAddin() : module_(LoadLibraryW(DllPath().c_str())) { addin = NewAddinObject(module_); }
    DirectAddin(const DirectAddin&) = delete;
    DirectAddin& operator=(const DirectAddin&) = delete;
    ~DirectAddin() {
        addin = nullptr;
        FreeLibrary(module_);
    }
    HRESULT CanUnloadNow() const {
        using CanUnload = HRESULT(STDAPICALLTYPE*)();
        return reinterpret_cast<CanUnload>(
            reinterpret_cast<void (*)()>(GetProcAddress(module_, "DllCanUnloadNow")))();
    }

    com::ComPtr<IDTExtensibility2> addin;

  private:
    HMODULE module_;
};

TEST_F(AddinDllTest, ProjectStartingUpConnectsTheRegisteredAddinAndItsExitTakesItDown) {
    StartHost(3);
    EXPECT_EQ(host->LoadAddins(), 1);
    host->Pump();
    EXPECT_EQ(host->Addins().Connected(), std::vector<std::wstring>{kProgId});
    ASSERT_NE(Bar(), nullptr);
    EXPECT_TRUE(IsWindowVisible(Bar()));
    EXPECT_EQ(WindowsOfClass(L"MorvaneTabControl").size(), 1u);
    EXPECT_TRUE(MainHooked());
    EXPECT_TRUE(ClientHooked());
    EXPECT_TRUE(HotKeyTaken(MOD_ALT, '1'));
    EXPECT_TRUE(HasMenus());

    host->Close();
    host->Pump();
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_TRUE(WindowsOfClass(L"MorvaneTabControl").empty());
    EXPECT_FALSE(HotKeyTaken(MOD_ALT, '1'));
}

TEST_F(AddinDllTest, TheAddinsIDispatchAnswersTheRibbonCallbacksByNameFromItsTypeLibrary) {
    StartHost(0);
    DirectAddin direct;
    ASSERT_TRUE(direct.addin);
    com::ComPtr<IDispatch> dispatch = direct.addin.As<IDispatch>();
    const wchar_t* names[] = {L"GetRibbonXML",      L"GetLabel", L"GetDescription",
                              L"rxcustomUI_onLoad", L"getImage", L"pr_OnAction"};
    for (DISPID expected = 1; const wchar_t* name : names) {
        DISPID id = DISPID_UNKNOWN;
        EXPECT_EQ(com::DispIdOf(dispatch.Get(), name, id), S_OK) << name;
        EXPECT_EQ(id, expected++) << name;
    }
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(com::DispIdOf(dispatch.Get(), L"OnConnection", id), DISP_E_UNKNOWNNAME);

    // The vtable part of the dual interface: the six callbacks right after IDispatch's seven
    // members, in the order the class declares them.
    com::ComPtr<ITypeInfo> dispatchInfo;
    ASSERT_EQ(dispatch->GetTypeInfo(0, 0, dispatchInfo.Put()), S_OK);
    HREFTYPE vtablePart = 0;
    com::ComPtr<ITypeInfo> info;
    ASSERT_EQ(dispatchInfo->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtablePart), S_OK);
    ASSERT_EQ(dispatchInfo->GetRefTypeInfo(vtablePart, info.Put()), S_OK);
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
    EXPECT_TRUE(IsEqualGUID(attr->guid, __uuidof(_Morvane)));
    EXPECT_EQ(attr->typekind, TKIND_INTERFACE);
    EXPECT_EQ(attr->cFuncs, 6);
    info->ReleaseTypeAttr(attr);
    for (UINT i = 0; i < 6; ++i) {
        FUNCDESC* func = nullptr;
        ASSERT_EQ(info->GetFuncDesc(i, &func), S_OK);
        EXPECT_EQ(func->memid, static_cast<MEMBERID>(i + 1));
        EXPECT_EQ(func->oVft, static_cast<SHORT>((7 + i) * sizeof(void*)));
        info->ReleaseFuncDesc(func);
    }
    EXPECT_TRUE(direct.addin.As<IRibbonExtensibility>());
}

// Each dual interface answers late-bound calls with its own members: id 1 through
// IRibbonExtensibility is GetCustomUI, which a switched-off add-in answers with no document.
TEST_F(AddinDllTest, EachDualInterfaceAnswersLateBoundCallsWithItsOwnMembers) {
    StartHost(0, {{L"EnabledApp", 1}});
    DirectAddin direct;
    ASSERT_TRUE(direct.addin);
    const auto ribbon = direct.addin.As<IRibbonExtensibility>();
    ASSERT_TRUE(ribbon);
    DISPID id = DISPID_UNKNOWN;
    EXPECT_EQ(com::DispIdOf(ribbon.Get(), L"GetCustomUI", id), S_OK);
    EXPECT_EQ(id, 1);
    EXPECT_EQ(com::DispIdOf(ribbon.Get(), L"GetRibbonXML", id), DISP_E_UNKNOWNNAME);
    com::Variant xml;
    ASSERT_EQ(com::Invoke(ribbon.Get(), 1, DISPATCH_METHOD,
                          {com::Variant::Text(L"Microsoft.Project.Project")}, &xml),
              S_OK);
    std::wstring text = L"not read";
    EXPECT_TRUE(xml.ToText(text));
    EXPECT_EQ(text, L"");

    IDispatch* const connection = direct.addin.Get();
    EXPECT_EQ(com::DispIdOf(connection, L"OnStartupComplete", id), S_OK);
    EXPECT_EQ(id, 4);
    EXPECT_EQ(com::DispIdOf(connection, L"GetRibbonXML", id), DISP_E_UNKNOWNNAME);
    // Asked for plainly, the class's IDispatch is _Morvane's, which Office calls by name.
    const auto plain = direct.addin.As<IDispatch>();
    EXPECT_EQ(com::DispIdOf(plain.Get(), L"GetRibbonXML", id), S_OK);
}

// The taskbar switch: at once for a connection after start-up, only at the start-up-complete
// step for a connection during start-up; ShowAll 0 switches it off, any other value on.
struct TaskbarCase {
    int connectMode;
    DWORD showAll;
    bool hostBefore;
    bool afterConnection;
    bool afterStartupComplete;
};

class ConnectModeTest : public AddinDllTest, public ::testing::WithParamInterface<TaskbarCase> {};

TEST_P(ConnectModeTest, TheTaskbarSwitchFollowsTheConnectMode) {
    const TaskbarCase c = GetParam();
    StartHost(2, {{L"ShowAll", c.showAll}});
    host->SetShowWindowsInTaskbar(c.hostBefore);
    {
        DirectAddin direct;
        ASSERT_TRUE(direct.addin);
        ASSERT_EQ(
            direct.addin->OnConnection(host->Application().Get(), c.connectMode, nullptr, nullptr),
            S_OK);
        EXPECT_EQ(host->ShowWindowsInTaskbar(), c.afterConnection);
        EXPECT_EQ(host->Calls(ObjectKind::Application, appid::ShowWindowsInTaskbar) > 0,
                  c.connectMode != office::ext_cm_Startup);
        EXPECT_EQ(direct.addin->OnStartupComplete(nullptr), S_OK);
        EXPECT_EQ(host->ShowWindowsInTaskbar(), c.afterStartupComplete);
        EXPECT_EQ(direct.addin->OnDisconnection(office::ext_dm_HostShutdown, nullptr), S_OK);
        EXPECT_FALSE(MainHooked());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectModeTest,
    ::testing::Values(TaskbarCase{office::ext_cm_Startup, 1, false, false, true},
                      TaskbarCase{office::ext_cm_Startup, 0, true, true, false},
                      TaskbarCase{office::ext_cm_AfterStartup, 1, false, true, true},
                      TaskbarCase{office::ext_cm_AfterStartup, 0, true, false, false},
                      TaskbarCase{office::ext_cm_External, 7, false, true, true},
                      TaskbarCase{office::ext_cm_CommandLine, 0, true, false, false}));

TEST_F(AddinDllTest, AHostThatLetsGoWithoutDisconnectingLeavesNoHookBehind) {
    StartHost(3);
    {
        DirectAddin direct;
        ASSERT_TRUE(direct.addin);
        ASSERT_EQ(direct.addin->OnConnection(host->Application().Get(), office::ext_cm_Startup,
                                             nullptr, nullptr),
                  S_OK);
        ASSERT_TRUE(MainHooked());
    }
    EXPECT_FALSE(DllLoaded());
    EXPECT_FALSE(MainHooked());
    EXPECT_FALSE(ClientHooked());
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_FALSE(HotKeyTaken(MOD_ALT, '1'));
    // The host's windows go on working without the library.
    host->OpenProject(L"After.mpp");
    host->Pump();
}

TEST_F(AddinDllTest, EnabledAppOneMakesEveryConnectionMethodANoOp) {
    StartHost(3, {{L"EnabledApp", 1}, {L"ShowAll", 1}});
    const auto barsBefore = host->CommandBars().BarNames();
    EXPECT_EQ(host->LoadAddins(), 1);
    host->Pump();
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_FALSE(MainHooked());
    EXPECT_FALSE(ClientHooked());
    EXPECT_FALSE(HotKeyTaken(MOD_ALT, '1'));
    EXPECT_EQ(host->CommandBars().BarNames(), barsBefore);
    EXPECT_EQ(host->Calls(ObjectKind::Application, appid::Version), 0);
    EXPECT_EQ(host->Calls(ObjectKind::Application, appid::ShowWindowsInTaskbar), 0);
    EXPECT_FALSE(host->ShowWindowsInTaskbar());
    EXPECT_TRUE(host->Addins().Disconnect(kProgId));
    EXPECT_TRUE(host->Addins().Connect(kProgId));
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(host->Calls(ObjectKind::Application, appid::ShowWindowsInTaskbar), 0);
}

TEST_F(AddinDllTest, DisconnectingTakesEverythingDownAndReconnectingRereadsEverySetting) {
    StartHost(3, {{L"Position", BarAbove}});
    ASSERT_EQ(host->LoadAddins(), 1);
    host->Pump();
    ASSERT_NE(Bar(), nullptr);
    RECT client{};
    RECT bar{};
    GetWindowRect(host->Client(), &client);
    GetWindowRect(Bar(), &bar);
    EXPECT_LE(std::abs(bar.top - client.top), 2) << "the bar along the client window's top";
    EXPECT_GT(bar.right - bar.left, bar.bottom - bar.top);
    EXPECT_TRUE(HotKeyTaken(MOD_ALT, '1'));

    ASSERT_TRUE(host->Addins().Disconnect(kProgId));
    host->Pump();
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_FALSE(MainHooked());
    EXPECT_FALSE(ClientHooked());
    EXPECT_FALSE(HotKeyTaken(MOD_ALT, '1'));

    SetDword(HKEY_CURRENT_USER, kSettings, L"Position", BarLeft);
    SetDword(HKEY_CURRENT_USER, kSettings, L"EnableAlt", 1);
    SetDword(HKEY_CURRENT_USER, kSettings, L"ShowAll", 1);
    ASSERT_TRUE(host->Addins().Connect(kProgId));
    host->Pump();
    ASSERT_NE(Bar(), nullptr);
    GetWindowRect(host->Client(), &client);
    GetWindowRect(Bar(), &bar);
    EXPECT_LE(std::abs(bar.left - client.left), 2) << "the bar along the client window's left";
    EXPECT_GT(bar.bottom - bar.top, bar.right - bar.left);
    EXPECT_TRUE(MainHooked());
    EXPECT_TRUE(ClientHooked());
    EXPECT_FALSE(HotKeyTaken(MOD_ALT, '1')) << "Alt+1 switched off in the settings";
    EXPECT_TRUE(HasMenus());
    EXPECT_TRUE(host->ShowWindowsInTaskbar());
}

TEST_F(AddinDllTest, AMachineRegistrationIsLoadedByItsProgId) {
    ASSERT_EQ(Regsvr32(L"/u /n /i:user"), 0u);
    ASSERT_EQ(Regsvr32(L""), 0u);
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(kProgId, &clsid), S_OK);
    StartHost(2);
    EXPECT_EQ(host->LoadAddins(), 1);
    host->Pump();
    EXPECT_NE(Bar(), nullptr);
    EXPECT_TRUE(MainHooked());
    host.reset();
    EXPECT_EQ(Regsvr32(L"/u"), 0u);
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, L"Software\\Classes\\Qor.Morvane"));
}

// The host's interface language: without its key, or with a locale the language file lacks,
// the texts are the English ones, and the connection completes.
class LanguageKeyTest : public AddinDllTest, public ::testing::WithParamInterface<int> {};

TEST_P(LanguageKeyTest, TheMenusCarryTheEnglishTexts) {
    const std::wstring key = L"Software\\Microsoft\\Office\\14.0\\MS Project";
    RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"CurrentUI");
    if (GetParam() != 0) {
        SetDword(HKEY_CURRENT_USER, key, L"CurrentUI", static_cast<DWORD>(GetParam()));
    }
    StartHost(2);
    ASSERT_EQ(host->LoadAddins(), 1);
    host->Pump();
    EXPECT_NE(Bar(), nullptr);
    const auto items = host->CommandBars().BarControls(L"PupTabOnItem");
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.front().caption, L"&New");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"CurrentUI");
}

INSTANTIATE_TEST_SUITE_P(Keys, LanguageKeyTest, ::testing::Values(0, 1033, 9999));

// A host call that fails at each step of the connection: the add-in goes on with the next
// step, returns success, and can be disconnected and connected again.
struct Fault {
    ObjectKind kind;
    const wchar_t* member;
};

class FaultTest : public AddinDllTest, public ::testing::WithParamInterface<Fault> {};

TEST_P(FaultTest, AFailingHostCallNeitherCrashesNorEscapes) {
    StartHost(3, {{L"ShowAll", 1}});
    host->Fail(GetParam().kind, GetParam().member);
    EXPECT_EQ(host->LoadAddins(), 1);
    host->Pump();
    EXPECT_TRUE(host->Addins().Disconnect(kProgId));
    EXPECT_TRUE(host->Addins().Connect(kProgId));
    host->Pump();
    host->HealAll();
    EXPECT_TRUE(host->Addins().Disconnect(kProgId));
    EXPECT_TRUE(host->Addins().Connect(kProgId));
    host->Pump();
    EXPECT_NE(Bar(), nullptr) << "healed, the next connection brings the bar";
}

INSTANTIATE_TEST_SUITE_P(
    Members, FaultTest,
    ::testing::Values(
        Fault{ObjectKind::Application, L"Version"}, Fault{ObjectKind::Application, L"CommandBars"},
        Fault{ObjectKind::Application, L"Windows"}, Fault{ObjectKind::Application, L"ActiveWindow"},
        Fault{ObjectKind::Application, L"Projects"},
        Fault{ObjectKind::Application, L"DisplayWindowsInTaskbar"},
        Fault{ObjectKind::Windows, L"Count"}, Fault{ObjectKind::Windows, L"Item"},
        Fault{ObjectKind::Window, L"Caption"}, Fault{ObjectKind::Window, L"Visible"}));

TEST_F(AddinDllTest, AHundredReconnectionsLeaveNothingBehind) {
    StartHost(5);
    ASSERT_EQ(host->LoadAddins(), 1);
    host->Pump();
    // One round first, so that what the system makes once is in the start.
    ASSERT_TRUE(host->Addins().Disconnect(kProgId));
    host->Pump();
    const auto startWindows = ThreadWindows();
    const SIZE_T startMemory = WorkingSet();

    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(host->Addins().Connect(kProgId));
        host->Pump();
        ASSERT_NE(Bar(), nullptr) << "cycle " << i;
        ASSERT_TRUE(host->Addins().Disconnect(kProgId));
        host->Pump();
    }

    EXPECT_EQ(ThreadWindows(), startWindows);
    EXPECT_FALSE(MainHooked());
    EXPECT_FALSE(ClientHooked());
    for (UINT digit = '1'; digit <= '9'; ++digit) {
        EXPECT_FALSE(HotKeyTaken(MOD_ALT, digit));
    }
    EXPECT_LT(WorkingSet(), startMemory + 1024 * 1024);

    // The last object gone, the library may be unloaded.
    ASSERT_TRUE(host->Addins().Connect(kProgId));
    const HMODULE kept = LoadLibraryW(DllPath().c_str());
    using CanUnload = HRESULT(STDAPICALLTYPE*)();
    const auto canUnload = reinterpret_cast<CanUnload>(
        reinterpret_cast<void (*)()>(GetProcAddress(kept, "DllCanUnloadNow")));
    ASSERT_NE(canUnload, nullptr);
    EXPECT_EQ(canUnload(), S_FALSE);
    host->Close();
    EXPECT_EQ(canUnload(), S_OK);
    FreeLibrary(kept);
}

}  // namespace
}  // namespace morvane::test
