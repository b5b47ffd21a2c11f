#pragma once
// The add-in's state: what the connection holds from its start to its end, in one object that
// the connection owns and hands by reference to every part that needs it. Tests make their own.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "addin/state/HandleCollection.h"
#include "addin/state/HostVersion.h"
#include "host/CommandBars.h"
#include "host/HostApp.h"
#include "shared/RegistryApi.h"
#include "shared/SystemApi.h"
#include "shared/TabSettings.h"
#include "shared/WindowHandle.h"
#include "shared/mdLang.h"

namespace morvane {

// Compares texts without regard to case, as paths on Windows are compared.
struct NoCaseLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const;
};

struct AddinState {
    // Project's Application object, held from connection to disconnection.
    std::shared_ptr<morvane::HostApp> HostApp;
    HostVersionInfo HostVersion;
    // The handle of Project's main window.
    WindowHandle hMainWnd = 0;
    // The registry the settings and the Office theme are read from and written to.
    std::shared_ptr<RegistryApi> Registry;
    // The system facts behind the default font and the Windows version.
    std::shared_ptr<SystemApi> System;
    // The language file, its section (LangFile, LangSection) and the lookup of its texts, set up
    // at connection.
    mdLang::Language Lang;
    // The settings record.
    TabSettings Settings;
    // The Office "14.0" colour scheme as last read: 1 blue, 2 silver, 3 black.
    std::int32_t OfficeTheme = 0;

    // The host's command bars the menus live on; none when the host has none.
    std::shared_ptr<CommandBars> HostCommandBars;
    // The button whose Click event serves every menu entry.
    CommandBarControlPtr MenuClicks;
    // The Tools-menu button "Show Tab bar" (menu hosts only); down while the bar is shown.
    CommandBarControlPtr BtnShowTabBar;
    // The context menu of a right click on a tab.
    CommandBarPtr BarPupTabOnItem;
    // The context menu of a right click on the empty part of the bar.
    CommandBarPtr BarPupTabNoOnItem;

    // The host's multiple-document client window.
    WindowHandle hMDIClient = 0;
    // The project windows' handles in tab order.
    HandleCollection ChildHandles;
    // The host's window objects, keyed by their window handle's decimal text.
    std::map<std::wstring, HostWindowPtr> ProjectWindows;
    // The locked projects' full paths.
    std::set<std::wstring, NoCaseLess> LockedProjects;
    // Set while code refreshes or selects tabs, so that a selection activates no window.
    bool Updating = false;
    // The connection was switched off: code that returns from a dialog or a host call goes no
    // further. Its parts live on until the outermost call into the library has returned.
    bool Ending = false;
    // The bar's thickness in whole pixels.
    std::int32_t TabBarSize = 0;
    // The bar is placed again at the next non-client paint (the position changed).
    bool PlacementPending = false;
    // Makes Office ask the backstage's callbacks again (the show/hide task's image follows
    // TabShow); empty until a ribbon has loaded the backstage.
    std::function<void()> InvalidateRibbon;
    // The exit work-around of host "12.0" on Windows 7 has run (or a Save As made it needless):
    // it runs once in the life of the state's owner, over every connection it makes.
    bool ExitHandled = false;
};

// Asks the ribbon, where one has loaded the backstage, for the backstage's callbacks again.
void InvalidateRibbon(const AddinState& state);

// How many of the host's windows are visible; a failing host ends the count where it is, and
// no host counts none.
std::int32_t VisibleWindowCount(const HostApp& host);
std::int32_t VisibleWindowCount(const AddinState& state);

}  // namespace morvane
