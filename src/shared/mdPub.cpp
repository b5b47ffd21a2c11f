#include "shared/mdPub.h"

#include <cmath>

#include "shared/Numbers.h"

namespace morvane::mdPub {

std::int16_t LoWord(std::int32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

std::int16_t HiWord(std::int32_t value) {
    return static_cast<std::int16_t>((static_cast<std::uint32_t>(value) >> 16) & 0xFFFFu);
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

std::wstring SystemFontName(const SystemApi* system) {
    try {
        const auto metrics = system ? system->NonClientMetrics() : std::nullopt;
        return metrics ? metrics->CaptionFaceName : L"";
    } catch (...) {
        return L"";
    }
}

std::int32_t DefaultFontSize(const SystemApi* system) {
    constexpr std::int32_t fallback = 9;
    try {
        const auto dpi = system ? system->PixelsPerInchX() : std::nullopt;
        if (!dpi || *dpi <= 0) {
            return fallback;
        }
        const auto metrics = system->NonClientMetrics();
        if (!metrics) {
            return fallback;
        }
        const double points = std::fabs(metrics->MenuFontHeight / (*dpi / 72.0));
        return RoundToInt32(points).value_or(fallback);
    } catch (...) {
        return fallback;
    }
}

OSVersion OSVersionOf(const VersionNumbers& numbers) {
    const std::wstring minor = std::to_wstring(numbers.Minor);
    const std::wstring both = std::to_wstring(numbers.Major) + L"." + minor;
    if (numbers.PlatformId == 1) {
        switch (numbers.Minor) {
            case 0:
                return {L"Windows 95", minor};
            case 10:
                return {L"Windows 98", minor};
            case 90:
                return {L"Windows Mellinnium", minor};
            default:
                return {L"", minor};
        }
    }
    if (numbers.PlatformId != 2) {
        return {L"Failed", L"Failed"};
    }
    struct Named {
        std::uint32_t major;
        std::optional<std::uint32_t> minor;  // no value: any minor
        const wchar_t* name;
    };
    static constexpr Named names[] = {
        {3, std::nullopt, L"Windows NT 3.51"},
        {4, std::nullopt, L"Windows NT 4.0"},
        {5, 0, L"Windows 2000"},
        {5, 1, L"Windows XP"},
        {5, 2, L"Windows Server 2003"},
        {6, 0, L"Windows Vista"},
        {6, 1, L"Windows 7"},
    };
    for (const auto& n : names) {
        if (n.major == numbers.Major && (!n.minor || *n.minor == numbers.Minor)) {
            return {n.name, both};
        }
    }
    return {L"", both};
}

OSVersion GetOSVersion(const SystemApi* system) {
    try {
        const auto numbers = system ? system->Version() : std::nullopt;
        return numbers ? OSVersionOf(*numbers) : OSVersion{L"Failed", L"Failed"};
    } catch (...) {
        return {L"Failed", L"Failed"};
    }
}

}  // namespace morvane::mdPub
