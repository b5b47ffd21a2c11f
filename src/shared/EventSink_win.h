#pragma once
// Receiving a COM object's events: the IUnknown and IDispatch plumbing of a sink, and its
// connection to the source's connection point.

#include <windows.h>
#include <ocidl.h>

#include "shared/Com_win.h"

namespace morvane::com {

// A sink of one event interface, which its source calls by dispatch id through Invoke; the
// derived sink answers Invoke. It offers no type information and no names. It counts as one of
// the library's live objects: the source may call and release it after we disconnected it.
class EventSink : public IDispatch {
  public:
    EventSink(const EventSink&) = delete;
    EventSink& operator=(const EventSink&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                               DISPID* ids) override;

  protected:
    explicit EventSink(const IID& events);
    virtual ~EventSink();

  private:
    IID events_;
    ULONG refs_ = 1;
};

// A sink connected to its source for one event interface, until destroyed.
class SinkConnection {
  public:
    // Not connected when the source offers no such events or refuses the sink.
    SinkConnection(IDispatch* source, const IID& events, IDispatch* sink);
    ~SinkConnection();
    SinkConnection(const SinkConnection&) = delete;
    SinkConnection& operator=(const SinkConnection&) = delete;

    bool Connected() const { return cookie_ != 0; }

  private:
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

// The object an event argument holds, also by reference; nullptr for anything else.
ComPtr<IDispatch> ObjectOf(const VARIANT& arg);

}  // namespace morvane::com
