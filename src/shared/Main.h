#pragma once

#include "shared/RegistryApi.h"
#include "shared/TabSettings.h"

namespace morvane::mdPub {

// The start-up's work on that registry: keeps the loader add-in registered for loading at host
// start-up, under the user and the machine hive, and reads EnabledApp into the settings (0 when
// missing).
void RegisterLoaderAndReadSwitch(RegistryApi& registry, TabSettings& Settings);

// Windows: the library's start-up, on the system's registry. It runs first, before any
// connection, so it makes its own.
void Main(TabSettings& Settings);

// Windows: runs Main the first time it is called in the process and does nothing after; the COM
// class calls it before its first object does anything.
void RunMainOnce(TabSettings& Settings);

}  // namespace morvane::mdPub
