// Opens the stand-in host with sample projects and keeps it on screen until asked to quit.
//   standin_demo <ready file> <quit file>
// Writes the ready file once the windows are painted; closes the host when the quit file appears
// (or after two minutes).
#include <windows.h>
#include <shellapi.h>

#include <string>

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

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 3) {
        return 2;
    }
    const std::wstring ready = argv[1];
    const std::wstring quit = argv[2];
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
    host.OpenProject(L"Product launch.mpp", L"C:\\Projects");
    host.Modify(L"Product launch.mpp");
    host.LoadAddins();  // whatever the prefix has registered, as Project would
    Cascade(host);

    RedrawWindow(host.MainWindow(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpFor(host, 2000, [] { return false; });
    Touch(ready);
    PumpFor(host, 120000, [&] { return Exists(quit); });
    host.Close();
    return 0;
}
