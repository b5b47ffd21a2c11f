// The connection with 10 and with 50 projects open: the time from the host's connection call
// until the bar is visible and filled, through Morvane.dll registered for the current user and
// loaded by the stand-in host. The median of 15 connections, after one to load the library.
// It includes the host repainting its project windows when the client window gives up the bar's
// strip, which the connection asks to happen at once.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "AddinBench_win.h"
#include "standin/Host_win.h"

namespace {

using namespace morvane;

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

HWND VisibleBar(HWND main) {
    for (HWND child = nullptr; (child = FindWindowExW(main, child, nullptr, nullptr));) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, 64);
        if (std::wstring(name) == L"MorvaneTabBarForm" && IsWindowVisible(child) &&
            FindWindowExW(child, nullptr, L"MorvaneTabControl", nullptr)) {
            return child;
        }
    }
    return nullptr;
}

double ConnectMilliseconds(int projects) {
    standin::Host host;
    SetWindowPos(host.MainWindow(), nullptr, 0, 0, 1200, 800, SWP_NOZORDER);
    for (int i = 0; i < projects; ++i) {
        host.OpenProject(L"Project " + std::to_wstring(i + 1) + L".mpp", L"C:\\Projects");
    }
    host.Addins().Connect(bench::kProgId);
    host.Addins().Disconnect(bench::kProgId);
    std::vector<double> times;
    for (int round = 0; round < 15; ++round) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        host.Addins().Connect(bench::kProgId);
        host.Pump();
        const bool shown = VisibleBar(host.MainWindow()) != nullptr;
        QueryPerformanceCounter(&end);
        if (!shown) {
            std::fprintf(stderr, "bench_connect: no bar after the connection\n");
            std::exit(1);
        }
        times.push_back(Milliseconds(start, end));
        host.Addins().Disconnect(bench::kProgId);
        host.Pump();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    com::Apartment apartment;
    if (!bench::InstallAddin(true)) {
        std::fprintf(stderr, "bench_connect: Morvane.dll could not be registered\n");
        return 1;
    }
    const double ten = ConnectMilliseconds(10);
    const double fifty = ConnectMilliseconds(50);
    bench::InstallAddin(false);
    std::printf("connect10_ms: %.2f\n", ten);
    std::printf("connect50_ms: %.2f\n", fifty);
    return 0;
}
