#pragma once
// Where the add-ins' load behaviour is registered, below both the user and the machine hive.

#include <cstdint>
#include <string_view>

namespace morvane {

inline constexpr std::wstring_view LoaderAddinKey =
    L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Qor_Loader.Quma_Loader";
// The host's add-ins, one key per ProgID.
inline constexpr std::wstring_view AddinsKey = L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins";
inline constexpr std::wstring_view LoadBehaviorValue = L"LoadBehavior";
// Load at the host's start-up.
inline constexpr std::int32_t LoadAtStartup = 3;

}  // namespace morvane
