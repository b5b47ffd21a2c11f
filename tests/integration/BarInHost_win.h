#pragma once
// The stand-in host with the tab bar connected by the add-in's COM class, made in this program
// and driven as Project drives it: settings from the registry, the real tab control, the real
// hooks, the host's events with the dialogs' double.

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "addin/Morvane_win.h"
#include "addin/TabBarConnection_win.h"
#include "addin/state/AddinState.h"
#include "addin/tabbar/Win32TabBarControl_win.h"
#include "addin/tabbar/frmMorvaneWindow_win.h"
#include "shared/Com_win.h"
#include "standin/Host_win.h"
#include "support/FakeHostDialogs.h"

namespace morvane::test {

// Settings values written before connecting, by name.
using SettingValues = std::initializer_list<std::pair<const wchar_t*, std::int32_t>>;

// Removes the settings key and the Office theme value the tests write.
void ClearStoredSettings();

class BarInHost : public ::testing::Test {
  protected:
    com::Apartment apartment;
    // What the connection keeps, under the names the tests use.
    AddinState state;
    TabSettings& Settings = state.Settings;
    HandleCollection& ChildHandles = state.ChildHandles;
    std::map<std::wstring, HostWindowPtr>& ProjectWindows = state.ProjectWindows;
    std::set<std::wstring, NoCaseLess>& LockedProjects = state.LockedProjects;
    std::int32_t& TabBarSize = state.TabBarSize;
    bool& Updating = state.Updating;
    std::unique_ptr<standin::Host> host;
    com::ComPtr<Morvane> addin;
    std::shared_ptr<FakeHostDialogs> dialogs = std::make_shared<FakeHostDialogs>();
    // The commands' shell and dialogs; none: the real ones.
    CommandSeams commandSeams;
    // The connection of a test that connects without the class, to hand it doubles of its own.
    std::unique_ptr<TabBarConnection> connection = std::make_unique<TabBarConnection>(state);
    // The host's options; StartHost gives it its version.
    standin::HostOptions hostOptions;

    void SetUp() override;
    void TearDown() override;

    // A host of this version with the settings written, not yet connected.
    void StartHost(const std::wstring& version, SettingValues settings = {});
    void Connect();
    // The connection alone, as Project makes it: the tabs are then refreshed by the host's events.
    void ConnectAddin();
    void Disconnect();
    // The tabs refreshed under the busy flag and the client window re-framed, as the host's
    // activation events do; then every waiting message handled.
    void Refresh();
    // Sizes the host's main window, as the user drags its frame.
    void SizeMain(int width, int height);

    // The hooks of the class's connection while it is connected, else the test's own.
    TabBarHooks& Hooks() const;
    frmMorvaneWindow* Form() const;
    tabctl::TabControl& Control() const;
    HWND Bar() const;
    // Pixels of the control window's client area at the middle of a tab.
    POINT TabCentre(int tab) const;
    void Click(UINT down, UINT up, POINT at);
    HWND Window(const std::wstring& name) const;
    std::wstring ActiveName() const;
    // The host's open projects' names, in the order they were opened.
    std::vector<std::wstring> OpenNames() const;
    // The entry at this position of a tab's context menu, clicked; then every waiting message
    // handled.
    void ClickItem(long position);
};

}  // namespace morvane::test
