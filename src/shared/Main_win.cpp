#include "shared/Main.h"

#include <mutex>

#include "shared/mdPub_win.h"

namespace morvane::mdPub {

void Main() {
    // Main runs before anything else of the library, so it cannot wait for the connection to
    // point the registry at the system.
    UseWindowsPlatform();
    RegisterLoaderAndReadSwitch();
}

void RunMainOnce() {
    static std::once_flag once;
    std::call_once(once, Main);
}

}  // namespace morvane::mdPub
