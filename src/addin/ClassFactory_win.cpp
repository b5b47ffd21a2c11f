#include "addin/ClassFactory_win.h"

#include "addin/ComServer_win.h"
#include "addin/Morvane_win.h"
#include "shared/Main.h"
#include "shared/Trace.h"

namespace morvane {

namespace {

class Factory : public IClassFactory {
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) {
            return E_POINTER;
        }
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
            *out = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // The factory lives as long as the library; LockServer keeps the library loaded.
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }

    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
        if (!out) {
            return E_POINTER;
        }
        *out = nullptr;
        if (outer) {
            return CLASS_E_NOAGGREGATION;
        }
        try {
            // The library's start-up runs once in the process, before any object does anything.
            static TabSettings startup;
            mdPub::RunMainOnce(startup);
            const auto addin = Morvane::Create(startup.EnabledApp);
            return addin->QueryInterface(riid, out);
        } catch (...) {
            TraceException(L"IClassFactory::CreateInstance of Morvane");
            return E_OUTOFMEMORY;
        }
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        ComServer::Lock(lock != FALSE);
        return S_OK;
    }
};

}  // namespace

IClassFactory* MorvaneClassFactory() {
    static Factory factory;
    return &factory;
}

}  // namespace morvane
