#pragma once

#include <cstdint>
#include <string>

#include "shared/RegistryApi.h"
#include "shared/SystemApi.h"
#include "shared/TabSettings.h"

namespace morvane::mdPub {

// Fills the settings from the settings key in that registry (the default font from that system),
// every field but EnabledApp, with the defaults and bounds of each value; on host "14.0" also the
// Office colour scheme. A value that cannot be read and has no default keeps what the field held.
void LoadSettings(RegistryApi& registry, const SystemApi* system, TabSettings& Settings,
                  const std::wstring& HostVersion, std::int32_t& OfficeTheme);

}  // namespace morvane::mdPub
