#include "tabctl/ClickRule.h"

#include <cstdlib>

namespace morvane::tabctl {

bool DoubleClickRule::IsSecondClick(int tab, int x, int y, std::uint32_t timeMs,
                                    const ClickLimits& limits) {
    const bool second = armed_ && tab == tab_ && timeMs - time_ <= limits.doubleClickMs &&
                        std::abs(x - x_) <= limits.slopX && std::abs(y - y_) <= limits.slopY;
    if (second) {
        armed_ = false;
        return true;
    }
    armed_ = true;
    tab_ = tab;
    x_ = x;
    y_ = y;
    time_ = timeMs;
    return false;
}

}  // namespace morvane::tabctl
