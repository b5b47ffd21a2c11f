#pragma once
// Where the add-ins' load behaviour is registered, below both the user and the machine hive.

#include <cstdint>
#include <string_view>

#include "shared/RegistryApi.h"

namespace morvane {

inline constexpr std::wstring_view LoaderAddinKey =
    L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Qor_Loader.Quma_Loader";
// The add-in itself.
inline constexpr std::wstring_view MorvaneAddinKey =
    L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Qor.Morvane";
inline constexpr std::wstring_view LoadBehaviorValue = L"LoadBehavior";
// Load at the host's start-up.
inline constexpr std::int32_t LoadAtStartup = 3;
// Registered, but not loaded at the host's start-up.
inline constexpr std::int32_t NotLoaded = 2;

// Writes an add-in's load behaviour for the machine, then for the user. The machine's value
// goes into both registry views, so that it reaches Project of either bitness whichever build
// writes it; a view or hive that refuses the write (no administrator rights) is skipped.
void WriteLoadBehavior(RegistryApi& registry, std::wstring_view addinKey, std::int32_t value);

}  // namespace morvane
