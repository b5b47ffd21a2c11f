#pragma once
// A host with a main window, its client window and project windows, the bar's tab control and
// the command bars, all doubles; every test gets an add-in state of its own.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "addin/state/AddinState.h"
#include "addin/tabbar/frmMorvane.h"
#include "host/MenuBars.h"
#include "support/FakeCommandBars.h"
#include "support/FakeHost.h"
#include "support/FakeRegistry.h"
#include "support/FakeTabStrip.h"
#include "support/FakeWindowSystem.h"

namespace morvane::test {

// One test's add-in state, with its members under their own names as the tests use them.
struct TestState {
    AddinState state;
    TabSettings& settings = state.Settings;
    WindowHandle& hMDIClient = state.hMDIClient;
    HandleCollection& ChildHandles = state.ChildHandles;
    std::map<std::wstring, HostWindowPtr>& ProjectWindows = state.ProjectWindows;
    std::set<std::wstring, NoCaseLess>& LockedProjects = state.LockedProjects;
    bool& Updating = state.Updating;
    std::int32_t& TabBarSize = state.TabBarSize;
    bool& PlacementPending = state.PlacementPending;
    CommandBarControlPtr& BtnShowTabBar = state.BtnShowTabBar;
    CommandBarPtr& BarPupTabOnItem = state.BarPupTabOnItem;
    CommandBarPtr& BarPupTabNoOnItem = state.BarPupTabNoOnItem;
};

class TabBarFixture : public ::testing::Test, protected TestState {
  protected:
    std::shared_ptr<FakeHost> host = std::make_shared<FakeHost>();
    FakeWindowSystem windows;
    FakeTabStrip strip;
    FakeCommandBars bars;

    std::shared_ptr<FakeRegistry> registry = std::make_shared<FakeRegistry>();
    std::vector<bool> timerSwitches;
    WindowHandle mainWindow = 0;
    WindowHandle client = 0;
    std::unique_ptr<frmMorvane> form;

    void SetUp() override {
        NewHost();
        strip.onSelectionChanged = [this](std::int32_t i) { form->TabProject_SelectionChanged(i); };
        NewForm(L"14.0");
    }

    // A new host with no project open, new windows, an empty bar and a fresh state, for the
    // next case of a table.
    void NewHost() {
        host = std::make_shared<FakeHost>();
        NewState();
        windows = FakeWindowSystem{};
        mainWindow = windows.Add(0, L"JWinproj-WhimperMainClass", L"Microsoft Project");
        client = windows.Add(mainWindow, L"MDIClient");
        hMDIClient = client;
        strip.tabs.clear();
        strip.selected = -1;
    }

    // A fresh state over the fixture's host, registry and command bars.
    void NewState() {
        state = AddinState{};
        state.Registry = registry;
        state.HostApp = host;
        state.OfficeTheme = 2;
        // The fixture's bars, not owned by the state.
        state.HostCommandBars = std::shared_ptr<CommandBars>(std::shared_ptr<void>(), &bars);
    }

    void NewForm(const std::wstring& hostVersion) {
        host->version = hostVersion;
        state.HostVersion = ParseHostVersion(hostVersion);
        TabBarParts parts{strip, strip, windows, state, {}};
        parts.exitTimer = [this](bool on) { timerSwitches.push_back(on); };
        form = std::make_unique<frmMorvane>(parts);
        form->SetParentHwnd(mainWindow);
    }

    // Opens a project with one document window, records its handle and makes it active.
    WindowHandle Open(const std::wstring& name, const std::wstring& folder = L"C:\\Plans",
                      bool saved = true, bool visible = true) {
        auto window = host->AddProject(name, folder);
        window->project->saved = saved;
        window->visible = visible;
        const WindowHandle handle =
            windows.Add(client, L"Winproj-DocWindowClass", window->caption, visible);
        // The host activates a window by its document window, which comes to the front.
        window->onActivate = [this, handle] { ActivateChild(handle); };
        ChildHandles.Add(handle);
        ActivateChild(handle);  // the client window activates its new child
        return handle;
    }

    void ActivateChild(WindowHandle handle) {
        windows.Raise(handle);
        windows.activeChild[client] = handle;
    }

    std::vector<PostedMessage> Closes() const {
        std::vector<PostedMessage> closes;
        for (const auto& message : windows.posted) {
            if (message.message == 0x10) {
                closes.push_back(message);
            }
        }
        return closes;
    }
};

}  // namespace morvane::test
