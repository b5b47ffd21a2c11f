#include "shared/Main.h"

#include <mutex>

#include "shared/mdPub_win.h"

namespace morvane::mdPub {

void Main(TabSettings& Settings) {
    // Main runs before anything else of the library, so it cannot wait for the connection to
    // point the registry at the system.
    UseWindowsPlatform();
    RegisterLoaderAndReadSwitch(Settings);
}

void RunMainOnce(TabSettings& Settings) {
    static std::once_flag once;
    std::call_once(once, [&Settings] { Main(Settings); });
}

}  // namespace morvane::mdPub
