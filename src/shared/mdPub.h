#pragma once
// Small shared helpers and the add-in's module-level state.

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>

#include "shared/HostApp.h"
#include "shared/SystemApi.h"
#include "shared/TabSettings.h"

namespace morvane::mdPub {

// Project's Application object, held from connection to disconnection.
inline std::shared_ptr<morvane::HostApp> HostApp;
// Project's version text: "11.0", "12.0" or "14.0".
inline std::wstring HostVersion;
// The handle of Project's main window, as a pointer-sized number.
inline std::intptr_t hMainWnd = 0;
// The settings record, once per program.
inline TabSettings Settings;
// The Office "14.0" colour scheme as last read: 1 blue, 2 silver, 3 black.
inline std::int32_t OfficeTheme = 0;
// The system facts behind the font and version helpers. A program sets it once at start;
// without one the helpers give their failure results.
inline std::shared_ptr<SystemApi> System;

// The low and high 16 bits of a message parameter, taken as signed.
std::int16_t LoWord(std::int32_t value);
std::int16_t HiWord(std::int32_t value);

// How many of the host's windows are visible; a failing host ends the count where it is.
std::int32_t VisibleWindowCount();
std::int32_t VisibleWindowCount(const morvane::HostApp& app);

// A tab caption without its unsaved mark ("  *" at the end of the trimmed caption).
std::wstring StripModifiedMark(const std::wstring& caption);

// The face name of the system's caption font; empty when the metrics cannot be read.
std::wstring SystemFontName();

// The point size of the system's menu font at the screen's resolution; 9 when it cannot be read.
std::int32_t DefaultFontSize();

struct OSVersion {
    std::wstring Name;     // such as "Windows 7"; empty for a version without a name
    std::wstring Version;  // major and minor number joined by a point, such as "6.1"
};

// The name and version text of the Windows version the numbers describe.
OSVersion OSVersionOf(const VersionNumbers& numbers);
// The running Windows; "Failed" in both texts when the system does not say.
OSVersion GetOSVersion();

// A procedure's address as a pointer-sized number, as window longs hold it.
template <typename F>
requires std::is_function_v<F> std::intptr_t FnPtr(F* Address) {
    return reinterpret_cast<std::intptr_t>(Address);
}

}  // namespace morvane::mdPub
