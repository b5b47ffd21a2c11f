#pragma once
// Morvane.dll as Project meets it: registered with regsvr32 in this test prefix, then found and
// loaded by the stand-in host. What the add-in did is seen from outside, as a user or Windows
// would see it: its windows, the hooks on the host's windows, the hot keys, the host's menus.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "shared/Com_win.h"
#include "shared/EventSink_win.h"
#include "shared/Office_win.h"
#include "standin/Host_win.h"
#include "support/TempFolder_win.h"

namespace morvane::test {

inline constexpr wchar_t kProgId[] = L"Qor.Morvane";

std::wstring DllPath();
// Runs regsvr32 silently on the DLL with the given switches; its exit code (0 = success).
DWORD Regsvr32(const std::wstring& switches);

// Every key and value below `key` ("key\\name" -> type and data), for before/after comparisons.
using RegistryDump = std::map<std::wstring, std::wstring>;
RegistryDump Dump(HKEY root, const std::wstring& key);
bool KeyExists(HKEY root, const std::wstring& key);
void SetDword(HKEY root, const std::wstring& key, const wchar_t* name, DWORD value);
std::wstring ReadText(HKEY root, const std::wstring& key, const wchar_t* name);
DWORD ReadDword(HKEY root, const std::wstring& key, const wchar_t* name);

// The add-in's windows of one class on this thread (the bar: "MorvaneTabBarForm").
std::vector<HWND> WindowsOfClass(const wchar_t* className);
// True when someone holds the hot key.
bool HotKeyTaken(UINT modifiers, UINT key);
bool DllLoaded();
// A new object of the add-in's class, made from the loaded library as COM makes one.
com::ComPtr<IDTExtensibility2> NewAddinObject(HMODULE library);

// A stand-in host with projects open and the DLL registered for the current user; afterwards
// the host is closed, the registrations and settings removed and the DLL must be unloaded.
class AddinDllTest : public ::testing::Test {
  protected:
    com::Apartment apartment;
    std::unique_ptr<standin::Host> host;
    LONG_PTR mainProc = 0;
    LONG_PTR clientProc = 0;

    void SetUp() override;
    void TearDown() override;

    // Writes the settings values, then starts the host with `projects` projects open.
    void StartHost(int projects,
                   std::initializer_list<std::pair<const wchar_t*, DWORD>> settings = {},
                   const std::wstring& version = L"14.0");
    // The add-in's hold on the host: the hooks in place, the bar, its hot keys, its menus.
    bool MainHooked() const;
    bool ClientHooked() const;
    HWND Bar() const;
    bool HasMenus() const;
};

// The same host with three projects, the second a file of its own in a folder of the test's;
// the files are removed afterwards.
class ProjectFilesTest : public AddinDllTest {
  protected:
    explicit ProjectFilesTest(const wchar_t* folderName) : folder(TempFolder(folderName)) {}
    void TearDown() override;

    // Plan 1, Plan (the file) and Plan 3, the last active.
    void StartWithFiles(std::initializer_list<std::pair<const wchar_t*, DWORD>> settings = {});
    bool FileThere(const std::wstring& name) const;
    // A context-menu entry of the selected tab, clicked.
    void ClickItem(long position);

    const std::wstring folder;
};

// A handler of the host's application events connected before ours, as another add-in's.
class OtherHandler final : public com::EventSink {
  public:
    // The action runs at each event of its kind until it says it is done.
    OtherHandler(DISPID event, std::function<bool()> action)
        : EventSink(office::IID_EProjectApp2), event_(event), action_(std::move(action)) {}

    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        if (id == event_ && !done_) {
            done_ = action_();
        }
        return S_OK;
    }

  private:
    DISPID event_;
    std::function<bool()> action_;
    bool done_ = false;
};

}  // namespace morvane::test
