#pragma once

namespace morvane::mdPub {

// Fills mdPub::Settings from the settings key, every field but EnabledApp, with the defaults and
// bounds of each value; on host "14.0" also OfficeTheme. A value that cannot be read and has no
// default keeps what the field held.
void LoadSettings();

}  // namespace morvane::mdPub
