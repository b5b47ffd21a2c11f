#pragma once
// The rule for a tab width typed into the options: "0" for the default, or 70 to 400 pixels.

#include <cstdint>
#include <optional>
#include <string>

namespace morvane {

// The width a text stands for: its leading decimal number with blanks ignored, the fraction
// dropped ("150.9" is 150, "100px" is 100). No value when the text is refused: anything below 70
// but the text "0" itself ("00", " 0", "" and "abc" are refused), and anything above 400.
std::optional<std::int32_t> TabWidthOf(const std::wstring& text);

}  // namespace morvane
