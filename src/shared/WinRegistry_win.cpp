#include "shared/WinRegistry_win.h"

#include <windows.h>

#include "shared/AnsiText_win.h"

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

}  // namespace

std::optional<RegistryApi::Key> WinRegistry::OpenRead(RootKey root, const std::string& subKey) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(RootOf(root), subKey.c_str(), 0, KEY_READ | ViewOf(root), &handle) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return KeyOf(handle);
}

std::optional<RegistryApi::Key> WinRegistry::CreateWrite(RootKey root, const std::string& subKey) {
    char noClass[] = "";
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, FALSE};
    HKEY handle = nullptr;
    if (RegCreateKeyExA(RootOf(root), subKey.c_str(), 0, noClass, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE | ViewOf(root), &security, &handle, nullptr) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return KeyOf(handle);
}

std::optional<RegValueInfo> WinRegistry::QueryInfo(Key key, const std::string& valueName) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(HandleOf(key), valueName.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return RegValueInfo{type, size};
}

std::optional<std::uint32_t> WinRegistry::QueryData(Key key, const std::string& valueName,
                                                    std::span<std::uint8_t> buffer) {
    DWORD size = static_cast<DWORD>(buffer.size());
    if (RegQueryValueExA(HandleOf(key), valueName.c_str(), nullptr, nullptr, buffer.data(),
                         &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return size;
}

bool WinRegistry::SetValue(Key key, const std::string& valueName, std::uint32_t type,
                           std::span<const std::uint8_t> data) {
    return RegSetValueExA(HandleOf(key), valueName.c_str(), 0, type, data.data(),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool WinRegistry::Close(Key key) {
    return RegCloseKey(HandleOf(key)) == ERROR_SUCCESS;
}

std::string WinRegistry::ToAnsi(const std::wstring& text) const {
    return morvane::ToAnsi(text);
}

std::wstring WinRegistry::FromAnsi(const std::string& text) const {
    return morvane::FromAnsi(text);
}

}  // namespace morvane
