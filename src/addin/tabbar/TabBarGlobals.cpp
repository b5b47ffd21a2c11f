#include "addin/tabbar/TabBarGlobals.h"

#include <algorithm>
#include <cwctype>

namespace morvane {

bool NoCaseLess::operator()(const std::wstring& a, const std::wstring& b) const {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
            return std::towlower(static_cast<wint_t>(x)) < std::towlower(static_cast<wint_t>(y));
        });
}

}  // namespace morvane
