#pragma once

#include "shared/TabSettings.h"

namespace morvane::mdPub {

// The library's start-up: keeps the loader add-in registered for loading at host start-up, under
// the user and the machine hive, and reads EnabledApp into the settings (0 when missing).
void Main(TabSettings& Settings);

// Runs Main the first time it is called in the process and does nothing after; the COM class
// calls it before its first object does anything.
void RunMainOnce(TabSettings& Settings);

}  // namespace morvane::mdPub
