#pragma once
// What the add-in library knows about itself as a COM server: its own module (the DLL, or the
// program the class is linked into), whether DllCanUnloadNow may answer yes, and its
// type library, loaded from the module's own resource.

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "shared/Com_win.h"

namespace morvane::ComServer {

HMODULE Module();
std::wstring ModulePath();

// Server locks held. The library may unload when none is held, no object it made is alive and
// none of its code is on the stack (`LibraryUse`).
void Lock(bool lock);
bool CanUnload();

// The type information of one interface of the type library in the module's resources, loaded
// without registering anything (per-user registrations are invisible to LoadRegTypeLib under
// Wine); nullptr when the module has no type library.
com::ComPtr<ITypeInfo> TypeInfoOf(REFGUID guid);

}  // namespace morvane::ComServer
