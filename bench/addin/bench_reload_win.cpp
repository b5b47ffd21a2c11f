// Memory per reload cycle: disconnect Morvane.dll in the stand-in host, release it, free the
// library, load it again and connect. Beside it the floor: a small library that registers a
// window class, makes a window and a tab control, and is loaded and freed the same way, so that
// what Wine and the runtime keep per load can be told from what the add-in keeps.

#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "AddinBench_win.h"
#include "standin/Host_win.h"

namespace {

using namespace morvane;

constexpr int kWarmUp = 20;
constexpr int kCycles = 200;

bool Loaded(const wchar_t* module) {
    return GetModuleHandleW(module) != nullptr;
}

// KB the working set grew per cycle, over kCycles after kWarmUp.
double GrowthPerCycle(const std::function<void()>& cycle) {
    for (int i = 0; i < kWarmUp; ++i) {
        cycle();
    }
    const double before = bench::WorkingSetKb();
    for (int i = 0; i < kCycles; ++i) {
        cycle();
    }
    return (bench::WorkingSetKb() - before) / kCycles;
}

// One cycle; false when the host could not free the library afterwards.
bool AddinCycle(standin::Host& host) {
    if (!host.Addins().Connect(bench::kProgId)) {
        std::fprintf(stderr, "bench_reload: Morvane.dll could not be connected\n");
        std::exit(1);
    }
    host.Pump();
    host.Addins().Disconnect(bench::kProgId);
    host.Pump();
    host.Addins().FreeUnusedLibraries();
    return !Loaded(L"Morvane.dll");
}

void FloorCycle() {
    const HMODULE library = LoadLibraryW(bench::BesideProgram(L"morvane_echo_window.dll").c_str());
    using Ask = LRESULT (*)();
    const auto ask = reinterpret_cast<Ask>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "AskTabControl")));
    if (!ask || ask() == 0) {
        std::fprintf(stderr, "bench_reload: the floor library could not be used\n");
        std::exit(1);
    }
    FreeLibrary(library);
}

}  // namespace

int main() {
    com::Apartment apartment;
    if (!bench::InstallAddin(true)) {
        std::fprintf(stderr, "bench_reload: Morvane.dll could not be registered\n");
        return 1;
    }
    double addin = 0;
    bool freed = true;
    {
        standin::Host host;
        for (int i = 0; i < 10; ++i) {
            host.OpenProject(L"Project " + std::to_wstring(i + 1) + L".mpp", L"C:\\Projects");
        }
        addin = GrowthPerCycle([&] { freed = AddinCycle(host) && freed; });
    }
    const double floor = GrowthPerCycle(FloorCycle);
    bench::InstallAddin(false);
    std::printf("reload_growth_kb_per_cycle: %.1f\n", addin);
    std::printf("reload_growth_floor_kb_per_cycle: %.1f\n", floor);
    std::printf("reload_library_freed: %s\n", freed ? "yes" : "no");
    return 0;
}
