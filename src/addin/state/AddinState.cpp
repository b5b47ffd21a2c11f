#include "addin/state/AddinState.h"

#include <algorithm>
#include <cwctype>

namespace morvane {

bool NoCaseLess::operator()(const std::wstring& a, const std::wstring& b) const {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
            return std::towlower(static_cast<wint_t>(x)) < std::towlower(static_cast<wint_t>(y));
        });
}

std::int32_t VisibleWindowCount(const AddinState& state) {
    return state.HostApp ? VisibleWindowCount(*state.HostApp) : 0;
}

std::int32_t VisibleWindowCount(const HostApp& host) {
    const auto count = host.WindowCount();
    if (!count || *count == 0) {
        return 0;
    }
    const auto windows = host.Windows();
    if (!windows) {
        return 0;
    }
    std::int32_t visible = 0;
    for (const auto& window : *windows) {
        const auto shown = window ? window->Visible() : std::nullopt;
        if (!shown) {
            break;
        }
        if (*shown) {
            ++visible;
        }
    }
    return visible;
}

}  // namespace morvane
