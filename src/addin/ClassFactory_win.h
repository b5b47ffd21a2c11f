#pragma once
// The class factory of Morvane. The library's start-up procedure runs once, before the first
// object of the class is made.

#include <windows.h>
#include <unknwn.h>

namespace morvane {

// The one factory, alive as long as the library.
IClassFactory* MorvaneClassFactory();

}  // namespace morvane
