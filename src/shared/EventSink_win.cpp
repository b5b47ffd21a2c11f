#include "shared/EventSink_win.h"

#include "shared/LibraryUse.h"
#include "shared/Trace.h"

namespace morvane::com {

EventSink::EventSink(const IID& events) : events_(events) {
    LibraryUse::ObjectCreated();
}

EventSink::~EventSink() {
    LibraryUse::ObjectDestroyed();
}

STDMETHODIMP EventSink::QueryInterface(REFIID riid, void** out) {
    if (!out) {
        return E_POINTER;
    }
    *out = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) &&
        !IsEqualIID(riid, events_)) {
        return E_NOINTERFACE;
    }
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) EventSink::AddRef() {
    return ++refs_;
}

STDMETHODIMP_(ULONG) EventSink::Release() {
    const ULONG refs = --refs_;
    if (refs == 0) {
        delete this;
    }
    return refs;
}

STDMETHODIMP EventSink::GetTypeInfoCount(UINT* count) {
    if (!count) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

STDMETHODIMP EventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP EventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return DISP_E_UNKNOWNNAME;
}

SinkConnection::SinkConnection(IDispatch* source, const IID& events, IDispatch* sink) {
    const auto container = ComPtr<IDispatch>(source).As<IConnectionPointContainer>();
    if (!container || !sink) {
        TraceFailure(L"QueryInterface(IConnectionPointContainer) of an event source",
                     E_NOINTERFACE);
        return;
    }
    HRESULT hr = container->FindConnectionPoint(events, point_.Put());
    if (SUCCEEDED(hr) && !point_) {
        hr = E_POINTER;
    }
    if (FAILED(hr)) {
        TraceFailure(L"IConnectionPointContainer::FindConnectionPoint", hr);
        return;
    }
    if (hr = point_->Advise(sink, &cookie_); FAILED(hr)) {
        TraceFailure(L"IConnectionPoint::Advise", hr);
        cookie_ = 0;
    }
}

SinkConnection::~SinkConnection() {
    if (cookie_ == 0) {
        return;
    }
    if (const HRESULT hr = point_->Unadvise(cookie_); FAILED(hr)) {
        TraceFailure(L"IConnectionPoint::Unadvise", hr);
    }
}

ComPtr<IDispatch> ObjectOf(const VARIANT& arg) {
    Variant copy;
    if (const HRESULT hr = VariantCopy(copy.Get(), const_cast<VARIANT*>(&arg)); FAILED(hr)) {
        TraceFailure(L"VariantCopy of an event's object", hr);
        return nullptr;
    }
    return copy.ToObject();
}

}  // namespace morvane::com
