#include "BarInHost_win.h"

#include "addin/Menus.h"
#include "shared/SettingsSchema.h"

namespace morvane::test {

void ClearStoredSettings() {
    RegDeleteTreeW(HKEY_CURRENT_USER, std::wstring(SettingsKey).c_str());
}

void BarInHost::SetUp() {
    ClearStoredSettings();
}

void BarInHost::TearDown() {
    Disconnect();
    host.reset();
    ClearStoredSettings();
}

void BarInHost::StartHost(const std::wstring& version, SettingValues settings) {
    const std::wstring key(SettingsKey);
    HKEY settingsKey = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &settingsKey,
                    nullptr);
    for (const auto& [name, value] : settings) {
        const DWORD data = static_cast<DWORD>(value);
        RegSetValueExW(settingsKey, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                       sizeof data);
    }
    RegCloseKey(settingsKey);
    hostOptions.version = version;
    host = std::make_unique<standin::Host>(hostOptions);
}

void BarInHost::Connect() {
    ConnectAddin();
    Refresh();
}

void BarInHost::ConnectAddin() {
    addin = Morvane::Create(state, dialogs, commandSeams);
    ASSERT_EQ(
        addin->OnConnection(host->Application().Get(), office::ext_cm_Startup, nullptr, nullptr),
        S_OK);
    ASSERT_TRUE(addin->Connected());
    addin->OnStartupComplete(nullptr);
}

void BarInHost::Disconnect() {
    if (addin) {
        addin->OnDisconnection(office::ext_dm_UserClosed, nullptr);
        addin = nullptr;
    } else {
        // A test that connected without the class, to hand the connection doubles of its own.
        connection->Disconnect();
    }
    if (host) {
        host->Pump();
    }
}

void BarInHost::Refresh() {
    if (auto* form = Form()) {
        state.Updating = true;
        form->UpdateMenu();
        state.Updating = false;
    }
    Hooks().client.ReframeClient();
    host->Pump();
}

void BarInHost::SizeMain(int width, int height) {
    SetWindowPos(host->MainWindow(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    host->Pump();
}

TabBarHooks& BarInHost::Hooks() const {
    return addin ? addin->Hooks() : connection->Hooks();
}

frmMorvaneWindow* BarInHost::Form() const {
    return static_cast<frmMorvaneWindow*>(Hooks().client.TabBarForm());
}

tabctl::TabControl& BarInHost::Control() const {
    return static_cast<Win32TabBarControl*>(Form()->Strip())->Control();
}

HWND BarInHost::Bar() const {
    return reinterpret_cast<HWND>(Form()->hWnd());
}

POINT BarInHost::TabCentre(int tab) const {
    const tabctl::PixelRect rect = Control().TabRect(tab);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void BarInHost::Click(UINT down, UINT up, POINT at) {
    const HWND control = Control().Hwnd();
    POINT screen = at;
    ClientToScreen(control, &screen);
    SetCursorPos(screen.x, screen.y);
    const WPARAM keys = down == WM_LBUTTONDOWN   ? MK_LBUTTON
                        : down == WM_RBUTTONDOWN ? MK_RBUTTON
                                                 : MK_MBUTTON;
    SendMessageW(control, down, keys, MAKELPARAM(at.x, at.y));
    SendMessageW(control, up, 0, MAKELPARAM(at.x, at.y));
    host->Pump();
}

HWND BarInHost::Window(const std::wstring& name) const {
    const auto doc = host->Find(name);
    return doc ? doc->window : nullptr;
}

std::wstring BarInHost::ActiveName() const {
    const auto doc = host->ActiveDocument();
    return doc ? doc->name : L"";
}

std::vector<std::wstring> BarInHost::OpenNames() const {
    std::vector<std::wstring> names;
    for (const auto& doc : host->Documents()) {
        names.push_back(doc->name);
    }
    return names;
}

void BarInHost::ClickItem(long position) {
    ASSERT_TRUE(host->CommandBars().ClickItem(PupTabOnItemName, position).clicked);
    host->Pump();
}

}  // namespace morvane::test
