#pragma once
// The stand-in host's automation objects by kind, with the members each answers: the dispatch ids
// the add-in binds to, and the names a late-bound caller may look up.

#include <windows.h>

#include <string>
#include <vector>

#include "shared/HostDispIds.h"
#include "shared/DispatchObject_win.h"

namespace morvane::standin {

// ProjectWindows is the Windows collection of one project.
enum class ObjectKind {
    Application,
    Windows,
    Window,
    Projects,
    Project,
    ProjectWindows,
    EventInfo
};

const std::vector<com::Member>& MembersOf(ObjectKind kind);
// The dispatch id of a member by name (any case); DISPID_UNKNOWN when the kind has none.
DISPID MemberId(ObjectKind kind, const std::wstring& name);

}  // namespace morvane::standin
