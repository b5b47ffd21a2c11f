#pragma once
// The system's name of a key, as the keyboard layout gives it. The real adapter is
// SystemKeyNamer; tests use a double.

#include <cstdint>
#include <string>

namespace morvane {

class KeyNamer {
  public:
    virtual ~KeyNamer() = default;
    // The name of a virtual key; empty when the system has none.
    virtual std::wstring SystemKeyName(std::int32_t keyCode) const = 0;
};

}  // namespace morvane
