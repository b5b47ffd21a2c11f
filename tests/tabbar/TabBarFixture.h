#pragma once
// A host with a main window, its client window and project windows, the bar's tab control and
// the command bars, all doubles; resets the tab bar's shared state around every test.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "addin/MenuBars.h"
#include "shared/TabSettings.h"
#include "addin/tabbar/TabBarGlobals.h"
#include "addin/tabbar/frmMorvane.h"
#include "shared/mdPub.h"
#include "support/FakeCommandBars.h"
#include "shared/mdReg.h"
#include "support/FakeHost.h"
#include "support/FakeRegistry.h"
#include "support/FakeTabStrip.h"
#include "support/FakeWindowSystem.h"

namespace morvane::test {

inline void ResetTabBarState() {
    hMDIClient = 0;
    ChildHandles.Clear();
    ProjectWindows.clear();
    LockedProjects.clear();
    Updating = false;
    TabBarSize = 0;
    PlacementPending = false;
    mdPub::OfficeTheme = 2;
    BtnShowTabBar = nullptr;
    BarPupTabOnItem = nullptr;
    BarPupTabNoOnItem = nullptr;
    mdPub::HostApp = nullptr;
    mdReg::Registry = nullptr;
}

class TabBarFixture : public ::testing::Test {
  protected:
    std::shared_ptr<FakeHost> host = std::make_shared<FakeHost>();
    FakeWindowSystem windows;
    FakeTabStrip strip;
    FakeCommandBars bars;
    TabSettings settings;
    std::shared_ptr<FakeRegistry> registry = std::make_shared<FakeRegistry>();
    std::vector<bool> timerSwitches;
    WindowHandle mainWindow = 0;
    WindowHandle client = 0;
    std::unique_ptr<frmMorvane> form;

    void SetUp() override {
        ResetTabBarState();
        mdPub::HostApp = host;
        mdReg::Registry = registry;
        mainWindow = windows.Add(0, L"JWinproj-WhimperMainClass", L"Microsoft Project");
        client = windows.Add(mainWindow, L"MDIClient");
        hMDIClient = client;
        strip.onSelectionChanged = [this](std::int32_t i) { form->TabProject_SelectionChanged(i); };
        NewForm(L"14.0");
    }

    void TearDown() override { ResetTabBarState(); }

    void NewForm(const std::wstring& hostVersion) {
        host->version = hostVersion;
        TabBarParts parts{strip, strip, windows, settings, hostVersion, {}, &bars};
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
        windows.Raise(handle);  // the client window activates its new child
        ChildHandles.Add(handle);
        windows.activeChild[client] = handle;
        return handle;
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
