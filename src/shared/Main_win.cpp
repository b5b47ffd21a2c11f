#include "shared/Main.h"

#include <mutex>

#include "shared/WinRegistry_win.h"

namespace morvane::mdPub {

void Main(TabSettings& Settings) {
    WinRegistry registry;
    RegisterLoaderAndReadSwitch(registry, Settings);
}

void RunMainOnce(TabSettings& Settings) {
    static std::once_flag once;
    std::call_once(once, [&Settings] { Main(Settings); });
}

}  // namespace morvane::mdPub
