// Opens the stand-in host with sample projects and the tab bar connected as the add-in's
// connection does it, and shows the bar on each edge in turn for screenshots.
//   standin_demo <folder>
// For each view (host, position_above, position_below, position_left, position_right) it writes
// "<folder>\ready-<view>" once the windows are painted and waits for "<folder>\shot-<view>"
// (at most a minute) before the next; then closes the host.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "addin/TabBarConnection_win.h"
#include "addin/state/AddinState.h"
#include "addin/tabbar/mdSubClass_win.h"
#include "shared/TabSettings.h"
#include "standin/Host_win.h"

namespace {

using morvane::standin::Host;
using morvane::standin::HostOptions;

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Touch(const std::wstring& path) {
    CloseHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Pumps messages for a while, or until `stop` says so.
template <typename Stop>
void PumpFor(Host& host, DWORD milliseconds, Stop stop) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (GetTickCount64() < end && host.IsOpen() && !stop()) {
        host.Pump();
        Sleep(20);
    }
}

// What the host's activation events will do once the add-in follows them: the tabs refreshed
// without activating anything, the client window re-framed.
void RefreshBar(morvane::AddinState& state) {
    if (auto* bar = morvane::mdSubClass::TabBarForm()) {
        state.Updating = true;
        bar->UpdateMenu();
        state.Updating = false;
    }
    morvane::mdSubClass::ReframeClient();
}

// Every project in view, in opening order, the active one in front.
void Cascade(Host& host) {
    RECT client;
    GetClientRect(host.Client(), &client);
    const auto docs = host.Documents();
    const int step = GetSystemMetrics(SM_CYCAPTION) + 8;
    const int n = static_cast<int>(docs.size());
    for (int i = 0; i < n; ++i) {
        SetWindowPos(docs[i]->window, HWND_TOP, i * step, i * step, client.right - (n - 1) * step,
                     client.bottom - (n - 1) * step, SWP_NOACTIVATE);
    }
    if (const auto active = host.ActiveDocument()) {
        BringWindowToTop(active->window);
    }
}

// Paints everything, then hands the view to the screenshot and waits for it.
void Show(Host& host, const std::wstring& folder, const std::wstring& view) {
    RedrawWindow(host.MainWindow(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(host, 1500, [] { return false; });
    Touch(folder + L"\\ready-" + view);
    const std::wstring shot = folder + L"\\shot-" + view;
    PumpFor(host, 60000, [&] { return Exists(shot); });
}

// Puts the bar on another edge, as the options dialog does when the position changes.
void MoveBar(Host& host, morvane::AddinState& state, morvane::BarPosition position) {
    state.Settings.Position = position;
    state.PlacementPending = true;
    RefreshBar(state);
    // The client window's new size places the bar on its new edge.
    RECT main;
    GetWindowRect(host.MainWindow(), &main);
    SetWindowPos(host.MainWindow(), nullptr, 0, 0, main.right - main.left - 1,
                 main.bottom - main.top, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(host.MainWindow(), nullptr, 0, 0, main.right - main.left, main.bottom - main.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    Cascade(host);
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2) {
        return 2;
    }
    const std::wstring folder = argv[1];
    LocalFree(argv);
    morvane::com::Apartment apartment;
    HostOptions options;
    options.version = L"14.0";
    Host host(options);
    // The whole screen, as a maximised Project window would have it.
    SetWindowPos(host.MainWindow(), nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                 GetSystemMetrics(SM_CYSCREEN), SWP_NOZORDER);
    // Connected at start-up, as Project loads the add-in, before the user opens projects.
    morvane::AddinState state;
    if (!morvane::TabBarConnection::Connect(state, host.Application())) {
        return 1;
    }
    host.OpenProject(L"Office move.mpp", L"C:\\Projects");
    host.OpenProject(L"Website redesign.mpp", L"C:\\Projects");
    host.OpenProject(L"Budget 2027.mpp", L"C:\\Projects");
    host.OpenProject(L"R&D roadmap.mpp", L"C:\\Projects");
    host.OpenProject(L"Product launch.mpp", L"C:\\Projects");
    host.Modify(L"Product launch.mpp");
    state.LockedProjects.insert(L"C:\\Projects\\Budget 2027.mpp");
    RefreshBar(state);
    MoveBar(host, state, morvane::BarAbove);
    Show(host, folder, L"host");

    const std::pair<morvane::BarPosition, const wchar_t*> views[] = {
        {morvane::BarAbove, L"position_above"},
        {morvane::BarBelow, L"position_below"},
        {morvane::BarLeft, L"position_left"},
        {morvane::BarRight, L"position_right"},
    };
    for (const auto& [position, view] : views) {
        MoveBar(host, state, position);
        Show(host, folder, view);
    }
    morvane::TabBarConnection::Disconnect(state);
    host.Close();
    return 0;
}
