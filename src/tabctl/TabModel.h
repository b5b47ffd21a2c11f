#pragma once
// The tabs of a tab control and its selection, apart from any window.

#include <string>
#include <vector>

#include "tabctl/TabEvents.h"

namespace morvane::tabctl {

struct TabData {
    std::wstring caption;
    std::wstring tag;
    std::wstring toolTip;
    int image = -1;  // index into the attached image list; -1 for none
    bool visible = true;
    bool enabled = true;
};

class TabModel {
  public:
    void SetEvents(TabControlEvents* events) { events_ = events; }
    TabControlEvents* Events() const { return events_; }

    int Count() const { return static_cast<int>(tabs_.size()); }
    // Tabs 0 to count - 1 exist afterwards; those that stay keep their fields. The first tab
    // of an empty strip becomes selected, and a selection that falls off the end moves to the
    // last tab; neither raises the selection event, which belongs to selecting.
    void SetCount(int count);
    bool IsTab(int index) const { return index >= 0 && index < Count(); }
    // Precondition: IsTab(index).
    const TabData& Tab(int index) const { return tabs_[index]; }
    TabData& EditTab(int index) { return tabs_[index]; }
    const std::vector<TabData>& Tabs() const { return tabs_; }

    int Selected() const { return selected_; }
    // Selects a tab; when the selection changes, raises the selection event before returning.
    // False for an index that is no tab.
    bool Select(int index);
    // Moves a tab to `to`, the selection following the tab it was on.
    bool Move(int from, int to);
    // Removes a tab; when it was selected, its neighbour is selected and the event raised.
    bool Remove(int index);
    // The next tab a user can select going `step` (+1 or -1) from the selection, or -1.
    int NextSelectable(int step) const;
    bool IsSelectable(int index) const;

  private:
    std::vector<TabData> tabs_;
    int selected_ = -1;
    TabControlEvents* events_ = nullptr;
};

}  // namespace morvane::tabctl
