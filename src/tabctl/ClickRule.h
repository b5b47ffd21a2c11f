#pragma once
// The double-click rule while tabs can be reordered: a left mouse-down on a tab is reported
// only when it is the second click of a double-click, so that a drag never looks like a click.

#include <cstdint>

namespace morvane::tabctl {

struct ClickLimits {
    std::uint32_t doubleClickMs = 500;
    int slopX = 4;  // how far the second click may land from the first, in pixels
    int slopY = 4;
};

class DoubleClickRule {
  public:
    // A left mouse-down on `tab` at (x, y) at `timeMs` (a tick count, wrapping): true when it
    // completes a double-click, which also starts a new pair.
    bool IsSecondClick(int tab, int x, int y, std::uint32_t timeMs, const ClickLimits& limits);
    // Forgets the first click (after a drag, another button or a tab change).
    void Reset() { armed_ = false; }

  private:
    bool armed_ = false;
    int tab_ = -1;
    int x_ = 0;
    int y_ = 0;
    std::uint32_t time_ = 0;
};

}  // namespace morvane::tabctl
