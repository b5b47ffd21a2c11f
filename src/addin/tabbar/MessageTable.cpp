#include "addin/tabbar/MessageTable.h"

#include <algorithm>

namespace morvane {

namespace {

constexpr std::int32_t FreeSlot = -1;

}  // namespace

void MessageTable::Add(std::int32_t uMsg) {
    if (uMsg == FreeSlot) {
        count_ = -1;
        return;
    }
    for (std::int32_t i = 0; i < count_; ++i) {
        if (entries_[i] == uMsg) {
            return;
        }
        if (entries_[i] == FreeSlot) {
            entries_[i] = uMsg;
            return;
        }
    }
    const std::int32_t used = std::max<std::int32_t>(count_, 0);
    entries_.resize(static_cast<std::size_t>(used) + 1);
    entries_.back() = uMsg;
    count_ = used + 1;
}

void MessageTable::Remove(std::int32_t uMsg) {
    if (uMsg == FreeSlot) {
        count_ = 0;
        return;
    }
    for (std::int32_t i = 0; i < count_; ++i) {
        if (entries_[i] == uMsg) {
            entries_[i] = FreeSlot;
            return;
        }
    }
}

bool MessageTable::Matches(std::uint32_t uMsg) const {
    if (count_ == -1) {
        return true;
    }
    const auto message = static_cast<std::int32_t>(uMsg);
    for (std::int32_t i = 0; i < count_; ++i) {
        if (entries_[i] != FreeSlot && entries_[i] == message) {
            return true;
        }
    }
    return false;
}

}  // namespace morvane
