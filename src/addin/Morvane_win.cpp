#include "addin/Morvane_win.h"

#include "addin/ActivationContext_win.h"
#include "addin/ComServer_win.h"
#include "addin/HostDialogs_win.h"
#include "host/HostAppDispatch_win.h"
#include "shared/mdLang.h"
#include "addin/TabBarConnection_win.h"

namespace morvane {

namespace {

// The language file's texts as the connection set them up.
dialogs::TextLookup AddinTexts() {
    return [](const std::wstring& key, const std::wstring& fallback) {
        return mdLang::GetLangText(mdLang::LangFile, mdLang::LangSection, key, fallback);
    };
}

// Runs one step of a method the host calls; whatever the step throws stays here, so that the
// next step still runs and nothing reaches the host.
template <typename Step>
void RunStep(Step&& step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

// A callback's body; a throw becomes a failure code for the caller.
template <typename Body>
HRESULT Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace

com::ComPtr<Morvane> Morvane::Create(std::int32_t enabledApp) {
    auto state = std::make_unique<AddinState>();
    state->Settings.EnabledApp = enabledApp;
    AddinState& kept = *state;
    return com::ComPtr<Morvane>::Attach(new Morvane(std::move(state), kept, nullptr));
}

com::ComPtr<Morvane> Morvane::Create(AddinState& state, std::shared_ptr<HostDialogs> dialogs) {
    return com::ComPtr<Morvane>::Attach(new Morvane(nullptr, state, std::move(dialogs)));
}

Morvane::Morvane(std::unique_ptr<AddinState> ownState, AddinState& state,
                 std::shared_ptr<HostDialogs> dialogs)
    : ownState_(std::move(ownState)),
      state_(state),
      dialogs_(dialogs ? std::move(dialogs)
                       : std::make_shared<ModalHostDialogs>(AddinTexts(), state_.Settings)),
      typeInfo_(ComServer::TypeInfoOf(__uuidof(_Morvane))) {
    ComServer::ObjectCreated();
}

Morvane::~Morvane() {
    // A host that lets go without disconnecting must not leave hooks into this library behind.
    RunStep([this] { Disconnect(); });
    ComServer::ObjectDestroyed();
}

STDMETHODIMP Morvane::QueryInterface(REFIID riid, void** out) {
    if (!out) {
        return E_POINTER;
    }
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
        IsEqualIID(riid, __uuidof(_Morvane))) {
        *out = static_cast<_Morvane*>(this);
    } else if (IsEqualIID(riid, __uuidof(IDTExtensibility2))) {
        *out = static_cast<IDTExtensibility2*>(this);
    } else if (IsEqualIID(riid, __uuidof(IRibbonExtensibility))) {
        *out = static_cast<IRibbonExtensibility*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) Morvane::AddRef() {
    return InterlockedIncrement(&refs_);
}

STDMETHODIMP_(ULONG) Morvane::Release() {
    const ULONG left = InterlockedDecrement(&refs_);
    if (left == 0) {
        delete this;
    }
    return left;
}

STDMETHODIMP Morvane::GetTypeInfoCount(UINT* count) {
    if (!count) {
        return E_POINTER;
    }
    *count = typeInfo_ ? 1 : 0;
    return S_OK;
}

STDMETHODIMP Morvane::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info) {
        return E_POINTER;
    }
    *info = nullptr;
    if (index != 0 || !typeInfo_) {
        return DISP_E_BADINDEX;
    }
    typeInfo_->AddRef();
    *info = typeInfo_.Get();
    return S_OK;
}

STDMETHODIMP Morvane::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!IsEqualIID(riid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    if (!typeInfo_) {
        return DISP_E_UNKNOWNNAME;
    }
    return DispGetIDsOfNames(typeInfo_.Get(), names, count, ids);
}

STDMETHODIMP Morvane::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                             VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) {
    if (!IsEqualIID(riid, IID_NULL)) {
        return DISP_E_UNKNOWNINTERFACE;
    }
    if (!typeInfo_) {
        return DISP_E_MEMBERNOTFOUND;
    }
    return DispInvoke(static_cast<_Morvane*>(this), typeInfo_.Get(), id, flags, params, result,
                      excepInfo, argError);
}

STDMETHODIMP Morvane::OnConnection(IDispatch* Application, int ConnectMode, IDispatch*,
                                   SAFEARRAY**) {
    RunStep([&] { Connect(Application, ConnectMode); });
    return S_OK;
}

STDMETHODIMP Morvane::OnDisconnection(int, SAFEARRAY**) {
    RunStep([this] { Disconnect(); });
    return S_OK;
}

STDMETHODIMP Morvane::OnAddInsUpdate(SAFEARRAY**) {
    return S_OK;
}

STDMETHODIMP Morvane::OnStartupComplete(SAFEARRAY**) {
    RunStep([this] { ApplyTaskbarSwitch(); });
    return S_OK;
}

STDMETHODIMP Morvane::OnBeginShutdown(SAFEARRAY**) {
    return S_OK;
}

void Morvane::Connect(IDispatch* application, int connectMode) {
    if (state_.Settings.EnabledApp != 0) {
        return;
    }
    if (connected_) {
        Disconnect();
    }
    connected_ = true;
    oAppPro = com::ComPtr<IDispatch>(application);
    mConnectMode = connectMode;
    RunStep([this] {
        // The bar and its windows are created under the library's own manifest.
        const ActivationScope scope;
        TabBarConnection::Connect(state_, oAppPro, dialogs_);
    });
    // The host calls the start-up-complete step only for add-ins it loads at its own start.
    if (mConnectMode != office::ext_cm_Startup) {
        RunStep([this] { ApplyTaskbarSwitch(); });
    }
}

void Morvane::ApplyTaskbarSwitch() {
    if (state_.Settings.EnabledApp != 0 || !oAppPro) {
        return;
    }
    HostAppDispatch(oAppPro).SetShowWindowsInTaskbar(state_.Settings.ShowAll != 0);
}

void Morvane::Disconnect() {
    if (state_.Settings.EnabledApp != 0 || !connected_) {
        return;
    }
    RunStep([this] { TabBarConnection::Disconnect(state_); });
    oAppPro = nullptr;
    connected_ = false;
}

STDMETHODIMP Morvane::GetCustomUI(BSTR, BSTR* RibbonXml) {
    if (!RibbonXml) {
        return E_POINTER;
    }
    *RibbonXml = nullptr;
    // Switched off, or without a document, the host shows no backstage tab of ours.
    return Guarded([&] {
        if (state_.Settings.EnabledApp == 0 && FAILED(GetRibbonXML(RibbonXml))) {
            *RibbonXml = nullptr;
        }
        return S_OK;
    });
}

// The backstage tab and its callbacks come with the host integration's backstage work; until
// then the document and every callback answer that they are not there.
STDMETHODIMP Morvane::GetRibbonXML(BSTR*) {
    return E_NOTIMPL;
}

STDMETHODIMP Morvane::GetLabel(IDispatch*, BSTR*) {
    return E_NOTIMPL;
}

STDMETHODIMP Morvane::GetDescription(IDispatch*, BSTR*) {
    return E_NOTIMPL;
}

STDMETHODIMP Morvane::rxcustomUI_onLoad(IDispatch*) {
    return E_NOTIMPL;
}

STDMETHODIMP Morvane::getImage(IDispatch*, IDispatch**) {
    return E_NOTIMPL;
}

STDMETHODIMP Morvane::pr_OnAction(IDispatch*) {
    return E_NOTIMPL;
}

}  // namespace morvane
