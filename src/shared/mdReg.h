#pragma once
// Every registry value the system reads or writes goes through these two functions. They open and
// close the key on every call, never throw and report only through their result.

#include <cstdint>
#include <string>

#include "shared/RegistryApi.h"

namespace morvane::mdReg {

// The value types handled (the registry's own numbers).
inline constexpr std::int32_t RegSz = 1;
inline constexpr std::int32_t RegExpandSz = 2;
inline constexpr std::int32_t RegBinary = 3;
inline constexpr std::int32_t RegDword = 4;

// Every call works on the registry the caller hands over: the one its program's state holds.

// Reads one value into the caller's variable, converted to its type: decimal digits into an
// integer, an integer into its decimal text. False when the key or value is missing, cannot be
// read or is of another type than 1 to 4; the variable is then unchanged. Text that is no number
// read into an integer leaves the variable unchanged and still answers true.
bool GetRegValue(RegistryApi& api, RootKey hKey, const std::wstring& SubKey,
                 const std::wstring& ValueName, std::int32_t& Value);
bool GetRegValue(RegistryApi& api, RootKey hKey, const std::wstring& SubKey,
                 const std::wstring& ValueName, std::wstring& Value);

// Writes one value, creating every missing key on the path. Types 1 and 2 write the value as
// text, 3 and 4 as a 32-bit integer (a fraction rounded to the nearest, a half to the even
// neighbour; text must be a number). Any other type, or a value that cannot be converted, writes
// nothing and answers false.
bool SetRegValue(RegistryApi& api, RootKey hKey, const std::wstring& SubKey,
                 const std::wstring& ValueName, std::int32_t ValueType, std::int32_t Value);
bool SetRegValue(RegistryApi& api, RootKey hKey, const std::wstring& SubKey,
                 const std::wstring& ValueName, std::int32_t ValueType, double Value);
bool SetRegValue(RegistryApi& api, RootKey hKey, const std::wstring& SubKey,
                 const std::wstring& ValueName, std::int32_t ValueType, const std::wstring& Value);

}  // namespace morvane::mdReg
