#pragma once
// What the benchmarks over Morvane.dll share: where the library is, its per-user registration,
// and the process's working set.

#include <windows.h>

#include <string>

namespace morvane::bench {

inline constexpr wchar_t kProgId[] = L"Qor.Morvane";

// A file beside this program.
std::wstring BesideProgram(const std::wstring& name);
// Registers or unregisters Morvane.dll for the current user, as regsvr32 /n /i:user does.
bool InstallAddin(bool install);
// The process's working set in KB (Wine answers no private bytes).
double WorkingSetKb();

}  // namespace morvane::bench
