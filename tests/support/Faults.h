#pragma once
// Members of a double that are told to fail, by name.

#include <set>
#include <string>

namespace morvane::test {

class Faults {
  public:
    void Fail(const std::string& member) { failing_.insert(member); }
    void Heal(const std::string& member) { failing_.erase(member); }
    bool Fails(const std::string& member) const { return failing_.count(member) != 0; }

  private:
    std::set<std::string> failing_;
};

}  // namespace morvane::test
