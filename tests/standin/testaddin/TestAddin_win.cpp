// A COM add-in for the loader's tests, never shipped: two classes that record every call the
// host makes, in order, in a log the test reads through TestAddinLog. Registers itself per user.

#include <windows.h>
#include <olectl.h>

#include <string>

#include "shared/Office_win.h"
#include "shared/DispatchArgs_win.h"
#include "shared/DualObject_win.h"

namespace {

using namespace morvane;

HMODULE g_module = nullptr;
LONG g_objects = 0;
std::wstring g_log;

struct AddinClass {
    CLSID clsid;
    const wchar_t* progId;
    const wchar_t* name;  // in the log
};

const AddinClass kClasses[] = {
    {{0x6B1D2A10, 0x3C4E, 0x4F5A, {0x9B, 0x11, 0x2C, 0x3D, 0x4E, 0x5F, 0x60, 0x71}},
     L"Morvane.TestAddinA",
     L"A"},
    {{0x6B1D2A11, 0x3C4E, 0x4F5A, {0x9B, 0x11, 0x2C, 0x3D, 0x4E, 0x5F, 0x60, 0x71}},
     L"Morvane.TestAddinB",
     L"B"},
};

// A backstage tab with one task, whose callbacks the add-in answers by name.
const wchar_t kCustomUi[] =
    L"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\" "
    L"onLoad=\"OnRibbonLoad\"><backstage><tab id=\"TestTab\" label=\"Test\"><firstColumn>"
    L"<taskGroup id=\"TestGroup\"><category id=\"TestCategory\">"
    L"<task id=\"TestTask\" getLabel=\"GetLabel\" onAction=\"OnAction\"/>"
    L"</category></taskGroup></firstColumn></tab></backstage></customUI>";

void Log(const std::wstring& line) {
    g_log += line;
    g_log += L"\n";
}

std::wstring TextOf(IDispatch* object, const wchar_t* name) {
    com::Variant value;
    std::wstring text;
    com::InvokeByName(object, name, DISPATCH_PROPERTYGET, {}, &value);
    value.ToText(text);
    return text;
}

std::wstring GuidText(const CLSID& clsid) {
    wchar_t text[64] = {};
    StringFromGUID2(clsid, text, 64);
    return text;
}

class TestAddin : public com::DualObject<IDTExtensibility2, IRibbonExtensibility> {
  public:
    explicit TestAddin(std::wstring name)
        : DualObject({{L"OnRibbonLoad", 100}, {L"GetLabel", 101}, {L"OnAction", 102}}),
          name_(std::move(name)) {
        InterlockedIncrement(&g_objects);
    }
    ~TestAddin() override { InterlockedDecrement(&g_objects); }

    STDMETHODIMP OnConnection(IDispatch* application, int mode, IDispatch* addInInst,
                              SAFEARRAY** custom) override {
        Log(name_ + L":OnConnection(" + std::to_wstring(mode) + L"," +
            TextOf(application, L"Name") + L"," + TextOf(addInInst, L"ProgId") + L"," +
            Custom(custom) + L")");
        return S_OK;
    }
    STDMETHODIMP OnDisconnection(int mode, SAFEARRAY** custom) override {
        Log(name_ + L":OnDisconnection(" + std::to_wstring(mode) + L"," + Custom(custom) + L")");
        return S_OK;
    }
    STDMETHODIMP OnAddInsUpdate(SAFEARRAY** custom) override {
        Log(name_ + L":OnAddInsUpdate(" + Custom(custom) + L")");
        return S_OK;
    }
    STDMETHODIMP OnStartupComplete(SAFEARRAY** custom) override {
        Log(name_ + L":OnStartupComplete(" + Custom(custom) + L")");
        return S_OK;
    }
    STDMETHODIMP OnBeginShutdown(SAFEARRAY** custom) override {
        Log(name_ + L":OnBeginShutdown(" + Custom(custom) + L")");
        return S_OK;
    }
    STDMETHODIMP GetCustomUI(BSTR ribbonId, BSTR* xml) override {
        Log(name_ + L":GetCustomUI(" + (ribbonId ? ribbonId : L"") + L")");
        *xml = com::Bstr(kCustomUi).Detach();
        return S_OK;
    }

  private:
    // "empty" for the empty array of variants the host must pass.
    static std::wstring Custom(SAFEARRAY** custom) {
        if (!custom || !*custom) {
            return L"none";
        }
        VARTYPE type = VT_EMPTY;
        SafeArrayGetVartype(*custom, &type);
        return SafeArrayGetDim(*custom) == 1 && (*custom)->rgsabound[0].cElements == 0 &&
                       type == VT_VARIANT
                   ? L"empty"
                   : L"other";
    }
    HRESULT Call(DISPID id, WORD, const std::vector<VARIANT*>& args, VARIANT* result) override {
        IDispatch* object =
            !args.empty() && args[0]->vt == VT_DISPATCH ? args[0]->pdispVal : nullptr;
        switch (id) {
            case 100:
                Log(name_ + L":OnRibbonLoad");
                return S_OK;
            case 101:
                com::SetResult(result, com::Variant::Text(name_ + L" " + TextOf(object, L"Id")));
                return S_OK;
            case 102:
                Log(name_ + L":OnAction(" + TextOf(object, L"Id") + L")");
                return S_OK;
            default:
                return DISP_E_MEMBERNOTFOUND;
        }
    }
    std::wstring name_;
};

class Factory : public IClassFactory {
  public:
    explicit Factory(const AddinClass& c) : class_(c) {}
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
            *out = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }  // static lifetime
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
        if (outer) {
            return CLASS_E_NOAGGREGATION;
        }
        auto addin = com::Make<TestAddin>(class_.name);
        return addin->QueryInterface(riid, out);
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }

  private:
    const AddinClass& class_;
};

Factory g_factories[] = {Factory(kClasses[0]), Factory(kClasses[1])};

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* out) {
    for (std::size_t i = 0; i < std::size(kClasses); ++i) {
        if (IsEqualCLSID(clsid, kClasses[i].clsid)) {
            return g_factories[i].QueryInterface(riid, out);
        }
    }
    *out = nullptr;
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() {
    return g_objects == 0 ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(g_module, path, MAX_PATH);
    for (const auto& c : kClasses) {
        const std::wstring clsid = GuidText(c.clsid);
        const std::wstring progIdKey = std::wstring(L"Software\\Classes\\") + c.progId + L"\\CLSID";
        const std::wstring serverKey = L"Software\\Classes\\CLSID\\" + clsid + L"\\InprocServer32";
        const auto set = [](const std::wstring& key, const wchar_t* name, const std::wstring& v) {
            return RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, v.c_str(),
                                   static_cast<DWORD>((v.size() + 1) * sizeof(wchar_t)));
        };
        if (set(progIdKey, nullptr, clsid) != ERROR_SUCCESS ||
            set(serverKey, nullptr, path) != ERROR_SUCCESS ||
            set(serverKey, L"ThreadingModel", L"Apartment") != ERROR_SUCCESS) {
            return SELFREG_E_CLASS;
        }
    }
    return S_OK;
}

STDAPI DllUnregisterServer() {
    for (const auto& c : kClasses) {
        RegDeleteTreeW(HKEY_CURRENT_USER,
                       (std::wstring(L"Software\\Classes\\") + c.progId).c_str());
        RegDeleteTreeW(HKEY_CURRENT_USER,
                       (L"Software\\Classes\\CLSID\\" + GuidText(c.clsid)).c_str());
    }
    return S_OK;
}

const wchar_t* TestAddinLog() {
    return g_log.c_str();
}

void TestAddinClearLog() {
    g_log.clear();
}

}  // extern "C"
