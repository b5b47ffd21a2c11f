#include "addin/state/HandleCollection.h"

#include <algorithm>

namespace morvane {

std::vector<WindowHandle>::iterator HandleCollection::Find(const std::wstring& key) {
    const auto handle = HandleFromText(key);
    if (!handle) {
        return handles_.end();
    }
    return std::find(handles_.begin(), handles_.end(), *handle);
}

bool HandleCollection::Add(WindowHandle handle) {
    if (Contains(HandleText(handle))) {
        return false;
    }
    handles_.push_back(handle);
    return true;
}

bool HandleCollection::Remove(const std::wstring& key) {
    const auto found = Find(key);
    if (found == handles_.end()) {
        return false;
    }
    handles_.erase(found);
    return true;
}

bool HandleCollection::MoveTo(const std::wstring& key, std::size_t position) {
    const auto found = Find(key);
    if (found == handles_.end()) {
        return false;
    }
    const WindowHandle handle = *found;
    handles_.erase(found);
    handles_.insert(
        handles_.begin() + static_cast<std::ptrdiff_t>(std::min(position, handles_.size())),
        handle);
    return true;
}

bool HandleCollection::Contains(const std::wstring& key) const {
    const auto handle = HandleFromText(key);
    return handle && std::find(handles_.begin(), handles_.end(), *handle) != handles_.end();
}

}  // namespace morvane
