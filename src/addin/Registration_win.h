#pragma once
// Registration of the add-in library in the machine's or the current user's hive, as
// DllRegisterServer, DllUnregisterServer and DllInstall do it.

#include <windows.h>

#include <memory>

#include "addin/Registration.h"

namespace morvane::Registration {

enum class Hive { Machine, User };

// The registry below HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER.
std::unique_ptr<Store> StoreOf(Hive hive);

// The library registered from where it lies: S_OK, or SELFREG_E_CLASS with nothing left behind.
HRESULT RegisterServer(Hive hive);
// S_OK, or SELFREG_E_CLASS when a key could not be removed.
HRESULT UnregisterServer(Hive hive);

}  // namespace morvane::Registration
