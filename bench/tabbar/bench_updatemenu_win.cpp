// The tab refresh with 10 and with 100 project windows open in the stand-in host: the thread's
// CPU time per UpdateMenu call, averaged over as many calls as fill half a second.

#include <windows.h>

#include <cstdio>
#include <string>

#include "addin/Morvane_win.h"
#include "addin/state/AddinState.h"
#include "standin/Host_win.h"

namespace {

using namespace morvane;

// CPU time this thread has used, in microseconds.
double ThreadMicroseconds() {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto micro = [](const FILETIME& t) {
        return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10.0;
    };
    return micro(kernel) + micro(user);
}

// Microseconds of CPU per refresh with `windows` project windows open.
double UpdateMenuMicroseconds(int windows) {
    standin::Host host;
    SetWindowPos(host.MainWindow(), nullptr, 0, 0, 1200, 800, SWP_NOZORDER);
    AddinState state;
    const auto addin = Morvane::Create(state, nullptr);
    addin->OnConnection(host.Application().Get(), office::ext_cm_Startup, nullptr, nullptr);
    if (!addin->Hooks().client.TabBarForm()) {
        std::fprintf(stderr, "bench_updatemenu: the bar could not be connected\n");
        std::exit(1);
    }
    for (int i = 0; i < windows; ++i) {
        host.OpenProject(L"Project " + std::to_wstring(i + 1) + L".mpp", L"C:\\Projects");
    }
    host.Modify(L"Project 1.mpp");
    TabBarWindow* bar = addin->Hooks().client.TabBarForm();
    const auto refresh = [bar, &state] {
        state.Updating = true;
        bar->UpdateMenu();
        state.Updating = false;
    };
    refresh();  // the first fill adds every window object
    host.Pump();
    int calls = 0;
    const double start = ThreadMicroseconds();
    double spent = 0;
    while (spent < 500000 || calls < 20) {
        refresh();
        ++calls;
        if (calls % 10 == 0) {
            spent = ThreadMicroseconds() - start;
        }
    }
    spent = ThreadMicroseconds() - start;
    addin->OnDisconnection(office::ext_dm_HostShutdown, nullptr);
    host.Pump();
    return spent / calls;
}

}  // namespace

int main() {
    com::Apartment apartment;
    const double ten = UpdateMenuMicroseconds(10);
    const double hundred = UpdateMenuMicroseconds(100);
    std::printf("updatemenu10_us: %.1f\n", ten);
    std::printf("updatemenu100_us: %.1f\n", hundred);
    std::printf("updatemenu_ratio: %.2f\n", hundred / ten);
    return 0;
}
