#include "AddinDll_win.h"

#include <set>

#include "shared/SettingsSchema.h"
#include "support/ThreadWindows_win.h"
#include "standin/AddinLoader_win.h"

namespace morvane::test {

namespace {

std::wstring Folder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring exe = path;
    return exe.substr(0, exe.find_last_of(L"\\/") + 1);
}

std::wstring ValueText(DWORD type, const BYTE* data, DWORD size) {
    if (type == REG_DWORD && size == sizeof(DWORD)) {
        return L"dword:" + std::to_wstring(*reinterpret_cast<const DWORD*>(data));
    }
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        return L"sz:" +
               std::wstring(reinterpret_cast<const wchar_t*>(data), size / sizeof(wchar_t));
    }
    return L"type" + std::to_wstring(type) + L":" + std::to_wstring(size);
}

void DumpInto(HKEY key, const std::wstring& path, RegistryDump& into) {
    into[path] = L"key";
    std::vector<BYTE> data(1 << 16);
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD nameLength = static_cast<DWORD>(std::size(name));
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(data.size());
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS) {
            break;
        }
        into[path + L"\\@" + std::wstring(name, nameLength)] = ValueText(type, data.data(), size);
    }
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = static_cast<DWORD>(std::size(name));
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        HKEY child = nullptr;
        if (RegOpenKeyExW(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
            DumpInto(child, path + L"\\" + name, into);
            RegCloseKey(child);
        }
    }
}

}  // namespace

std::wstring DllPath() {
    return Folder() + L"Morvane.dll";
}

DWORD Regsvr32(const std::wstring& switches) {
    std::wstring command = L"regsvr32.exe /s " + switches + L" \"" + DllPath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return static_cast<DWORD>(-1);
    }
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = static_cast<DWORD>(-1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

RegistryDump Dump(HKEY root, const std::wstring& key) {
    RegistryDump dump;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) == ERROR_SUCCESS) {
        DumpInto(opened, key, dump);
        RegCloseKey(opened);
    }
    return dump;
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}

void SetDword(HKEY root, const std::wstring& key, const wchar_t* name, DWORD value) {
    ASSERT_EQ(RegSetKeyValueW(root, key.c_str(), name, REG_DWORD, &value, sizeof value),
              ERROR_SUCCESS);
}

std::wstring ReadText(HKEY root, const std::wstring& key, const wchar_t* name) {
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS) {
        return L"(none)";
    }
    return data;
}

DWORD ReadDword(HKEY root, const std::wstring& key, const wchar_t* name) {
    DWORD data = 0xFFFFFFFF;
    DWORD size = sizeof data;
    RegGetValueW(root, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &data, &size);
    return data;
}

std::vector<HWND> WindowsOfClass(const wchar_t* className) {
    std::vector<HWND> found;
    for (const HWND window : ThreadWindows()) {
        wchar_t name[256] = {};
        GetClassNameW(window, name, 256);
        if (std::wstring(name) == className) {
            found.push_back(window);
        }
    }
    return found;
}

bool HotKeyTaken(UINT modifiers, UINT key) {
    constexpr int kProbeId = 0xBFF0;
    if (!RegisterHotKey(nullptr, kProbeId, modifiers, key)) {
        return true;
    }
    UnregisterHotKey(nullptr, kProbeId);
    return false;
}

bool DllLoaded() {
    return GetModuleHandleW(L"Morvane.dll") != nullptr;
}

com::ComPtr<IDTExtensibility2> NewAddinObject(HMODULE library) {
    com::ComPtr<IDTExtensibility2> addin;
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    const auto get = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "DllGetClassObject")));
    CLSID clsid{};
    com::ComPtr<IClassFactory> factory;
    if (get && SUCCEEDED(CLSIDFromString(L"{D504026E-642D-4F32-8AC3-46DA8206141B}", &clsid)) &&
        SUCCEEDED(get(clsid, IID_IClassFactory, reinterpret_cast<void**>(factory.Put())))) {
        factory->CreateInstance(nullptr, __uuidof(IDTExtensibility2),
                                reinterpret_cast<void**>(addin.Put()));
    }
    return addin;
}

void AddinDllTest::SetUp() {
    ASSERT_FALSE(DllLoaded()) << "an earlier test left the add-in loaded";
    RegDeleteTreeW(HKEY_CURRENT_USER, std::wstring(SettingsKey).c_str());
    ASSERT_EQ(Regsvr32(L"/n /i:user"), 0u);
}

void AddinDllTest::TearDown() {
    host.reset();
    EXPECT_EQ(Regsvr32(L"/u /n /i:user"), 0u);
    Regsvr32(L"/u");
    RegDeleteTreeW(HKEY_CURRENT_USER, std::wstring(SettingsKey).c_str());
    CoFreeUnusedLibrariesEx(0, 0);
    EXPECT_FALSE(DllLoaded()) << "the add-in's library is still loaded after its last object";
}

void AddinDllTest::StartHost(int projects,
                             std::initializer_list<std::pair<const wchar_t*, DWORD>> settings,
                             const std::wstring& version) {
    // Closing the host with several projects open asks nothing: the user said so once.
    SetDword(HKEY_CURRENT_USER, std::wstring(SettingsKey), L"ExitInfor", 1);
    for (const auto& [name, value] : settings) {
        SetDword(HKEY_CURRENT_USER, std::wstring(SettingsKey), name, value);
    }
    standin::HostOptions options;
    options.version = version;
    host = std::make_unique<standin::Host>(options);
    SetWindowPos(host->MainWindow(), nullptr, 0, 0, 1000, 700, SWP_NOMOVE | SWP_NOZORDER);
    for (int i = 1; i <= projects; ++i) {
        host->OpenProject(L"Plan " + std::to_wstring(i) + L".mpp", L"C:\\Plans");
    }
    mainProc = GetWindowLongPtrW(host->MainWindow(), GWLP_WNDPROC);
    clientProc = GetWindowLongPtrW(host->Client(), GWLP_WNDPROC);
    host->Pump();
}

bool AddinDllTest::MainHooked() const {
    return GetWindowLongPtrW(host->MainWindow(), GWLP_WNDPROC) != mainProc;
}

bool AddinDllTest::ClientHooked() const {
    return GetWindowLongPtrW(host->Client(), GWLP_WNDPROC) != clientProc;
}

HWND AddinDllTest::Bar() const {
    const auto bars = WindowsOfClass(L"MorvaneTabBarForm");
    return bars.size() == 1 ? bars.front() : nullptr;
}

bool AddinDllTest::HasMenus() const {
    const auto names = host->CommandBars().BarNames();
    return std::find(names.begin(), names.end(), L"PupTabOnItem") != names.end();
}

void ProjectFilesTest::TearDown() {
    for (const wchar_t* name : {L"Plan.mpp", L"Renamed.mpp"}) {
        DeleteFileW((folder + L"\\" + name).c_str());
    }
    AddinDllTest::TearDown();
}

void ProjectFilesTest::StartWithFiles(
    std::initializer_list<std::pair<const wchar_t*, DWORD>> settings) {
    StartHost(0, settings);
    const HANDLE file = CreateFileW((folder + L"\\Plan.mpp").c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    host->OpenProject(L"Plan 1.mpp", L"C:\\Plans");
    host->OpenProject(L"Plan.mpp", folder);
    host->OpenProject(L"Plan 3.mpp", L"C:\\Plans");
    host->Pump();
}

bool ProjectFilesTest::FileThere(const std::wstring& name) const {
    return GetFileAttributesW((folder + L"\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ProjectFilesTest::ClickItem(long position) {
    ASSERT_TRUE(host->CommandBars().ClickItem(L"PupTabOnItem", position).clicked);
}

}  // namespace morvane::test
