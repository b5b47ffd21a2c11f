#include "tabctl/TabModel.h"

#include <algorithm>

#include "tabctl/StripLayout.h"

namespace morvane::tabctl {

void TabModel::SetCount(int count) {
    count = std::max(count, 0);
    const bool wasEmpty = tabs_.empty();
    tabs_.resize(static_cast<size_t>(count));
    if (count == 0) {
        selected_ = -1;
    } else if (wasEmpty || selected_ < 0) {
        selected_ = 0;
    } else if (selected_ >= count) {
        selected_ = count - 1;
    }
}

bool TabModel::Select(int index) {
    if (!IsTab(index)) {
        return false;
    }
    if (index == selected_) {
        return true;
    }
    selected_ = index;
    if (events_) {
        events_->SelectionChanged(index);
    }
    return true;
}

bool TabModel::Move(int from, int to) {
    if (!IsTab(from) || !IsTab(to)) {
        return false;
    }
    const int selected = selected_;
    MoveItem(tabs_, from, to);
    if (selected == from) {
        selected_ = to;
    } else if (from < selected && selected <= to) {
        selected_ = selected - 1;
    } else if (to <= selected && selected < from) {
        selected_ = selected + 1;
    }
    return true;
}

bool TabModel::Remove(int index) {
    if (!IsTab(index)) {
        return false;
    }
    const bool wasSelected = index == selected_;
    tabs_.erase(tabs_.begin() + index);
    if (tabs_.empty()) {
        selected_ = -1;
        return true;
    }
    if (!wasSelected) {
        if (index < selected_) {
            --selected_;
        }
        return true;
    }
    // The tab that took the closed one's place, or the new last one; the event tells the
    // owner which page now shows.
    selected_ = -1;
    Select(std::min(index, Count() - 1));
    return true;
}

bool TabModel::IsSelectable(int index) const {
    return IsTab(index) && tabs_[index].visible && tabs_[index].enabled;
}

int TabModel::NextSelectable(int step) const {
    for (int i = selected_ + step; IsTab(i); i += step) {
        if (IsSelectable(i)) {
            return i;
        }
    }
    return -1;
}

}  // namespace morvane::tabctl
