#pragma once
// The host's version, read once at connection: its text ("11.0", "12.0" or "14.0") and its
// leading number.

#include <string>

namespace morvane {

struct HostVersionInfo {
    std::wstring Text;
    int Number = 0;

    bool operator==(const HostVersionInfo&) const = default;
};

// A host version text by its leading decimal number: "12.0" is 12; 0 when there is none.
int HostVersionNumber(const std::wstring& version);

// The text and its number.
HostVersionInfo ParseHostVersion(const std::wstring& version);

}  // namespace morvane
