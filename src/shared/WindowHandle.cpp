#include "shared/WindowHandle.h"

#include <cwchar>

namespace morvane {

std::wstring HandleText(WindowHandle handle) {
    return std::to_wstring(static_cast<long long>(handle));
}

std::optional<WindowHandle> HandleFromText(const std::wstring& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::size_t used = 0;
    try {
        const long long value = std::stoll(text, &used, 10);
        if (used != text.size()) {
            return std::nullopt;
        }
        return static_cast<WindowHandle>(value);
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace morvane
