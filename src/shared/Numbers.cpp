#include "shared/Numbers.h"

#include <cmath>
#include <limits>

namespace morvane {

std::optional<std::int32_t> RoundToInt32(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    double rounded = std::round(value);  // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        rounded = 2.0 * std::round(value / 2.0);
    }
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(rounded);
}

bool IsAsciiDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

std::optional<std::int32_t> TextToInt32(const std::wstring& text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) {
        return std::nullopt;
    }
    const auto last = text.find_last_not_of(L' ');
    std::size_t i = first;
    bool negative = false;
    if (text[i] == L'+' || text[i] == L'-') {
        negative = text[i] == L'-';
        ++i;
    }
    double number = 0;
    bool digits = false;
    for (; i <= last && IsAsciiDigit(text[i]); ++i) {
        number = number * 10 + (text[i] - L'0');
        digits = true;
    }
    if (i <= last && text[i] == L'.') {
        double scale = 0.1;
        for (++i; i <= last && IsAsciiDigit(text[i]); ++i) {
            number += (text[i] - L'0') * scale;
            scale /= 10;
            digits = true;
        }
    }
    if (!digits || i <= last) {
        return std::nullopt;
    }
    return RoundToInt32(negative ? -number : number);
}

int HostVersionNumber(const std::wstring& version) {
    int number = 0;
    for (const wchar_t c : version) {
        if (!IsAsciiDigit(c) || number > 100000) {
            break;
        }
        number = number * 10 + (c - L'0');
    }
    return number;
}

}  // namespace morvane
