#include "options/TabWidthText.h"

#include "shared/Numbers.h"

namespace morvane {

namespace {

// The leading decimal number of a text, blanks anywhere ignored, read up to the first character
// that cannot continue it; 0 when there is none.
double LeadingNumber(const std::wstring& text) {
    std::wstring kept;
    for (const wchar_t c : text) {
        if (c != L' ' && c != L'\t') {
            kept.push_back(c);
        }
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < kept.size() && (kept[i] == L'+' || kept[i] == L'-')) {
        negative = kept[i] == L'-';
        ++i;
    }
    double number = 0;
    for (; i < kept.size() && IsAsciiDigit(kept[i]); ++i) {
        number = number * 10 + (kept[i] - L'0');
    }
    if (i < kept.size() && kept[i] == L'.') {
        double scale = 0.1;
        for (++i; i < kept.size() && IsAsciiDigit(kept[i]); ++i) {
            number += (kept[i] - L'0') * scale;
            scale /= 10;
        }
    }
    return negative ? -number : number;
}

}  // namespace

std::optional<std::int32_t> TabWidthOf(const std::wstring& text) {
    const double n = LeadingNumber(text);
    if ((text != L"0" && n < 70) || n > 400) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(n);
}

}  // namespace morvane
