#include "shared/GdiObject_win.h"

#include <atomic>

namespace morvane {

namespace {
std::atomic<long> liveObjects{0};
}  // namespace

long GdiLiveCount() {
    return liveObjects.load();
}

namespace detail {
void CountGdiObject(long delta) {
    liveObjects += delta;
}
}  // namespace detail

}  // namespace morvane
