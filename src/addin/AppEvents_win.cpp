#include "addin/AppEvents_win.h"

#include <optional>

#include "addin/HostAppDispatch_win.h"
#include "shared/Office_win.h"

namespace morvane {

namespace {

// The argument at a natural position; the host passes them last first.
const VARIANT* Arg(const DISPPARAMS& params, UINT index) {
    return index < params.cArgs ? &params.rgvarg[params.cArgs - 1 - index] : nullptr;
}

com::ComPtr<IDispatch> ObjectOf(const VARIANT* arg) {
    com::Variant value;
    if (!arg || FAILED(VariantCopyInd(value.Get(), const_cast<VARIANT*>(arg)))) {
        return nullptr;
    }
    return value.ToObject();
}

std::optional<bool> BoolOf(const VARIANT* arg) {
    com::Variant value;
    bool result = false;
    if (!arg || FAILED(VariantCopyInd(value.Get(), const_cast<VARIANT*>(arg))) ||
        !value.ToBool(result)) {
        return std::nullopt;
    }
    return result;
}

// Where a by-reference Cancel is written back; nullptr when the argument is not one.
VARIANT_BOOL* CancelSlot(const VARIANT* arg) {
    if (!arg) {
        return nullptr;
    }
    if (arg->vt == (VT_BOOL | VT_BYREF)) {
        return arg->pboolVal;
    }
    if (arg->vt == (VT_VARIANT | VT_BYREF) && arg->pvarVal && arg->pvarVal->vt == VT_BOOL) {
        return &arg->pvarVal->boolVal;
    }
    return nullptr;
}

// Runs a handler with the event's Cancel and writes a cancellation back.
template <typename Handler>
void WithCancel(const VARIANT* arg, Handler&& handler) {
    VARIANT_BOOL* slot = CancelSlot(arg);
    bool cancel = slot && *slot != VARIANT_FALSE;
    handler(cancel);
    if (slot && cancel) {
        *slot = VARIANT_TRUE;
    }
}

}  // namespace

class AppEvents::Sink final : public IDispatch {
  public:
    Sink(com::ComPtr<IDispatch> application, AppEventHandlers& handlers)
        : app_(std::move(application)), handlers_(&handlers) {}
    Sink(const Sink&) = delete;
    Sink& operator=(const Sink&) = delete;

    void Detach() { handlers_ = nullptr; }

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) {
            return E_POINTER;
        }
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
            IsEqualIID(riid, office::IID_EProjectApp2)) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --refs_;
        if (left == 0) {
            delete this;
        }
        return left;
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
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        // The host goes on with its own work whatever a handler met.
        try {
            if (handlers_) {
                const DISPPARAMS none{};
                Dispatch(id, params ? *params : none);
            }
        } catch (...) {
        }
        return S_OK;
    }

  private:
    ~Sink() = default;

    void Dispatch(DISPID id, const DISPPARAMS& params) {
        AppEventHandlers& on = *handlers_;
        switch (id) {
            case office::ApplicationBeforeClose: {
                const auto info = ObjectOf(Arg(params, 0));
                on.oAppPro_ApplicationBeforeClose([&info] {
                    return info &&
                           SUCCEEDED(com::InvokeByName(info.Get(), L"Cancel", DISPATCH_PROPERTYPUT,
                                                       {com::Variant::Bool(true)}, nullptr));
                });
                break;
            }
            case office::ProjectAfterSave:
                on.oAppPro_ProjectAfterSave();
                break;
            case office::ProjectBeforeClose:
                WithCancel(Arg(params, 1), [&](bool& cancel) {
                    on.oAppPro_ProjectBeforeClose(HostProjectOf(ObjectOf(Arg(params, 0))), cancel);
                });
                break;
            case office::ProjectBeforeSave:
                WithCancel(Arg(params, 2), [&](bool& cancel) {
                    on.oAppPro_ProjectBeforeSave(HostProjectOf(ObjectOf(Arg(params, 0))),
                                                 BoolOf(Arg(params, 1)).value_or(false), cancel);
                });
                break;
            case office::WindowActivate:
                on.oAppPro_WindowActivate(Window(params));
                break;
            case office::WindowDeactivate:
                on.oAppPro_WindowDeactivate();
                break;
            case office::WindowSelectionChange:
                on.oAppPro_WindowSelectionChange(Window(params));
                break;
            case office::PaneActivate:
                on.oAppPro_PaneActivate();
                break;
            default:
                break;
        }
    }

    // The window that is the event's first argument.
    HostWindowPtr Window(const DISPPARAMS& params) const {
        return HostWindowOf(app_, ObjectOf(Arg(params, 0)));
    }

    com::ComPtr<IDispatch> app_;
    AppEventHandlers* handlers_;
    ULONG refs_ = 1;
};

AppEvents::AppEvents(com::ComPtr<IDispatch> application, AppEventHandlers& handlers) {
    const auto container = application ? application.As<IConnectionPointContainer>() : nullptr;
    if (!container ||
        FAILED(container->FindConnectionPoint(office::IID_EProjectApp2, point_.Put()))) {
        point_ = nullptr;
        return;
    }
    sink_ = com::ComPtr<Sink>::Attach(new Sink(std::move(application), handlers));
    if (FAILED(point_->Advise(static_cast<IDispatch*>(sink_.Get()), &cookie_))) {
        cookie_ = 0;
    }
}

AppEvents::~AppEvents() {
    if (cookie_ != 0) {
        point_->Unadvise(cookie_);
    }
    if (sink_) {
        sink_->Detach();
    }
}

}  // namespace morvane
