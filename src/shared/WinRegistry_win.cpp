#include "shared/WinRegistry_win.h"

#include <windows.h>

#include "shared/AnsiText_win.h"
#include "shared/Trace.h"

namespace morvane {

namespace {

HKEY RootOf(RootKey root) {
    return root == RootKey::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// The access flag that picks the machine hive's view.
REGSAM ViewOf(RootKey root) {
    switch (root) {
        case RootKey::LocalMachine64:
            return KEY_WOW64_64KEY;
        case RootKey::LocalMachine32:
            return KEY_WOW64_32KEY;
        default:
            return 0;
    }
}

HKEY HandleOf(RegistryApi::Key key) {
    return reinterpret_cast<HKEY>(key);
}

RegistryApi::Key KeyOf(HKEY handle) {
    return reinterpret_cast<RegistryApi::Key>(handle);
}

// Whether a registry call succeeded; a failure is traced, except a key or value that is not
// there when `missingIsFine` (settings that were never written).
bool Succeeded(LSTATUS status, const wchar_t* call, bool missingIsFine = false) {
    if (status == ERROR_SUCCESS) {
        return true;
    }
    if (!(missingIsFine && status == ERROR_FILE_NOT_FOUND)) {
        TraceFailure(call, HRESULT_FROM_WIN32(static_cast<DWORD>(status)));
    }
    return false;
}

}  // namespace

std::optional<RegistryApi::Key> WinRegistry::OpenRead(RootKey root, const std::string& subKey) {
    HKEY handle = nullptr;
    if (!Succeeded(RegOpenKeyExA(RootOf(root), subKey.c_str(), 0, KEY_READ | ViewOf(root), &handle),
                   L"RegOpenKeyExA", true)) {
        return std::nullopt;
    }
    return KeyOf(handle);
}

std::optional<RegistryApi::Key> WinRegistry::CreateWrite(RootKey root, const std::string& subKey) {
    char noClass[] = "";
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
    HKEY handle = nullptr;
    if (!Succeeded(
            RegCreateKeyExA(RootOf(root), subKey.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE,
                            KEY_WRITE | ViewOf(root), &security, &handle, nullptr),
            L"RegCreateKeyExA")) {
        return std::nullopt;
    }
    return KeyOf(handle);
}

std::optional<RegValueInfo> WinRegistry::QueryInfo(Key key, const std::string& valueName) {
    DWORD type = 0;
    DWORD size = 0;
    if (!Succeeded(
            RegQueryValueExA(HandleOf(key), valueName.c_str(), nullptr, &type, nullptr, &size),
            L"RegQueryValueExA", true)) {
        return std::nullopt;
    }
    return RegValueInfo{type, size};
}

std::optional<std::uint32_t> WinRegistry::QueryData(Key key, const std::string& valueName,
                                                    std::span<std::uint8_t> buffer) {
    DWORD size = static_cast<DWORD>(buffer.size());
    if (!Succeeded(RegQueryValueExA(HandleOf(key), valueName.c_str(), nullptr, nullptr,
                                    buffer.data(), &size),
                   L"RegQueryValueExA", true)) {
        return std::nullopt;
    }
    return size;
}

bool WinRegistry::SetValue(Key key, const std::string& valueName, std::uint32_t type,
                           std::span<const std::uint8_t> data) {
    return Succeeded(RegSetValueExA(HandleOf(key), valueName.c_str(), 0, type, data.data(),
                                    static_cast<DWORD>(data.size())),
                     L"RegSetValueExA");
}

bool WinRegistry::Close(Key key) {
    return Succeeded(RegCloseKey(HandleOf(key)), L"RegCloseKey");
}

std::string WinRegistry::ToAnsi(const std::wstring& text) const {
    return morvane::ToAnsi(text);
}

std::wstring WinRegistry::FromAnsi(const std::string& text) const {
    return morvane::FromAnsi(text);
}

}  // namespace morvane
