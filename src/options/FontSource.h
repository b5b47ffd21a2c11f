#pragma once
// The system's screen fonts. The real adapter is ScreenFonts; tests use a double.

#include <string>
#include <vector>

namespace morvane {

class FontSource {
  public:
    virtual ~FontSource() = default;
    // Every screen font's face name, in the order the system gives them.
    virtual std::vector<std::wstring> ScreenFontNames() const = 0;
};

}  // namespace morvane
