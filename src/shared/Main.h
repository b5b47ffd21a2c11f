#pragma once

#include "shared/TabSettings.h"

namespace morvane::mdPub {

// The start-up's work on the registry mdReg::Registry names: keeps the loader add-in registered
// for loading at host start-up, under the user and the machine hive, and reads EnabledApp into
// the settings (0 when missing).
void RegisterLoaderAndReadSwitch(TabSettings& Settings);

// Windows: the library's start-up. Works on the system's registry where no other was set, so it
// does its work when it runs first, before any connection.
void Main(TabSettings& Settings);

// Windows: runs Main the first time it is called in the process and does nothing after; the COM
// class calls it before its first object does anything.
void RunMainOnce(TabSettings& Settings);

}  // namespace morvane::mdPub
