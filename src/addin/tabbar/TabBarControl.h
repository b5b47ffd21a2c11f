#pragma once
// The bar's tab control as the form holds it: its tabs, its look, and the receiver of its four
// events.

#include <cstdint>

#include "addin/tabbar/TabStrip.h"
#include "addin/tabbar/TabStyle.h"

namespace morvane {

class TabBarControl : public TabStrip, public TabStyle {};

// The control's events. Selecting a tab from code raises SelectionChanged before Select
// returns; with dragging allowed a left mouse-down on a tab is reported only for the second
// click of a double-click; cancel set by CloseButtonClick stops the control's own closing;
// TabMoved comes after the move with the new index.
class TabEventSink {
  public:
    virtual void SelectionChanged(std::int32_t index) = 0;
    // button 1 left, 2 right, 4 middle; x and y in twips relative to the control.
    virtual void MouseDown(std::int32_t button, std::int32_t shift, float x, float y) = 0;
    virtual void CloseButtonClick(bool& cancel) = 0;
    virtual void TabMoved(std::int32_t index, std::int32_t newIndex) = 0;

  protected:
    ~TabEventSink() = default;
};

}  // namespace morvane
