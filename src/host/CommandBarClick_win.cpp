#include "host/CommandBarClick_win.h"

#include <ocidl.h>
#include <olectl.h>

#include <new>

#include "shared/Com_win.h"
#include "shared/Office_win.h"
#include "shared/Trace.h"

namespace morvane {

namespace {

// Where the by-reference CancelDefault keeps its value; nullptr when it is not one.
VARIANT_BOOL* CancelSlot(VARIANT& arg) {
    return arg.vt == (VT_BOOL | VT_BYREF) ? arg.pboolVal : nullptr;
}

com::ComPtr<IDispatch> ObjectOf(const VARIANT& arg) {
    com::Variant copy;
    if (FAILED(VariantCopy(copy.Get(), const_cast<VARIANT*>(&arg)))) {
        return nullptr;
    }
    return copy.ToObject();
}

// The event sink: a dispatch interface that answers Click and nothing else.
class ClickSink final : public IDispatch {
  public:
    explicit ClickSink(DispatchClickHandler handler) : handler_(std::move(handler)) {}
    ClickSink(const ClickSink&) = delete;
    ClickSink& operator=(const ClickSink&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) {
            return E_POINTER;
        }
        *out = nullptr;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) &&
            !IsEqualIID(riid, office::IID_CommandBarButtonEvents)) {
            return E_NOINTERFACE;
        }
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG refs = --refs_;
        if (refs == 0) {
            delete this;
        }
        return refs;
    }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) {
            *info = nullptr;
        }
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return DISP_E_UNKNOWNNAME;
    }
    // Click(Ctrl, CancelDefault): DISPPARAMS holds the arguments last first.
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        if (id != office::kCommandBarButtonClick) {
            return DISP_E_MEMBERNOTFOUND;
        }
        if (!params || params->cArgs != 2 || !params->rgvarg) {
            return DISP_E_BADPARAMCOUNT;
        }
        // The handler may end the connection, and with it the source's reference to this sink.
        const com::ComPtr<ClickSink> hold(this);
        try {
            VARIANT_BOOL* cancel = CancelSlot(params->rgvarg[0]);
            bool cancelDefault = cancel && *cancel != VARIANT_FALSE;
            handler_(ObjectOf(params->rgvarg[1]), cancelDefault);
            if (cancel) {
                *cancel = cancelDefault ? VARIANT_TRUE : VARIANT_FALSE;
            }
            return S_OK;
        } catch (...) {
            // Nothing may unwind into the host.
            TraceException(L"the Click handler of a command-bar button");
            return E_UNEXPECTED;
        }
    }

  private:
    ~ClickSink() = default;
    const DispatchClickHandler handler_;
    ULONG refs_ = 1;
};

class PointConnection final : public ClickConnection {
  public:
    PointConnection(com::ComPtr<IConnectionPoint> point, DWORD cookie)
        : point_(std::move(point)), cookie_(cookie) {}
    PointConnection(const PointConnection&) = delete;
    PointConnection& operator=(const PointConnection&) = delete;
    ~PointConnection() override { point_->Unadvise(cookie_); }

  private:
    com::ComPtr<IConnectionPoint> point_;
    DWORD cookie_;
};

}  // namespace

std::unique_ptr<ClickConnection> ConnectClick(IDispatch* button, DispatchClickHandler handler) {
    const auto container = com::ComPtr<IDispatch>(button).As<IConnectionPointContainer>();
    if (!container) {
        TraceFailure(L"QueryInterface(IConnectionPointContainer) of a command-bar button",
                     E_NOINTERFACE);
        return nullptr;
    }
    com::ComPtr<IConnectionPoint> point;
    const HRESULT found =
        container->FindConnectionPoint(office::IID_CommandBarButtonEvents, point.Put());
    if (FAILED(found) || !point) {
        TraceFailure(L"FindConnectionPoint(_CommandBarButtonEvents)",
                     FAILED(found) ? found : E_POINTER);
        return nullptr;
    }
    auto* created = new (std::nothrow) ClickSink(std::move(handler));
    if (!created) {
        return nullptr;
    }
    const auto sink = com::ComPtr<ClickSink>::Attach(created);
    DWORD cookie = 0;
    if (const HRESULT hr = point->Advise(sink.Get(), &cookie); FAILED(hr)) {
        TraceFailure(L"IConnectionPoint::Advise of the Click sink", hr);
        return nullptr;
    }
    std::unique_ptr<ClickConnection> connection(new (std::nothrow) PointConnection(point, cookie));
    if (!connection) {
        point->Unadvise(cookie);
    }
    return connection;
}

}  // namespace morvane
