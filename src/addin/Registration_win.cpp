#include "addin/Registration_win.h"

#include <olectl.h>

#include "addin/ComServer_win.h"
#include "shared/Trace.h"

namespace morvane::Registration {

namespace {

class HiveStore : public Store {
  public:
    explicit HiveStore(HKEY root) : root_(root) {}

    bool Set(const Entry& entry) override {
        const wchar_t* name = entry.name.empty() ? nullptr : entry.name.c_str();
        LSTATUS status = ERROR_SUCCESS;
        if (const auto* text = std::get_if<std::wstring>(&entry.value)) {
            status = RegSetKeyValueW(root_, entry.key.c_str(), name, REG_SZ, text->c_str(),
                                     static_cast<DWORD>((text->size() + 1) * sizeof(wchar_t)));
        } else {
            const DWORD number = std::get<std::uint32_t>(entry.value);
            status =
                RegSetKeyValueW(root_, entry.key.c_str(), name, REG_DWORD, &number, sizeof number);
        }
        if (status != ERROR_SUCCESS) {
            TraceFailure(L"RegSetKeyValueW " + entry.key, HRESULT_FROM_WIN32(status));
        }
        return status == ERROR_SUCCESS;
    }

    bool RemoveTree(const std::wstring& key) override {
        const LSTATUS status = RegDeleteTreeW(root_, key.c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
            TraceFailure(L"RegDeleteTreeW " + key, HRESULT_FROM_WIN32(status));
            return false;
        }
        return true;
    }

  private:
    HKEY root_;
};

}  // namespace

std::unique_ptr<Store> StoreOf(Hive hive) {
    return std::make_unique<HiveStore>(hive == Hive::Machine ? HKEY_LOCAL_MACHINE
                                                             : HKEY_CURRENT_USER);
}

HRESULT RegisterServer(Hive hive) {
    const std::wstring path = ComServer::ModulePath();
    if (path.empty()) {
        return SELFREG_E_CLASS;
    }
    const auto store = StoreOf(hive);
    return Register(*store, {path, sizeof(void*) == 8}) ? S_OK : SELFREG_E_CLASS;
}

HRESULT UnregisterServer(Hive hive) {
    const auto store = StoreOf(hive);
    return Unregister(*store) ? S_OK : SELFREG_E_CLASS;
}

}  // namespace morvane::Registration
