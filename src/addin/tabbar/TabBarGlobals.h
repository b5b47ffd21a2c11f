#pragma once
// The tab bar's shared state: the window collections the client-window hook owns, the busy
// flag and the bar's thickness.

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "addin/tabbar/HandleCollection.h"
#include "addin/tabbar/WindowHandle.h"
#include "shared/HostApp.h"

namespace morvane {

// Compares texts without regard to case, as paths on Windows are compared.
struct NoCaseLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const;
};

// The host's multiple-document client window.
inline WindowHandle hMDIClient = 0;
// The project windows' handles in tab order.
inline HandleCollection ChildHandles;
// The host's window objects, keyed by their window handle's decimal text.
inline std::map<std::wstring, HostWindowPtr> ProjectWindows;
// The locked projects' full paths.
inline std::set<std::wstring, NoCaseLess> LockedProjects;
// Set while code refreshes or selects tabs, so that a selection activates no window.
inline bool Updating = false;
// The bar's thickness in whole pixels.
inline std::int32_t TabBarSize = 0;
// The bar is placed again at the next non-client paint (the position changed).
inline bool PlacementPending = false;

}  // namespace morvane
