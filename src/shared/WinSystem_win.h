#pragma once
// The system facts of the running Windows.

#include "shared/SystemApi.h"

namespace morvane {

class WinSystem : public SystemApi {
  public:
    std::optional<std::int32_t> PixelsPerInchX() const override;
    std::optional<NonClientFonts> NonClientMetrics() const override;
    std::optional<VersionNumbers> Version() const override;
};

}  // namespace morvane
