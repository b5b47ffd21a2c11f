#pragma once
// The host's version, read once at connection: its text ("11.0", "12.0" or "14.0") and its
// leading number.

#include <string>

#include "shared/Numbers.h"

namespace morvane {

struct HostVersionInfo {
    std::wstring Text;
    int Number = 0;

    bool operator==(const HostVersionInfo&) const = default;
};

// The text and its number (HostVersionNumber).
HostVersionInfo ParseHostVersion(const std::wstring& version);

}  // namespace morvane
