#include "addin/AppEvents_win.h"

#include <optional>

#include "host/HostAppDispatch_win.h"
#include "shared/Office_win.h"
#include "shared/LibraryUse.h"
#include "shared/Trace.h"

namespace morvane {

namespace {

// The argument at a natural position; the host passes them last first.
const VARIANT* Arg(const DISPPARAMS& params, UINT index) {
    return index < params.cArgs ? &params.rgvarg[params.cArgs - 1 - index] : nullptr;
}

com::ComPtr<IDispatch> ObjectOf(const VARIANT* arg) {
    return arg ? com::ObjectOf(*arg) : nullptr;
}

std::optional<bool> BoolOf(const VARIANT* arg) {
    if (!arg) {
        return std::nullopt;
    }
    com::Variant value;
    if (const HRESULT hr = VariantCopyInd(value.Get(), const_cast<VARIANT*>(arg)); FAILED(hr)) {
        TraceFailure(L"VariantCopyInd of an application event's argument", hr);
        return std::nullopt;
    }
    bool result = false;
    if (!value.ToBool(result)) {
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

class AppEvents::Sink final : public com::EventSink {
  public:
    Sink(com::ComPtr<IDispatch> application, AppEventHandlers& handlers)
        : EventSink(office::IID_EProjectApp2), app_(std::move(application)), handlers_(&handlers) {}

    void Detach() { handlers_ = nullptr; }

    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        // A handler's dialog may end the connection, and with it the host's reference to us;
        // what the handlers work with lives until this call has returned.
        const LibraryUse::Entry entry;
        const com::ComPtr<Sink> hold(this);
        // The host goes on with its own work whatever a handler met.
        try {
            if (handlers_ && handlers_->Standing()) {
                const DISPPARAMS none{};
                Dispatch(id, params ? *params : none);
            }
        } catch (...) {
            TraceException(L"a handler of the host's application events");
        }
        return S_OK;
    }

  private:
    ~Sink() override = default;

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
};

AppEvents::AppEvents(com::ComPtr<IDispatch> application, AppEventHandlers& handlers)
    : sink_(com::ComPtr<Sink>::Attach(new Sink(application, handlers))),
      connection_(application.Get(), office::IID_EProjectApp2, sink_.Get()) {}

AppEvents::~AppEvents() {
    sink_->Detach();
}

}  // namespace morvane
