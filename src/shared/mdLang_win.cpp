#include "shared/mdLang_win.h"

#include <windows.h>

#include "shared/MsXmlReader_win.h"
#include "shared/Trace.h"

namespace morvane::mdLang {

std::optional<std::wstring> ModuleFolder() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            reinterpret_cast<LPCWSTR>(&ModuleFolder), &module)) {
        return std::nullopt;
    }
    // Long paths do not fit MAX_PATH: grow until the name is not cut.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::nullopt;
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        if (path.size() >= 32768) {
            return std::nullopt;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos) {
        return std::nullopt;
    }
    path.resize(separator);
    return path;
}

void InitLanguage(Language& language, RegistryApi& registry, const std::wstring& hostVersion) {
    try {
        language.SetXmlReader(MakeMsXmlReader());
    } catch (...) {
        // Lookups then give their defaults.
        TraceException(L"making the XML reader");
    }
    InitLanguage(language, registry, hostVersion, ModuleFolder);
}

}  // namespace morvane::mdLang
