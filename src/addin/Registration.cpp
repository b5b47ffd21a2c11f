#include "addin/Registration.h"

#include "shared/AddinKeys.h"

namespace morvane::Registration {

namespace {

constexpr wchar_t kClsid[] = L"{D504026E-642D-4F32-8AC3-46DA8206141B}";
constexpr wchar_t kLibId[] = L"{E0004159-AA13-4CDC-88C3-74B9570A4ED8}";
constexpr wchar_t kInterfaceId[] = L"{ABED6682-6D8F-47CB-869C-167FE61FE04B}";
// The system's marshaller for interfaces described by a type library.
constexpr wchar_t kTypeLibMarshaler[] = L"{00020424-0000-0000-C000-000000000046}";
constexpr wchar_t kProgId[] = L"Qor.Morvane";
constexpr wchar_t kClasses[] = L"Software\\Classes\\";

std::wstring ClassKey() {
    return std::wstring(kClasses) + L"CLSID\\" + kClsid;
}

std::wstring ProgIdKey() {
    return std::wstring(kClasses) + kProgId;
}

std::wstring TypeLibKey() {
    return std::wstring(kClasses) + L"TypeLib\\" + kLibId;
}

std::wstring InterfaceKey() {
    return std::wstring(kClasses) + L"Interface\\" + kInterfaceId;
}

std::wstring AddinKey() {
    return std::wstring(MorvaneAddinKey);
}

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

}  // namespace

std::vector<Entry> Entries(const Server& server) {
    const std::wstring version = L"\\1.0";
    return {
        {ProgIdKey(), L"", L"Morvane"},
        {ProgIdKey() + L"\\CLSID", L"", kClsid},
        {ClassKey(), L"", L"Morvane"},
        {ClassKey() + L"\\ProgID", L"", kProgId},
        {ClassKey() + L"\\InprocServer32", L"", server.modulePath},
        {ClassKey() + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {ClassKey() + L"\\TypeLib", L"", kLibId},
        {ClassKey() + L"\\Version", L"", L"1.0"},
        {TypeLibKey() + version, L"", L"Qor"},
        {TypeLibKey() + version + L"\\FLAGS", L"", L"0"},
        {TypeLibKey() + version + L"\\0\\" + (server.win64 ? L"win64" : L"win32"), L"",
         server.modulePath},
        {TypeLibKey() + version + L"\\HELPDIR", L"", FolderOf(server.modulePath)},
        {InterfaceKey(), L"", L"_Morvane"},
        {InterfaceKey() + L"\\ProxyStubClsid32", L"", kTypeLibMarshaler},
        {InterfaceKey() + L"\\TypeLib", L"", kLibId},
        {InterfaceKey() + L"\\TypeLib", L"Version", L"1.0"},
        {AddinKey(), L"FriendlyName", L"Morvane v6.00"},
        {AddinKey(), L"Description",
         L"Morvane: a tab for every project window of Microsoft Project"},
        {AddinKey(), L"LoadBehavior", static_cast<std::uint32_t>(LoadAtStartup)},
    };
}

std::vector<std::wstring> OwnedKeys() {
    return {ProgIdKey(), ClassKey(), TypeLibKey(), InterfaceKey(), AddinKey()};
}

bool Register(Store& store, const Server& server) {
    for (const Entry& entry : Entries(server)) {
        if (!store.Set(entry)) {
            Unregister(store);
            return false;
        }
    }
    return true;
}

bool Unregister(Store& store) {
    bool removed = true;
    for (const std::wstring& key : OwnedKeys()) {
        removed = store.RemoveTree(key) && removed;
    }
    return removed;
}

}  // namespace morvane::Registration
