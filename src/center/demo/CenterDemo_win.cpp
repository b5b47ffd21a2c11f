// Shows the settings center for screenshots; never shipped.
//   center_demo <folder> <MorvaneCenter.exe>
// Starts the program, then for each view (center_popular, center_appearance, center_about,
// center_off) puts the window in that state, writes "<folder>\ready-<view>" holding the
// window's place as "WxH+X+Y" and waits for "<folder>\shot-<view>" (at most a minute). Then
// cancels the window, stores custom colours that are light, and starts the program again for
// the view center_colors (the appearance page with those colours); they are removed after it.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

#include "center/CenterForm.h"
#include "shared/SettingsSchema.h"

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

using View = std::pair<std::wstring, std::function<void(HWND)>>;

// Starts the program and shows each view in turn; then cancels the window.
void ShowViews(const std::wstring& exe, const std::wstring& folder,
               const std::vector<View>& views) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring command = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return;
    }
    HWND window = nullptr;
    WaitFor(
        [&] {
            window = FindWindowW(L"#32770", L"Morvane Center");
            return window && IsWindowVisible(window);
        },
        30000);
    for (const auto& [view, action] : views) {
        if (!window) {
            break;
        }
        action(window);
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
}

// Custom colours as light as the button's face: the selected tab white, the faces light grey.
const std::pair<const wchar_t*, COLORREF> kLightColors[] = {
    {L"CoSelect", RGB(255, 255, 255)}, {L"CoNormal", RGB(250, 250, 235)},
    {L"CoBack", RGB(240, 240, 240)},   {L"CoBackii", RGB(225, 230, 240)},
    {L"CoText", RGB(21, 66, 139)},     {L"CoTextSe", RGB(0, 0, 0)},
};

void StoreSetting(const wchar_t* name, DWORD value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, std::wstring(morvane::SettingsKey).c_str(), name, REG_DWORD,
                    &value, sizeof(value));
}

void RemoveSetting(const wchar_t* name) {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, std::wstring(morvane::SettingsKey).c_str(), name);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!args || count < 3) {
        return 2;
    }
    const std::wstring folder = args[1];
    const std::wstring exe = args[2];
    LocalFree(args);

    ShowViews(exe, folder,
              {
                  {L"center_popular", [](HWND) {}},
                  {L"center_appearance", [](HWND window) { PageKey(window, VK_RIGHT); }},
                  {L"center_about", [](HWND window) { Click(window, PushButton_Top1); }},
                  {L"center_off",
                   [](HWND window) {
                       Click(window, PushButton_Top0);
                       PageKey(window, VK_LEFT);
                       Click(window, CheckBox_Enbeld);
                   }},
              });

    StoreSetting(L"CusColor", 1);
    for (const auto& [name, color] : kLightColors) {
        StoreSetting(name, color);
    }
    ShowViews(exe, folder, {{L"center_colors", [](HWND window) { PageKey(window, VK_RIGHT); }}});
    RemoveSetting(L"CusColor");
    for (const auto& [name, color] : kLightColors) {
        RemoveSetting(name);
    }
    return 0;
}
