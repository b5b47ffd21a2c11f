#pragma once
// What the settings center does before its window opens: which Office is installed, Project's
// data-execution-prevention switch, and its own reading of the settings, which also registers
// the add-in and the loader from the stored switch.

#include <cstdint>
#include <string>

#include "shared/RegistryApi.h"
#include "shared/TabSettings.h"

namespace morvane::center {

// True when the key exists and can be opened for reading.
bool RegKeyExists(RegistryApi& registry, RootKey root, const std::wstring& keyPath);

// The newest Office with a "Common" key for the user: "14.0", "12.0", else "11.0".
std::wstring OfficeVersionOf(RegistryApi& registry);

// Where Office keeps its shared settings, Project's 2010 security key is set to let the add-in
// run without data-execution prevention: EnableDEP becomes 0 unless it already is.
void TurnOffProjectDep(RegistryApi& registry);

// The font defaults, from the system.
struct FontDefaults {
    std::int32_t size = 9;
    std::wstring name;
};

// Reads every setting but TabShow as stored, without the add-in's bounds (the window shows
// what is stored; saving checks it), with the add-in's defaults for a missing Theme,
// EnabledApp and hot key; then registers the loader for loading and the add-in as EnabledApp
// says; then the fonts.
void LoadSettings(RegistryApi& registry, TabSettings& settings, const FontDefaults& fonts);

}  // namespace morvane::center
