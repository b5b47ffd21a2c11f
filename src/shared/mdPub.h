#pragma once
// Small shared helpers, and those that ask the system facts a program's state holds.

#include <cstdint>
#include <string>
#include <type_traits>

#include "shared/SystemApi.h"

namespace morvane::mdPub {

// The low and high 16 bits of a message parameter, taken as signed.
std::int16_t LoWord(std::int32_t value);
std::int16_t HiWord(std::int32_t value);

// A tab caption without its unsaved mark ("  *" at the end of the trimmed caption).
std::wstring StripModifiedMark(const std::wstring& caption);

// The face name of the system's caption font; empty when the metrics cannot be read. Without a
// system each helper gives its failure result.
std::wstring SystemFontName(const SystemApi* system);

// The point size of the system's menu font at the screen's resolution; 9 when it cannot be read.
std::int32_t DefaultFontSize(const SystemApi* system);

struct OSVersion {
    std::wstring Name;     // such as "Windows 7"; empty for a version without a name
    std::wstring Version;  // major and minor number joined by a point, such as "6.1"
};

// The name and version text of the Windows version the numbers describe.
OSVersion OSVersionOf(const VersionNumbers& numbers);
// The running Windows; "Failed" in both texts when the system does not say.
OSVersion GetOSVersion(const SystemApi* system);

// A procedure's address as a pointer-sized number, as window longs hold it.
template <typename F>
requires std::is_function_v<F> std::intptr_t FnPtr(F* Address) {
    return reinterpret_cast<std::intptr_t>(Address);
}

}  // namespace morvane::mdPub
