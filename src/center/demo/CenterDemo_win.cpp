// Shows the settings center for screenshots; never shipped.
//   center_demo <folder> <MorvaneCenter.exe>
// Starts the program, then for each view (center_popular, center_appearance, center_about,
// center_off) puts the window in that state, writes "<folder>\ready-<view>" holding the
// window's place as "WxH+X+Y" and waits for "<folder>\shot-<view>" (at most a minute). Then
// cancels the window.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "center/CenterForm.h"

namespace {

using namespace morvane::center;

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Touch(const std::wstring& path, const std::string& content) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

bool WaitFor(const std::function<bool()>& ready, DWORD milliseconds) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    while (!ready()) {
        if (GetTickCount64() > end) {
            return false;
        }
        Sleep(50);
    }
    return true;
}

void Click(HWND window, int id) {
    SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
}

// A key on the options pages' strip.
void PageKey(HWND window, WPARAM key) {
    SendMessageW(GetDlgItem(window, TabControl_Dorrik0), WM_KEYDOWN, key, 1);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count < 3) {
        return 2;
    }
    const std::wstring folder = args[1];
    std::wstring exe = args[2];
    LocalFree(args);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return 1;
    }
    HWND window = nullptr;
    WaitFor(
        [&] {
            window = FindWindowW(L"#32770", L"Morvane Center");
            return window && IsWindowVisible(window);
        },
        30000);
    const std::vector<std::pair<std::wstring, std::function<void()>>> views{
        {L"center_popular", [] {}},
        {L"center_appearance", [&] { PageKey(window, VK_RIGHT); }},
        {L"center_about", [&] { Click(window, PushButton_Top1); }},
        {L"center_off",
         [&] {
             Click(window, PushButton_Top0);
             PageKey(window, VK_LEFT);
             Click(window, CheckBox_Enbeld);
         }},
    };
    for (const auto& [view, action] : views) {
        if (!window) {
            break;
        }
        action();
        SetForegroundWindow(window);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Sleep(500);
        RECT place{};
        GetWindowRect(window, &place);
        Touch(folder + L"\\ready-" + view, std::to_string(place.right - place.left) + "x" +
                                               std::to_string(place.bottom - place.top) + "+" +
                                               std::to_string(place.left) + "+" +
                                               std::to_string(place.top));
        WaitFor([&] { return Exists(folder + L"\\shot-" + view); }, 60000);
    }
    if (window) {
        Click(window, PushButton_Cancel);
    }
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
