#pragma once
// Small shared helpers and the add-in's module-level host state.

#include <cstdint>
#include <memory>
#include <string>

#include "shared/HostApp.h"

namespace morvane::mdPub {

// Project's Application object, held from connection to disconnection.
inline std::shared_ptr<morvane::HostApp> HostApp;

// The low and high 16 bits of a message parameter, taken as signed.
std::int16_t LoWord(std::int32_t value);
std::int16_t HiWord(std::int32_t value);

// How many of the host's windows are visible; a failing host ends the count where it is.
std::int32_t VisibleWindowCount();

// A tab caption without its unsaved mark ("  *" at the end of the trimmed caption).
std::wstring StripModifiedMark(const std::wstring& caption);

}  // namespace morvane::mdPub
