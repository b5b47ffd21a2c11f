#pragma once
// The few system facts the font and version helpers ask for. The real adapter is WinSystem;
// tests use a double. Every member answers no value when its call fails.

#include <cstdint>
#include <optional>
#include <string>

namespace morvane {

// From the system's non-client metrics.
struct NonClientFonts {
    std::wstring CaptionFaceName;
    std::int32_t MenuFontHeight = 0;  // logical units, negative for a character height
};

struct VersionNumbers {
    std::uint32_t PlatformId = 0;
    std::uint32_t Major = 0;
    std::uint32_t Minor = 0;
};

class SystemApi {
  public:
    virtual ~SystemApi() = default;
    // The desktop's horizontal pixels per logical inch.
    virtual std::optional<std::int32_t> PixelsPerInchX() const = 0;
    virtual std::optional<NonClientFonts> NonClientMetrics() const = 0;
    // The version the system reports to the program.
    virtual std::optional<VersionNumbers> Version() const = 0;
};

}  // namespace morvane
