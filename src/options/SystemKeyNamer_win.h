#pragma once
// Key names from the keyboard layout: MapVirtualKeyA for the scan code, GetKeyNameTextA for
// its name.

#include "options/KeyNamer.h"

namespace morvane {

class SystemKeyNamer : public KeyNamer {
  public:
    std::wstring SystemKeyName(std::int32_t keyCode) const override;
};

}  // namespace morvane
