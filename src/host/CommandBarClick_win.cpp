#include "host/CommandBarClick_win.h"

#include <ocidl.h>
#include <olectl.h>

#include <new>

#include "shared/Com_win.h"
#include "shared/EventSink_win.h"
#include "shared/Office_win.h"
#include "shared/LibraryUse.h"
#include "shared/Trace.h"

namespace morvane {

namespace {

// Where the by-reference CancelDefault keeps its value; nullptr when it is not one.
VARIANT_BOOL* CancelSlot(VARIANT& arg) {
    return arg.vt == (VT_BOOL | VT_BYREF) ? arg.pboolVal : nullptr;
}

// The event sink: a dispatch interface that answers Click and nothing else.
class ClickSink final : public com::EventSink {
  public:
    explicit ClickSink(DispatchClickHandler handler)
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
        // The handler may end the connection, and with it the source's reference to this sink;
        // what the handler works with lives until this call has returned.
        const LibraryUse::Entry entry;
        const com::ComPtr<ClickSink> hold(this);
        if (!handler_) {
            return S_OK;
        }
        try {
            VARIANT_BOOL* cancel = CancelSlot(params->rgvarg[0]);
            bool cancelDefault = cancel && *cancel != VARIANT_FALSE;
            const DispatchClickHandler handler = handler_;
            handler(com::ObjectOf(params->rgvarg[1]), cancelDefault);
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

    // The source may still call the sink after the connection is gone: it does nothing then.
    void Detach() { handler_ = nullptr; }

  private:
    ~ClickSink() override = default;
    DispatchClickHandler handler_;
};

class PointConnection final : public ClickConnection {
  public:
    PointConnection(IDispatch* button, com::ComPtr<ClickSink> sink)
        : sink_(std::move(sink)),
          connection_(button, office::IID_CommandBarButtonEvents, sink_.Get()) {}
    ~PointConnection() override { sink_->Detach(); }
    bool Connected() const { return connection_.Connected(); }

  private:
    const com::ComPtr<ClickSink> sink_;
    com::SinkConnection connection_;
};

}  // namespace

std::unique_ptr<ClickConnection> ConnectClick(IDispatch* button, DispatchClickHandler handler) {
    auto* created = new (std::nothrow) ClickSink(std::move(handler));
    if (!created) {
        return nullptr;
    }
    const auto sink = com::ComPtr<ClickSink>::Attach(created);
    auto connection =
        std::unique_ptr<PointConnection>(new (std::nothrow) PointConnection(button, sink));
    if (!connection || !connection->Connected()) {
        return nullptr;
    }
    return connection;
}

}  // namespace morvane
