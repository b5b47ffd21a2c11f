#include "AddinBench_win.h"

#include <psapi.h>

namespace morvane::bench {

std::wstring BesideProgram(const std::wstring& name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring exe = path;
    return exe.substr(0, exe.find_last_of(L"\\/") + 1) + name;
}

bool InstallAddin(bool install) {
    const HMODULE dll = LoadLibraryW(BesideProgram(L"Morvane.dll").c_str());
    using DllInstall = HRESULT(STDAPICALLTYPE*)(BOOL, PCWSTR);
    const auto entry = reinterpret_cast<DllInstall>(
        reinterpret_cast<void (*)()>(GetProcAddress(dll, "DllInstall")));
    const bool done = entry && SUCCEEDED(entry(install, L"user"));
    FreeLibrary(dll);
    return done;
}

double WorkingSetKb() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.WorkingSetSize) / 1024.0;
}

}  // namespace morvane::bench
