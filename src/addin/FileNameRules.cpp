#include "addin/FileNameRules.h"

#include <algorithm>
#include <cwctype>

namespace morvane {

std::wstring FileNameOf(const std::wstring& fullName, const std::wstring& separator) {
    if (separator.empty()) {
        return fullName;
    }
    const auto at = fullName.rfind(separator);
    return at == std::wstring::npos ? fullName : fullName.substr(at + separator.size());
}

SplitName SplitAtLastDot(const std::wstring& fileName) {
    const auto dot = fileName.rfind(L'.');
    if (dot == std::wstring::npos) {
        return {fileName, L""};
    }
    return {fileName.substr(0, dot), fileName.substr(dot)};
}

bool SameNameIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) {
        return std::towupper(static_cast<std::wint_t>(x)) ==
               std::towupper(static_cast<std::wint_t>(y));
    });
}

bool IsAcceptableFileName(const std::wstring& name) {
    constexpr std::wstring_view refused = L"\\/:*?\"<>|";
    const bool badCharacter = std::ranges::any_of(
        name, [&](wchar_t c) { return c < 0x20 || refused.find(c) != std::wstring_view::npos; });
    const bool onlyBlanksAndDots =
        std::ranges::all_of(name, [](wchar_t c) { return c == L' ' || c == L'.'; });
    return !badCharacter && !onlyBlanksAndDots;
}

std::wstring OpenFolderCommand(const std::wstring& fullName) {
    return L"explorer /select ,\"" + fullName + L"\"";
}

}  // namespace morvane
