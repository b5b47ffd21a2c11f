#include "addin/ComServer_win.h"

#include <atomic>

#include "shared/LibraryUse.h"
#include "shared/Trace.h"

namespace morvane::ComServer {

namespace {

std::atomic<long> serverLocks{0};

}  // namespace

HMODULE Module() {
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&Module), &module);
    return module;
}

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(Module(), path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            TraceFailure(L"GetModuleFileNameW", HRESULT_FROM_WIN32(GetLastError()));
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void Lock(bool lock) {
    lock ? ++serverLocks : --serverLocks;
}

bool CanUnload() {
    // A host may let go of the add-in from inside a message of a window we hook or a call of ours:
    // our code is still on the stack then and must be able to return into this module.
    return serverLocks == 0 && LibraryUse::LiveObjects() == 0 && LibraryUse::CallsInProgress() == 0;
}

com::ComPtr<ITypeInfo> TypeInfoOf(REFGUID guid) {
    com::ComPtr<ITypeLib> library;
    com::ComPtr<ITypeInfo> info;
    if (const HRESULT hr = LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, library.Put());
        FAILED(hr)) {
        TraceFailure(L"LoadTypeLibEx", hr);
        return info;
    }
    if (const HRESULT hr = library->GetTypeInfoOfGuid(guid, info.Put()); FAILED(hr)) {
        TraceFailure(L"ITypeLib::GetTypeInfoOfGuid", hr);
    }
    return info;
}

}  // namespace morvane::ComServer
