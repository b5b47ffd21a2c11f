// Opening the options dialog over the stand-in host with the bar connected, as the options
// command opens it (settings read again, about sixty texts looked up in the language file),
// until the dialog is visible: wall-clock milliseconds, the median of several openings. Beside
// it, the same for an empty dialog of the same kind: what the system alone takes to open one.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "addin/TabBarConnection_win.h"
#include "addin/dialogs/Form.h"
#include "addin/dialogs/ModalDialog_win.h"
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
// The dialog is watched through its own window procedure, not by a hook on every message of
// the thread: under Wine such a hook costs three server calls for each message sent, which
// would count about as much as the dialog's own work.
WNDPROC dialogProc = nullptr;

LRESULT CALLBACK WatchShow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SHOWWINDOW && wParam != FALSE && opened != Clock::time_point{}) {
        openMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - opened).count());
        opened = {};
    }
    return CallWindowProcW(dialogProc, window, message, wParam, lParam);
}

// Catches the dialog as it is made and hands it to WatchShow; then watches nothing more.
HHOOK creationHook = nullptr;

LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    wchar_t className[16] = {};
    if (code == HCBT_CREATEWND && GetClassNameW(window, className, 16) > 0 &&
        std::wstring(className) == L"#32770") {
        dialogProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchShow)));
        UnhookWindowsHookEx(creationHook);
        creationHook = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The median opening time of the dialog that `open` shows; nothing when it was never seen.
std::optional<double> MedianOpening(standin::Host& host, const std::function<void()>& open) {
    openMs.clear();
    for (int i = 0; i < kOpenings; ++i) {
        creationHook = SetWindowsHookExW(WH_CBT, &WatchCreation, nullptr, GetCurrentThreadId());
        SetTimer(nullptr, 0, 10, &Visible);
        opened = Clock::now();
        open();
        host.Pump();
    }
    if (openMs.empty()) {
        return std::nullopt;
    }
    std::sort(openMs.begin(), openMs.end());
    return openMs[openMs.size() / 2];
}

// A dialog with no controls, shown by the same code as every form of the add-in.
class EmptyForm final : public dialogs::Form {
  public:
    dialogs::FormDesign Form_Load() override { return {}; }
    void Click(int, dialogs::FormView&) override {}
    void Form_QueryUnload() override {}
};

}  // namespace

int main() {
    com::Apartment apartment;
    standin::Host host;
    SetWindowPos(host.MainWindow(), nullptr, 0, 0, 1200, 800, SWP_NOZORDER);
    AddinState state;
    if (!TabBarConnection::Connect(state, host.Application())) {
        std::fprintf(stderr, "bench_options: the bar could not be connected\n");
        return 1;
    }
    for (int i = 0; i < 5; ++i) {
        host.OpenProject(L"Project " + std::to_wstring(i + 1) + L".mpp", L"C:\\Projects");
    }
    host.Pump();
    const auto options = MedianOpening(host, [&] { OpenOptionsDialog(state); });
    const auto empty = MedianOpening(host, [&] {
        EmptyForm form;
        dialogs::ShowModal(form, host.MainWindow());
    });
    TabBarConnection::Disconnect(state);
    host.Pump();
    if (!options || !empty) {
        std::fprintf(stderr, "bench_options: the dialog was never seen\n");
        return 1;
    }
    std::printf("options_open_ms: %.1f\n", *options);
    std::printf("empty_dialog_open_ms: %.1f\n", *empty);
    return 0;
}
