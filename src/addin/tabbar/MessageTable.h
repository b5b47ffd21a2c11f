#pragma once
// One message table of a subclassed window: the messages its owner sees before or after the
// window's previous procedure. A count of -1 means every message; a freed slot holds -1.

#include <cstdint>
#include <vector>

namespace morvane {

class MessageTable {
  public:
    // -1 switches to every message; otherwise the first free slot or a new last entry takes
    // the message, unless an entry before any free slot already holds it.
    void Add(std::int32_t uMsg);
    // -1 stops every match (the entries stay); otherwise the first entry of the message is freed.
    void Remove(std::int32_t uMsg);
    bool Matches(std::uint32_t uMsg) const;

    std::int32_t Count() const { return count_; }
    const std::vector<std::int32_t>& Entries() const { return entries_; }

  private:
    std::vector<std::int32_t> entries_;
    std::int32_t count_ = 0;
};

}  // namespace morvane
