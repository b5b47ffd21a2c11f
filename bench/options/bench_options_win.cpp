// Opening the options dialog over the stand-in host with the bar connected, as the options
// command opens it (settings read again, about sixty texts looked up in the language file),
// until the dialog is visible: wall-clock milliseconds, the median of several openings.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "addin/TabBarConnection_win.h"
#include "addin/options/OptionsCommand_win.h"
#include "addin/state/AddinState.h"
#include "standin/Host_win.h"

namespace {

using namespace morvane;
using Clock = std::chrono::steady_clock;

constexpr int kOpenings = 15;

Clock::time_point opened;
std::vector<double> openMs;

// The first timer tick inside the dialog's modal loop: the dialog has been shown by then.
void CALLBACK Visible(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = GetActiveWindow();
    if (!dialog || !IsWindowVisible(dialog)) {
        return;
    }
    KillTimer(nullptr, timer);
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// WM_SHOWWINDOW reaches the dialog before it is first painted; its arrival ends the measure.
LRESULT CALLBACK WatchShow(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code >= 0 && message->message == WM_SHOWWINDOW && message->wParam != FALSE &&
        openMs.size() < static_cast<std::size_t>(kOpenings) && opened != Clock::time_point{}) {
        wchar_t className[16] = {};
        GetClassNameW(message->hwnd, className, 16);
        if (std::wstring(className) == L"#32770") {
            openMs.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - opened).count());
            opened = {};
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int main() {
    com::Apartment apartment;
    standin::Host host;
    SetWindowPos(host.MainWindow(), nullptr, 0, 0, 1200, 800, SWP_NOZORDER);
    AddinState state;
    TabBarConnection connection(state);
    if (!connection.Connect(host.Application())) {
        std::fprintf(stderr, "bench_options: the bar could not be connected\n");
        return 1;
    }
    for (int i = 0; i < 5; ++i) {
        host.OpenProject(L"Project " + std::to_wstring(i + 1) + L".mpp", L"C:\\Projects");
    }
    host.Pump();
    const HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROCRET, &WatchShow, nullptr, GetCurrentThreadId());
    for (int i = 0; i < kOpenings; ++i) {
        SetTimer(nullptr, 0, 10, &Visible);
        opened = Clock::now();
        OpenOptionsDialog(state, connection.Hooks());
        host.Pump();
    }
    UnhookWindowsHookEx(hook);
    connection.Disconnect();
    host.Pump();
    if (openMs.empty()) {
        std::fprintf(stderr, "bench_options: the dialog was never seen\n");
        return 1;
    }
    std::sort(openMs.begin(), openMs.end());
    std::printf("options_open_ms: %.1f\n", openMs[openMs.size() / 2]);
    return 0;
}
