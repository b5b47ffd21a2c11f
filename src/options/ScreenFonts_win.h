#pragma once
// The screen's fonts as the system lists them (EnumFontFamiliesExW on the screen's device
// context).

#include "options/FontSource.h"

namespace morvane {

class ScreenFonts : public FontSource {
  public:
    // Each face once, at its first place in the system's order.
    std::vector<std::wstring> ScreenFontNames() const override;
};

}  // namespace morvane
