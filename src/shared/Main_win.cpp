#include "shared/Main.h"

#include "shared/WinRegistry_win.h"

namespace morvane::mdPub {

void Main(TabSettings& Settings) {
    WinRegistry registry;
    RegisterLoaderAndReadSwitch(registry, Settings);
}

void RunMainOnce(TabSettings& Settings) {
    // A static's first use rather than std::call_once: the runtime's once keeps storage for
    // the calling thread that is not given back when the library is freed.
    [[maybe_unused]] static const bool done = (Main(Settings), true);
}

}  // namespace morvane::mdPub
