// Opens the stand-in host with sample projects and loads the registered add-in (Morvane.dll) as
// Project does, then shows the bar on each edge in turn for screenshots: the position is set in
// the add-in's settings and the add-in connected again, which reads every setting anew.
//   standin_demo <folder>
// For each view (host, position_above, position_below, position_left, position_right) it writes
// "<folder>\ready-<view>" once the windows are painted and waits for "<folder>\shot-<view>"
// (at most a minute) before the next; then closes the host.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "shared/SettingsSchema.h"
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

constexpr wchar_t kProgId[] = L"Qor.Morvane";

void SetPosition(std::int32_t position) {
    const DWORD value = static_cast<DWORD>(position);
    RegSetKeyValueW(HKEY_CURRENT_USER, std::wstring(morvane::SettingsKey).c_str(), L"Position",
                    REG_DWORD, &value, sizeof value);
}

// Puts the bar on another edge: the setting, then the add-in connected again, as a user would
// do it in the host's COM add-ins dialog.
void MoveBar(Host& host, std::int32_t position) {
    SetPosition(position);
    host.Addins().Disconnect(kProgId);
    host.Addins().Connect(kProgId);
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
    host.OpenProject(L"Office move.mpp", L"C:\\Projects");
    host.OpenProject(L"Website redesign.mpp", L"C:\\Projects");
    host.OpenProject(L"Budget 2027.mpp", L"C:\\Projects");
    host.OpenProject(L"R&D roadmap.mpp", L"C:\\Projects");
    host.OpenProject(L"Product launch.mpp", L"C:\\Projects");
    host.Modify(L"Product launch.mpp");
    // The add-in registered under the host's Addins key, loaded as Project loads it.
    SetPosition(morvane::BarAbove);
    if (host.LoadAddins() != 1) {
        return 1;
    }
    Cascade(host);
    Show(host, folder, L"host");

    const std::pair<std::int32_t, const wchar_t*> views[] = {
        {morvane::BarAbove, L"position_above"},
        {morvane::BarBelow, L"position_below"},
        {morvane::BarLeft, L"position_left"},
        {morvane::BarRight, L"position_right"},
    };
    for (const auto& [position, view] : views) {
        MoveBar(host, position);
        Show(host, folder, view);
    }
    host.Close();
    return 0;
}
