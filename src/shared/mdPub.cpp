#include "shared/mdPub.h"

namespace morvane::mdPub {

std::int16_t LoWord(std::int32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

std::int16_t HiWord(std::int32_t value) {
    return static_cast<std::int16_t>((static_cast<std::uint32_t>(value) >> 16) & 0xFFFFu);
}

std::int32_t VisibleWindowCount() {
    if (!HostApp) {
        return 0;
    }
    const auto count = HostApp->WindowCount();
    if (!count || *count == 0) {
        return 0;
    }
    const auto windows = HostApp->Windows();
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

std::wstring StripModifiedMark(const std::wstring& caption) {
    const auto first = caption.find_first_not_of(L' ');
    if (first == std::wstring::npos) {
        return L"";
    }
    const auto last = caption.find_last_not_of(L' ');
    std::wstring trimmed = caption.substr(first, last - first + 1);
    const std::wstring mark = L"  *";
    if (trimmed.size() >= mark.size() &&
        trimmed.compare(trimmed.size() - mark.size(), mark.size(), mark) == 0) {
        trimmed.resize(trimmed.size() - mark.size());
    }
    return trimmed;
}

}  // namespace morvane::mdPub
