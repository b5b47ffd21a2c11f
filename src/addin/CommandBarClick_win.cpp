#include "addin/CommandBarClick_win.h"

#include <ocidl.h>
#include <olectl.h>

#include <new>

#include "addin/CommandBarsDispatch_win.h"
#include "shared/Com_win.h"
#include "shared/EventSink_win.h"
#include "shared/Office_win.h"

namespace morvane {

namespace {

// Where the by-reference CancelDefault keeps its value; nullptr when it is not one.
VARIANT_BOOL* CancelSlot(VARIANT& arg) {
    return arg.vt == (VT_BOOL | VT_BYREF) ? arg.pboolVal : nullptr;
}

// The event sink: a dispatch interface that answers Click and nothing else.
class ClickSink final : public com::EventSink {
  public:
    explicit ClickSink(ClickHandler handler)
        : EventSink(office::IID_CommandBarButtonEvents), handler_(std::move(handler)) {}

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
            handler_(MakeCommandBarControl(com::ObjectOf(params->rgvarg[1])), cancelDefault);
            if (cancel) {
                *cancel = cancelDefault ? VARIANT_TRUE : VARIANT_FALSE;
            }
            return S_OK;
        } catch (...) {
            // Nothing may unwind into the host.
            return E_UNEXPECTED;
        }
    }

  private:
    ~ClickSink() override = default;
    const ClickHandler handler_;
};

class PointConnection final : public ClickConnection {
  public:
    PointConnection(IDispatch* button, IDispatch* sink)
        : connection_(button, office::IID_CommandBarButtonEvents, sink) {}
    bool Connected() const { return connection_.Connected(); }

  private:
    com::SinkConnection connection_;
};

}  // namespace

std::unique_ptr<ClickConnection> ConnectClick(IDispatch* button, ClickHandler handler) {
    auto* created = new (std::nothrow) ClickSink(std::move(handler));
    if (!created) {
        return nullptr;
    }
    const auto sink = com::ComPtr<ClickSink>::Attach(created);
    auto connection =
        std::unique_ptr<PointConnection>(new (std::nothrow) PointConnection(button, sink.Get()));
    if (!connection || !connection->Connected()) {
        return nullptr;
    }
    return connection;
}

}  // namespace morvane
