#pragma once
// Double of the system facts; each answer can be set, or emptied to make its call fail.

#include "shared/SystemApi.h"

namespace morvane::test {

class FakeSystem : public SystemApi {
  public:
    std::optional<std::int32_t> dpi = 96;
    std::optional<NonClientFonts> metrics = NonClientFonts{L"Segoe UI", -12};
    std::optional<VersionNumbers> version = VersionNumbers{2, 6, 1};

    std::optional<std::int32_t> PixelsPerInchX() const override { return dpi; }
    std::optional<NonClientFonts> NonClientMetrics() const override { return metrics; }
    std::optional<VersionNumbers> Version() const override { return version; }
};

}  // namespace morvane::test
