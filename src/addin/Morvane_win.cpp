#include "addin/Morvane_win.h"

#include <olectl.h>

#include "addin/ActivationContext_win.h"
#include "addin/ComServer_win.h"
#include "addin/Backstage.h"
#include "addin/HostDialogs_win.h"
#include "addin/dialogs/Dialogs_win.h"
#include "shared/LibraryUse.h"
#include "shared/Trace.h"
#include "host/HostAppDispatch_win.h"
#include "shared/mdLang.h"
#include "shared/mdPub_win.h"
#include "addin/TabBarConnection_win.h"

namespace morvane {

namespace {

// IRibbonUI.Invalidate and IRibbonControl.Id, by their published dispatch ids.
constexpr DISPID kInvalidate = 1;
constexpr DISPID kControlId = 1;

// The id of a ribbon control; empty when it has none.
std::wstring IdOf(IDispatch* control) {
    com::Variant id;
    std::wstring text;
    if (control && SUCCEEDED(com::Invoke(control, kControlId, DISPATCH_PROPERTYGET, {}, &id,
                                         L"IRibbonControl.Id"))) {
        id.ToText(text);
    }
    return text;
}

// A label or description from the language file; empty for a control without one.
std::wstring LangTextOf(mdLang::Language& language,
                        const std::optional<Backstage::LangText>& text) {
    return text ? language.Text(text->Key, text->Default) : std::wstring();
}

HRESULT TextResult(const std::wstring& text, BSTR* out) {
    *out = SysAllocString(text.c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

// A picture object over one of the library's own images; none for Image::None.
com::ComPtr<IDispatch> PictureOf(Backstage::Image image) {
    PICTDESC picture{};
    picture.cbSizeofstruct = sizeof picture;
    if (image == Backstage::Image::ShowIcon) {
        picture.picType = PICTYPE_ICON;
        picture.icon.hicon = static_cast<HICON>(
            LoadImageW(ComServer::Module(), MAKEINTRESOURCEW(Backstage::kShowIconResource),
                       IMAGE_ICON, 64, 64, 0));
        if (!picture.icon.hicon) {
            TraceFailure(L"LoadImageW of the backstage's icon", HRESULT_FROM_WIN32(GetLastError()));
            return nullptr;
        }
    } else if (image == Backstage::Image::Logo) {
        picture.picType = PICTYPE_BITMAP;
        picture.bmp.hbitmap = static_cast<HBITMAP>(
            LoadImageW(ComServer::Module(), MAKEINTRESOURCEW(Backstage::kLogoResource),
                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (!picture.bmp.hbitmap) {
            TraceFailure(L"LoadImageW of the backstage's logo", HRESULT_FROM_WIN32(GetLastError()));
            return nullptr;
        }
    } else {
        return nullptr;
    }
    com::ComPtr<IDispatch> result;
    // Once made, the picture object owns the handle; when it cannot be made, the handle is ours.
    const HRESULT hr = OleCreatePictureIndirect(&picture, IID_IDispatch, TRUE,
                                                reinterpret_cast<void**>(result.Put()));
    if (FAILED(hr)) {
        TraceFailure(L"OleCreatePictureIndirect", hr);
        if (image == Backstage::Image::ShowIcon) {
            DestroyIcon(picture.icon.hicon);
        } else {
            DeleteObject(picture.bmp.hbitmap);
        }
        return nullptr;
    }
    return result;
}

// The language file's texts as the connection set them up.
dialogs::TextLookup AddinTexts(mdLang::Language& language) {
    return [&language](const std::wstring& key, const std::wstring& fallback) {
        return language.Text(key, fallback);
    };
}

// A callback's body; a throw is traced under `where` and becomes a failure code for the caller.
template <typename Body>
HRESULT GuardedResult(std::wstring_view where, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        TraceException(where);
        return E_UNEXPECTED;
    }
}

// The library's one connection to its host, whichever object of the class holds it: two on the
// same windows would cross (their hooks, the hot keys' ids). A connection switched off inside a
// call of ours is taken down once that call has returned; one asked for until then waits for
// it, and follows it in order.
struct LibraryConnection {
    bool held = false;
    int takeDownsWaiting = 0;
};
LibraryConnection library;

}  // namespace

com::ComPtr<Morvane> Morvane::Create(std::int32_t enabledApp) {
    auto state = std::make_unique<AddinState>();
    state->Settings.EnabledApp = enabledApp;
    AddinState& kept = *state;
    return com::ComPtr<Morvane>::Attach(new Morvane(std::move(state), kept, nullptr, {}));
}

com::ComPtr<Morvane> Morvane::Create(AddinState& state, std::shared_ptr<HostDialogs> dialogs,
                                     CommandSeams commands) {
    return com::ComPtr<Morvane>::Attach(
        new Morvane(nullptr, state, std::move(dialogs), std::move(commands)));
}

Morvane::Morvane(std::unique_ptr<AddinState> ownState, AddinState& state,
                 std::shared_ptr<HostDialogs> dialogs, CommandSeams commands)
    : TypeInfoDispatch<_Morvane>(ComServer::TypeInfoOf(__uuidof(_Morvane))),
      TypeInfoDispatch<IDTExtensibility2>(ComServer::TypeInfoOf(__uuidof(IDTExtensibility2))),
      TypeInfoDispatch<IRibbonExtensibility>(ComServer::TypeInfoOf(__uuidof(IRibbonExtensibility))),
      ownState_(std::move(ownState)),
      state_(state),
      connection_(state_),
      dialogs_(std::move(dialogs)),
      commands_(std::move(commands)) {
    // The running system's registry and facts, unless the state's keeper chose others.
    mdPub::UseWindowsPlatform(state_.Registry, state_.System);
    if (!dialogs_) {
        dialogs_ = std::make_shared<ModalHostDialogs>(AddinTexts(state_.Lang), state_.Registry,
                                                      state_.Settings);
    }
    LibraryUse::ObjectCreated();
}

// The last release has disconnected already.
Morvane::~Morvane() {
    // A state the caller keeps must not call back into a gone object.
    state_.InvalidateRibbon = nullptr;
    LibraryUse::ObjectDestroyed();
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
        // A host may let go without disconnecting: the connection goes (or, waiting, is dropped)
        // at once, so that the next object's can follow it. Let go of from inside a call of ours
        // (a command, an event, a window's message), the object and its connection live until
        // that call has returned.
        Guarded(L"Morvane's release", [this] {
            Disconnect();
            LibraryUse::AfterOutermostCall([this] { delete this; });
        });
    }
    return left;
}

STDMETHODIMP Morvane::OnConnection(IDispatch* Application, int ConnectMode, IDispatch*,
                                   SAFEARRAY**) {
    return GuardedResult(L"OnConnection", [&] { return Connect(Application, ConnectMode); });
}

STDMETHODIMP Morvane::OnDisconnection(int, SAFEARRAY**) {
    Guarded(L"OnDisconnection", [this] { Disconnect(); });
    return S_OK;
}

STDMETHODIMP Morvane::OnAddInsUpdate(SAFEARRAY**) {
    return S_OK;
}

STDMETHODIMP Morvane::OnStartupComplete(SAFEARRAY**) {
    Guarded(L"OnStartupComplete", [this] { ApplyTaskbarSwitch(); });
    return S_OK;
}

STDMETHODIMP Morvane::OnBeginShutdown(SAFEARRAY**) {
    return S_OK;
}

HRESULT Morvane::Connect(IDispatch* application, int connectMode) {
    if (state_.Settings.EnabledApp != 0) {
        return S_OK;
    }
    if (connected_) {
        Disconnect();
    }
    if (library.held) {
        // Another object of the class holds the host's windows and hot keys: the host shows
        // this one as not loaded.
        TraceFailure(L"OnConnection while another object of the class is connected",
                     CONNECT_E_CANNOTCONNECT);
        return CONNECT_E_CANNOTCONNECT;
    }
    library.held = true;
    connected_ = true;
    oAppPro = com::ComPtr<IDispatch>(application);
    mConnectMode = connectMode;
    if (library.takeDownsWaiting == 0) {
        MakeConnection();
        return S_OK;
    }
    // Switched off and on again inside a call of ours that has not returned: the last
    // connection holds the windows until then, and this one follows its take-down.
    connectionWaits_ = true;
    LibraryUse::AfterOutermostCall([this] {
        if (connectionWaits_) {
            connectionWaits_ = false;
            MakeConnection();
        }
    });
    return S_OK;
}

void Morvane::MakeConnection() {
    Guarded(L"the tab bar's connection", [this] {
        // The bar and its windows are created under the library's own manifest.
        const ActivationScope scope;
        connection_.Connect(oAppPro, dialogs_, commands_);
    });
    // The host calls the start-up-complete step only for add-ins it loads at its own start.
    if (mConnectMode != office::ext_cm_Startup) {
        Guarded(L"the taskbar switch", [this] { ApplyTaskbarSwitch(); });
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
    connected_ = false;
    library.held = false;
    if (connectionWaits_) {
        // Never made: there is nothing to take down.
        connectionWaits_ = false;
    } else {
        ++library.takeDownsWaiting;
        Guarded(L"the tab bar's disconnection", [this] { connection_.Disconnect(); });
        LibraryUse::AfterOutermostCall([] { --library.takeDownsWaiting; });
    }
    oAppPro = nullptr;
}

STDMETHODIMP Morvane::GetCustomUI(BSTR, BSTR* RibbonXml) {
    if (!RibbonXml) {
        return E_POINTER;
    }
    *RibbonXml = nullptr;
    // Switched off, or without a document, the host shows no backstage tab of ours.
    return GuardedResult(L"GetCustomUI", [&] {
        if (state_.Settings.EnabledApp == 0 && FAILED(GetRibbonXML(RibbonXml))) {
            *RibbonXml = nullptr;
        }
        return S_OK;
    });
}

STDMETHODIMP Morvane::GetRibbonXML(BSTR* xml) {
    if (!xml) {
        return E_POINTER;
    }
    *xml = nullptr;
    return GuardedResult(L"GetRibbonXML",
                         [&] { return TextResult(Backstage::GetRibbonXML(), xml); });
}

STDMETHODIMP Morvane::GetLabel(IDispatch* control, BSTR* label) {
    if (!label) {
        return E_POINTER;
    }
    *label = nullptr;
    return GuardedResult(L"GetLabel", [&] {
        return TextResult(LangTextOf(state_.Lang, Backstage::LabelOf(IdOf(control))), label);
    });
}

STDMETHODIMP Morvane::GetDescription(IDispatch* control, BSTR* description) {
    if (!description) {
        return E_POINTER;
    }
    *description = nullptr;
    return GuardedResult(L"GetDescription", [&] {
        return TextResult(LangTextOf(state_.Lang, Backstage::DescriptionOf(IdOf(control))),
                          description);
    });
}

STDMETHODIMP Morvane::rxcustomUI_onLoad(IDispatch* ribbon) {
    return GuardedResult(L"rxcustomUI_onLoad", [&] {
        RibbonUI = com::ComPtr<IDispatch>(ribbon);
        state_.InvalidateRibbon = [this] { InvalidateRibbon(); };
        return S_OK;
    });
}

STDMETHODIMP Morvane::getImage(IDispatch* control, IDispatch** image) {
    if (!image) {
        return E_POINTER;
    }
    *image = nullptr;
    return GuardedResult(L"getImage", [&] {
        *image = PictureOf(Backstage::ImageOf(IdOf(control), state_.Settings.TabShow)).Detach();
        return S_OK;
    });
}

STDMETHODIMP Morvane::pr_OnAction(IDispatch* control) {
    // The task may switch the add-in off from inside its dialog: it is a call into the library.
    const LibraryUse::Entry entry;
    return GuardedResult(L"pr_OnAction", [&] {
        connection_.RunTask(Backstage::ActionOf(IdOf(control)));
        return S_OK;
    });
}

void Morvane::InvalidateRibbon() {
    if (RibbonUI) {
        com::Invoke(RibbonUI.Get(), kInvalidate, DISPATCH_METHOD, {}, nullptr,
                    L"IRibbonUI.Invalidate");
    }
}

}  // namespace morvane
