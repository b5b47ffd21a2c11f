#include "standin/AddinLoader_win.h"

#include <gtest/gtest.h>

#include <sstream>

#include "shared/DispatchArgs_win.h"
#include "shared/DispatchObject_win.h"
#include "standin/Host_win.h"

namespace morvane::standin {
namespace {

const wchar_t kAddinA[] = L"Morvane.TestAddinA";
const wchar_t kAddinB[] = L"Morvane.TestAddinB";
const wchar_t kUnregistered[] = L"Morvane.TestAddinMissing";

// The host Application as the add-in sees it: its name only.
class FakeApplication : public com::DispatchObject {
  public:
    FakeApplication() : DispatchObject({{L"Name", DISPID_VALUE}}) {}

  private:
    HRESULT Call(DISPID id, WORD, const std::vector<VARIANT*>&, VARIANT* result) override {
        if (id != DISPID_VALUE) {
            return DISP_E_MEMBERNOTFOUND;
        }
        com::SetResult(result, com::Variant::Text(L"Microsoft Project"));
        return S_OK;
    }
};

std::wstring AddinKey(const std::wstring& progId) {
    return std::wstring(kAddinsKey) + L"\\" + progId;
}

void SetLoadBehavior(HKEY root, const std::wstring& progId, DWORD value) {
    ASSERT_EQ(RegSetKeyValueW(root, AddinKey(progId).c_str(), L"LoadBehavior", REG_DWORD, &value,
                              sizeof value),
              ERROR_SUCCESS);
}

// An export of the test add-in DLL (through the generic function type, as GCC asks).
template <typename F>
F Export(HMODULE module, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

using Registration = HRESULT(STDAPICALLTYPE*)();

// The test add-in DLL beside this program, registered for the current user for each test.
class AddinLoaderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            for (const wchar_t* key : kParentKeys) {
                HKEY opened = nullptr;
                if (RegOpenKeyExW(root, key, 0, KEY_READ, &opened) == ERROR_SUCCESS) {
                    RegCloseKey(opened);
                } else {
                    created_.emplace_back(root, key);
                }
            }
        }
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring dll = path;
        dll = dll.substr(0, dll.find_last_of(L"\\/") + 1) + L"morvane_test_addin.dll";
        module_ = LoadLibraryW(dll.c_str());
        ASSERT_NE(module_, nullptr);
        ASSERT_EQ(Export<Registration>(module_, "DllRegisterServer")(), S_OK);
        log_ = Export<const wchar_t* (*)()>(module_, "TestAddinLog");
        ASSERT_NE(log_, nullptr);
        Export<void (*)()>(module_, "TestAddinClearLog")();
    }
    void TearDown() override {
        for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
            for (const wchar_t* progId : {kAddinA, kAddinB, kUnregistered}) {
                RegDeleteTreeW(root, AddinKey(progId).c_str());
            }
        }
        // The parents this test created, deepest first, only while they are empty.
        for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
            RegDeleteKeyW(it->first, it->second);
        }
        if (module_) {
            Export<Registration>(module_, "DllUnregisterServer")();
            FreeLibrary(module_);
        }
    }

    // The add-in's log, one call a line.
    std::vector<std::wstring> Log() const {
        std::vector<std::wstring> lines;
        std::wistringstream in(log_());
        for (std::wstring line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }
    // Ours among the connected add-ins (the prefix may hold others' registrations).
    static std::vector<std::wstring> Ours(const AddinLoader& loader) {
        std::vector<std::wstring> ours;
        for (const auto& progId : loader.Connected()) {
            if (progId == kAddinA || progId == kAddinB) {
                ours.push_back(progId);
            }
        }
        return ours;
    }

    static constexpr const wchar_t* kParentKeys[] = {
        L"Software\\Microsoft\\Office", L"Software\\Microsoft\\Office\\MS Project", kAddinsKey};
    std::vector<std::pair<HKEY, const wchar_t*>> created_;
    com::Apartment apartment_;
    com::ComPtr<FakeApplication> application_ = com::Make<FakeApplication>();
    HMODULE module_ = nullptr;
    const wchar_t* (*log_)() = nullptr;
};

TEST_F(AddinLoaderTest, StartupConnectsLoadBehaviorThreeAndShutdownDisconnectsInOrder) {
    SetLoadBehavior(HKEY_CURRENT_USER, kAddinA, 3);
    SetLoadBehavior(HKEY_CURRENT_USER, kAddinB, 2);
    {
        AddinLoader loader(application_.Get(), L"12.0");
        loader.LoadAtStartup();
        EXPECT_EQ(Ours(loader), std::vector<std::wstring>{kAddinA});
        EXPECT_TRUE(loader.Addin(kAddinA));
        EXPECT_EQ(loader.Ribbon(kAddinA), nullptr);  // no ribbon before "14.0"
        EXPECT_EQ(Log(), (std::vector<std::wstring>{
                             L"A:OnConnection(1,Microsoft Project,Morvane.TestAddinA,empty)",
                             L"A:OnStartupComplete(empty)"}));
        loader.Shutdown();
        EXPECT_TRUE(loader.Connected().empty());
    }
    EXPECT_EQ(Log(), (std::vector<std::wstring>{
                         L"A:OnConnection(1,Microsoft Project,Morvane.TestAddinA,empty)",
                         L"A:OnStartupComplete(empty)", L"A:OnBeginShutdown(empty)",
                         L"A:OnDisconnection(0,empty)"}));
}

TEST_F(AddinLoaderTest, OnDemandConnectionsUseTheDialogsModes) {
    SetLoadBehavior(HKEY_CURRENT_USER, kAddinA, 3);
    AddinLoader loader(application_.Get(), L"11.0");
    loader.LoadAtStartup();
    ASSERT_TRUE(loader.Connect(kAddinB));
    EXPECT_FALSE(loader.Connect(kAddinB));  // connected already
    EXPECT_EQ(Ours(loader), (std::vector<std::wstring>{kAddinA, kAddinB}));
    ASSERT_TRUE(loader.Disconnect(kAddinB));
    EXPECT_FALSE(loader.Disconnect(kAddinB));
    EXPECT_FALSE(loader.Connect(kUnregistered));
    EXPECT_EQ(Log(), (std::vector<std::wstring>{
                         L"A:OnConnection(1,Microsoft Project,Morvane.TestAddinA,empty)",
                         L"A:OnStartupComplete(empty)",
                         L"B:OnConnection(0,Microsoft Project,Morvane.TestAddinB,empty)",
                         L"A:OnAddInsUpdate(empty)", L"B:OnDisconnection(1,empty)",
                         L"A:OnAddInsUpdate(empty)"}));
    // The destructor shuts down what is still connected.
}

TEST_F(AddinLoaderTest, UserEntriesComeFirstAndHideTheMachines) {
    SetLoadBehavior(HKEY_LOCAL_MACHINE, kAddinB, 3);
    SetLoadBehavior(HKEY_CURRENT_USER, kAddinB, 2);  // the user switched it off
    SetLoadBehavior(HKEY_LOCAL_MACHINE, kAddinA, 3);
    SetLoadBehavior(HKEY_LOCAL_MACHINE, kUnregistered, 3);  // no such class: skipped

    bool userB = false;
    bool machineA = false;
    for (const auto& e : RegisteredAddins()) {
        userB = userB || (e.progId == kAddinB && e.loadBehavior == 2 && !e.machine);
        machineA = machineA || (e.progId == kAddinA && e.loadBehavior == 3 && e.machine);
        EXPECT_FALSE(e.progId == kAddinB && e.machine);
    }
    EXPECT_TRUE(userB);
    EXPECT_TRUE(machineA);

    AddinLoader loader(application_.Get(), L"12.0");
    loader.LoadAtStartup();
    EXPECT_EQ(Ours(loader), std::vector<std::wstring>{kAddinA});
}

TEST_F(AddinLoaderTest, RibbonHostLoadsTheCustomUiOfEachConnectedAddin) {
    SetLoadBehavior(HKEY_CURRENT_USER, kAddinA, 3);
    AddinLoader loader(application_.Get(), L"14.0");
    loader.LoadAtStartup();
    RibbonHost* ribbon = loader.Ribbon(kAddinA);
    ASSERT_NE(ribbon, nullptr);
    EXPECT_TRUE(ribbon->HasBackstage());
    EXPECT_EQ(ribbon->Label(L"TestTask"), L"A TestTask");
    EXPECT_TRUE(ribbon->Click(L"TestTask"));
    EXPECT_EQ(Log(), (std::vector<std::wstring>{
                         L"A:OnConnection(1,Microsoft Project,Morvane.TestAddinA,empty)",
                         L"A:GetCustomUI(Microsoft.Project.Project)", L"A:OnRibbonLoad",
                         L"A:OnStartupComplete(empty)", L"A:OnAction(TestTask)"}));
    ASSERT_TRUE(loader.Connect(kAddinB));
    ASSERT_NE(loader.Ribbon(kAddinB), nullptr);
    EXPECT_TRUE(loader.Ribbon(kAddinB)->OnLoadCalled());
}

// The host connects its add-ins once it is up and shuts them down when it closes, after its
// close event and while its windows still exist.
TEST_F(AddinLoaderTest, HostLoadsAddinsAtStartAndShutsThemDownAtClose) {
    SetLoadBehavior(HKEY_CURRENT_USER, kAddinA, 3);
    HostOptions options;
    options.version = L"12.0";
    Host host(options);
    host.OpenProject(L"Plan.mpp");
    EXPECT_GE(host.LoadAddins(), 1);
    EXPECT_EQ(Ours(host.Addins()), std::vector<std::wstring>{kAddinA});
    ASSERT_TRUE(host.Close());
    EXPECT_EQ(Log(), (std::vector<std::wstring>{
                         L"A:OnConnection(1,Microsoft Project,Morvane.TestAddinA,empty)",
                         L"A:OnStartupComplete(empty)", L"A:OnBeginShutdown(empty)",
                         L"A:OnDisconnection(0,empty)"}));
}

}  // namespace
}  // namespace morvane::standin
