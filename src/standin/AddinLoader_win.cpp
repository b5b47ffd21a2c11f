#include "standin/AddinLoader_win.h"

#include <algorithm>
#include <cwchar>

#include "shared/Office_win.h"
#include "shared/DispatchArgs_win.h"
#include "shared/DispatchObject_win.h"

namespace morvane::standin {

namespace {

class RegKey {
  public:
    RegKey(HKEY root, const std::wstring& path) {
        if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    ~RegKey() {
        if (key_) {
            RegCloseKey(key_);
        }
    }
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

std::vector<std::wstring> SubkeyNames(const RegKey& key) {
    std::vector<std::wstring> names;
    wchar_t name[256];
    for (DWORD i = 0; key.Get(); ++i) {
        DWORD length = static_cast<DWORD>(std::size(name));
        if (RegEnumKeyExW(key.Get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name, length);
    }
    return names;
}

DWORD ReadDword(HKEY root, const std::wstring& path, const wchar_t* value) {
    DWORD data = 0;
    DWORD size = sizeof data;
    RegGetValueW(root, path.c_str(), value, RRF_RT_REG_DWORD, nullptr, &data, &size);
    return data;
}

std::wstring ReadText(HKEY root, const std::wstring& path, const wchar_t* value) {
    wchar_t data[512] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(root, path.c_str(), value, RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    return data;
}

// The host's COMAddIn object for one add-in, handed to it as AddInInst.
class ComAddIn : public com::DispatchObject {
  public:
    ComAddIn(std::wstring progId, std::wstring description)
        : DispatchObject(
              {{L"Description", DISPID_VALUE}, {L"ProgId", 3}, {L"Connect", 6}, {L"Object", 7}}),
          progId_(std::move(progId)),
          description_(std::move(description)) {}

    bool connected = true;

  private:
    HRESULT Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                 VARIANT* result) override {
        const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
        switch (id) {
            case DISPID_VALUE:
                com::SetResult(result, com::Variant::Text(description_));
                return put ? DISP_E_MEMBERNOTFOUND : S_OK;
            case 3:
                com::SetResult(result, com::Variant::Text(progId_));
                return put ? DISP_E_MEMBERNOTFOUND : S_OK;
            case 6:
                com::SetResult(result, com::Variant::Bool(connected));
                return put ? DISP_E_MEMBERNOTFOUND : S_OK;
            case 7:
                // The object an add-in offers to other programs.
                if (put) {
                    com::Variant value;
                    if (!args.empty()) {
                        VariantCopyInd(value.Get(), args.back());
                    }
                    object_ = value;
                    return S_OK;
                }
                com::SetResult(result, object_);
                return S_OK;
            default:
                return DISP_E_MEMBERNOTFOUND;
        }
    }
    std::wstring progId_;
    std::wstring description_;
    com::Variant object_;
};

// The empty custom array that every IDTExtensibility2 call receives.
class CustomArray {
  public:
    CustomArray() : array_(SafeArrayCreateVector(VT_VARIANT, 0, 0)) {}
    CustomArray(const CustomArray&) = delete;
    CustomArray& operator=(const CustomArray&) = delete;
    ~CustomArray() {
        if (array_) {
            SafeArrayDestroy(array_);
        }
    }
    SAFEARRAY** Put() { return &array_; }

  private:
    SAFEARRAY* array_;
};

// A DLL loaded for a per-user class. Like COM with its in-process servers, the host keeps it
// loaded after its objects are gone and frees it when asked to free unused libraries.
class Library {
  public:
    explicit Library(const std::wstring& path) : path_(path), module_(LoadLibraryW(path.c_str())) {}
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;
    ~Library() {
        if (module_) {
            FreeLibrary(module_);
        }
    }
    const std::wstring& Path() const { return path_; }
    HMODULE Get() const { return module_; }
    bool CanUnload() const {
        using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
        const auto canUnload = reinterpret_cast<CanUnloadNow>(
            reinterpret_cast<void (*)()>(GetProcAddress(module_, "DllCanUnloadNow")));
        return !module_ || (canUnload && canUnload() == S_OK);
    }

  private:
    std::wstring path_;
    HMODULE module_;
};

// Creates a class registered for the current user only (HKCU\Software\Classes). Windows merges
// those registrations into HKEY_CLASSES_ROOT, Wine 8 does not: so the host looks there itself.
HRESULT CreateUserClass(const std::wstring& progId,
                        std::vector<std::unique_ptr<Library>>& libraries, REFIID riid, void** out) {
    const std::wstring classes = L"Software\\Classes\\";
    CLSID clsid{};
    const std::wstring clsidText =
        ReadText(HKEY_CURRENT_USER, classes + progId + L"\\CLSID", nullptr);
    if (clsidText.empty() || FAILED(CLSIDFromString(clsidText.c_str(), &clsid))) {
        return REGDB_E_CLASSNOTREG;
    }
    const std::wstring server = ReadText(
        HKEY_CURRENT_USER, classes + L"CLSID\\" + clsidText + L"\\InprocServer32", nullptr);
    if (server.empty()) {
        return REGDB_E_CLASSNOTREG;
    }
    auto found = std::find_if(libraries.begin(), libraries.end(),
                              [&](const auto& l) { return com::SameText(l->Path(), server); });
    if (found == libraries.end()) {
        libraries.push_back(std::make_unique<Library>(server));
        found = libraries.end() - 1;
    }
    const Library& library = **found;
    if (!library.Get()) {
        libraries.erase(found);
        return REGDB_E_CLASSNOTREG;
    }
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    const auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void (*)()>(GetProcAddress(library.Get(), "DllGetClassObject")));
    com::ComPtr<IClassFactory> factory;
    if (!getClassObject ||
        FAILED(getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(factory.Put())))) {
        return CO_E_ERRORINDLL;
    }
    return factory->CreateInstance(nullptr, riid, out);
}

long LeadingNumber(const std::wstring& version) {
    return std::wcstol(version.c_str(), nullptr, 10);
}

}  // namespace

std::vector<AddinEntry> RegisteredAddins() {
    std::vector<AddinEntry> entries;
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        const RegKey key(root, kAddinsKey);
        for (const auto& progId : SubkeyNames(key)) {
            const bool known = std::any_of(entries.begin(), entries.end(), [&](const auto& e) {
                return com::SameText(e.progId, progId);
            });
            if (!known) {
                const std::wstring path = std::wstring(kAddinsKey) + L"\\" + progId;
                entries.push_back(
                    {progId, ReadDword(root, path, L"LoadBehavior"), root == HKEY_LOCAL_MACHINE});
            }
        }
    }
    return entries;
}

struct AddinLoader::Loaded {
    std::wstring progId;
    com::ComPtr<IDTExtensibility2> addin;
    com::ComPtr<ComAddIn> addInInst;
    std::unique_ptr<RibbonHost> ribbon;
};

struct AddinLoader::Libraries {
    std::vector<std::unique_ptr<Library>> items;
};

AddinLoader::AddinLoader(IDispatch* application, std::wstring hostVersion)
    : application_(application),
      hostVersion_(std::move(hostVersion)),
      libraries_(std::make_unique<Libraries>()) {}

AddinLoader::~AddinLoader() {
    Shutdown();
    FreeUnusedLibraries();
}

void AddinLoader::FreeUnusedLibraries() {
    std::erase_if(libraries_->items, [](const auto& l) { return l->CanUnload(); });
}

AddinLoader::Loaded* AddinLoader::FindLoaded(const std::wstring& progId) const {
    for (const auto& l : loaded_) {
        if (com::SameText(l->progId, progId)) {
            return l.get();
        }
    }
    return nullptr;
}

bool AddinLoader::ConnectAs(const std::wstring& progId, int connectMode) {
    if (FindLoaded(progId)) {
        return false;
    }
    auto loaded = std::make_unique<Loaded>();
    loaded->progId = progId;
    void** addin = reinterpret_cast<void**>(loaded->addin.Put());
    CLSID clsid{};
    const bool created =
        (SUCCEEDED(CLSIDFromProgID(progId.c_str(), &clsid)) &&
         SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER,
                                    __uuidof(IDTExtensibility2), addin))) ||
        SUCCEEDED(CreateUserClass(progId, libraries_->items, __uuidof(IDTExtensibility2), addin));
    if (!created) {
        return false;
    }
    const std::wstring path = std::wstring(kAddinsKey) + L"\\" + progId;
    std::wstring description = ReadText(HKEY_CURRENT_USER, path, L"Description");
    if (description.empty()) {
        description = ReadText(HKEY_LOCAL_MACHINE, path, L"Description");
    }
    loaded->addInInst = com::Make<ComAddIn>(progId, description);
    CustomArray custom;
    // An add-in that fails its connection is not loaded.
    if (FAILED(loaded->addin->OnConnection(application_.Get(), connectMode, loaded->addInInst.Get(),
                                           custom.Put()))) {
        return false;
    }
    // A ribbon host asks for the add-in's custom UI once it is connected.
    if (LeadingNumber(hostVersion_) >= 14) {
        loaded->ribbon = std::make_unique<RibbonHost>(application_.Get());
        loaded->ribbon->Load(loaded->addin.Get());
    }
    loaded_.push_back(std::move(loaded));
    return true;
}

int AddinLoader::LoadAtStartup() {
    std::vector<Loaded*> started;
    for (const auto& entry : RegisteredAddins()) {
        if ((entry.loadBehavior & 3) == 3 && ConnectAs(entry.progId, office::ext_cm_Startup)) {
            started.push_back(loaded_.back().get());
        }
    }
    for (Loaded* l : started) {
        CustomArray custom;
        l->addin->OnStartupComplete(custom.Put());
    }
    return static_cast<int>(started.size());
}

namespace {

// The other connected add-ins hear that the set of add-ins changed.
template <typename List>
void NotifyUpdate(const List& loaded, const std::wstring& except) {
    for (const auto& l : loaded) {
        if (!com::SameText(l->progId, except)) {
            CustomArray custom;
            l->addin->OnAddInsUpdate(custom.Put());
        }
    }
}

}  // namespace

bool AddinLoader::Connect(const std::wstring& progId) {
    if (!ConnectAs(progId, office::ext_cm_AfterStartup)) {
        return false;
    }
    NotifyUpdate(loaded_, progId);
    return true;
}

bool AddinLoader::Disconnect(const std::wstring& progId) {
    Loaded* l = FindLoaded(progId);
    if (!l) {
        return false;
    }
    CustomArray custom;
    l->addin->OnDisconnection(office::ext_dm_UserClosed, custom.Put());
    l->addInInst->connected = false;
    std::erase_if(loaded_, [&](const auto& each) { return each.get() == l; });
    NotifyUpdate(loaded_, progId);
    return true;
}

void AddinLoader::Shutdown() {
    for (const auto& l : loaded_) {
        CustomArray custom;
        l->addin->OnBeginShutdown(custom.Put());
    }
    for (const auto& l : loaded_) {
        CustomArray custom;
        l->addin->OnDisconnection(office::ext_dm_HostShutdown, custom.Put());
        l->addInInst->connected = false;
    }
    loaded_.clear();
}

std::vector<std::wstring> AddinLoader::Connected() const {
    std::vector<std::wstring> names;
    for (const auto& l : loaded_) {
        names.push_back(l->progId);
    }
    return names;
}

com::ComPtr<IDispatch> AddinLoader::Addin(const std::wstring& progId) const {
    Loaded* l = FindLoaded(progId);
    return l ? com::ComPtr<IDispatch>(l->addin.Get()) : nullptr;
}

RibbonHost* AddinLoader::Ribbon(const std::wstring& progId) const {
    Loaded* l = FindLoaded(progId);
    return l ? l->ribbon.get() : nullptr;
}

}  // namespace morvane::standin
