#pragma once
// The ordered collection of project-window handles, keyed by the handle's decimal text; its
// order is the tab order.

#include <cstdint>
#include <string>
#include <vector>

#include "shared/WindowHandle.h"

namespace morvane {

class HandleCollection {
  public:
    // Appends the handle; false (and nothing changes) when its key is already present.
    bool Add(WindowHandle handle);
    // Removes the entry of that key; false when there is none.
    bool Remove(const std::wstring& key);
    // Moves a recorded handle to a 0-based position; a position past the end moves it last.
    bool MoveTo(const std::wstring& key, std::size_t position);
    bool Contains(const std::wstring& key) const;
    void Clear() { handles_.clear(); }

    std::size_t Count() const { return handles_.size(); }
    // index counts from 0.
    WindowHandle Item(std::size_t index) const { return handles_.at(index); }
    const std::vector<WindowHandle>& Items() const { return handles_; }

  private:
    std::vector<WindowHandle>::iterator Find(const std::wstring& key);
    std::vector<WindowHandle> handles_;
};

}  // namespace morvane
