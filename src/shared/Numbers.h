#pragma once
// Number conversions shared by the registry access and the font helpers.

#include <cstdint>
#include <optional>
#include <string>

namespace morvane {

// The nearest 32-bit integer, an exact half going to the even neighbour; no value when the number
// is out of range or not a number. Independent of the floating-point rounding mode, which the
// host process may have changed.
std::optional<std::int32_t> RoundToInt32(double value);

// 0 to 9 only. The Windows runtime's iswdigit also takes other scripts' digits (full-width,
// Arabic-Indic, superscript), whose values are not their distance from '0'.
bool IsAsciiDigit(wchar_t c);

// A decimal number written as text ("12", " -3 ", "12.5") as a 32-bit integer, rounded as
// RoundToInt32; no value for anything else ("", "abc", "12px", digits of other scripts).
std::optional<std::int32_t> TextToInt32(const std::wstring& text);

// A version text by its leading decimal number: "12.0" is 12; 0 when there is none.
int HostVersionNumber(const std::wstring& version);

}  // namespace morvane
