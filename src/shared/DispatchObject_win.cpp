#include "shared/DispatchObject_win.h"

#include <algorithm>
#include <string>

#include "shared/DispatchArgs_win.h"
#include "shared/LibraryUse.h"
#include "shared/Trace.h"

namespace morvane::com {

DispatchObject::DispatchObject(std::vector<Member> members) : members_(std::move(members)) {
    LibraryUse::ObjectCreated();
}

DispatchObject::~DispatchObject() {
    LibraryUse::ObjectDestroyed();
}

STDMETHODIMP DispatchObject::QueryInterface(REFIID riid, void** out) {
    if (!out) {
        return E_POINTER;
    }
    *out = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
        *out = static_cast<IDispatch*>(this);
    } else {
        *out = QueryOther(riid);
    }
    if (!*out) {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) DispatchObject::AddRef() {
    return ++refs_;
}

STDMETHODIMP_(ULONG) DispatchObject::Release() {
    const ULONG left = --refs_;
    if (left == 0) {
        delete this;
    }
    return left;
}

STDMETHODIMP DispatchObject::GetTypeInfoCount(UINT* count) {
    if (!count) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

STDMETHODIMP DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids || count == 0) {
        return E_INVALIDARG;
    }
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
    }
    const auto found = std::find_if(members_.begin(), members_.end(),
                                    [&](const Member& m) { return SameText(m.name, names[0]); });
    if (found == members_.end()) {
        hr = DISP_E_UNKNOWNNAME;
    } else {
        ids[0] = found->id;
    }
    // Named arguments are not supported.
    return count > 1 ? DISP_E_UNKNOWNNAME : hr;
}

STDMETHODIMP DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                    VARIANT* result, EXCEPINFO*, UINT*) {
    std::vector<VARIANT*> args;
    if (params) {
        // A property put passes its value as the one named argument; keep it last.
        for (UINT i = params->cArgs; i > 0; --i) {
            args.push_back(&params->rgvarg[i - 1]);
        }
    }
    try {
        return Call(id, flags, args, result);
    } catch (...) {
        TraceException(L"IDispatch::Invoke of a dispatch object");
        return DISP_E_EXCEPTION;
    }
}

void* DispatchObject::QueryOther(REFIID) {
    return nullptr;
}

EventSource::EventSource(std::vector<Member> members, const IID& events)
    : DispatchObject(std::move(members)), events_(events) {}

void* EventSource::QueryOther(REFIID riid) {
    if (IsEqualIID(riid, IID_IConnectionPointContainer)) {
        return static_cast<IConnectionPointContainer*>(this);
    }
    return nullptr;
}

STDMETHODIMP EventSource::EnumConnectionPoints(IEnumConnectionPoints** out) {
    if (out) {
        *out = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP EventSource::FindConnectionPoint(REFIID riid, IConnectionPoint** out) {
    if (!out) {
        return E_POINTER;
    }
    *out = nullptr;
    if (!IsEqualIID(riid, events_)) {
        return CONNECT_E_NOCONNECTION;
    }
    *out = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP EventSource::GetConnectionInterface(IID* iid) {
    if (!iid) {
        return E_POINTER;
    }
    *iid = events_;
    return S_OK;
}

STDMETHODIMP EventSource::GetConnectionPointContainer(IConnectionPointContainer** out) {
    if (!out) {
        return E_POINTER;
    }
    *out = static_cast<IConnectionPointContainer*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP EventSource::Advise(IUnknown* sink, DWORD* cookie) {
    if (!sink || !cookie) {
        return E_POINTER;
    }
    ComPtr<IDispatch> dispatch;
    if (FAILED(sink->QueryInterface(events_, reinterpret_cast<void**>(dispatch.Put()))) &&
        FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.Put())))) {
        return CONNECT_E_CANNOTCONNECT;
    }
    *cookie = nextCookie_++;
    sinks_.push_back({*cookie, dispatch});
    return S_OK;
}

STDMETHODIMP EventSource::Unadvise(DWORD cookie) {
    const auto found = std::find_if(sinks_.begin(), sinks_.end(),
                                    [&](const Sink& s) { return s.cookie == cookie; });
    if (found == sinks_.end()) {
        return CONNECT_E_NOCONNECTION;
    }
    sinks_.erase(found);
    return S_OK;
}

STDMETHODIMP EventSource::EnumConnections(IEnumConnections** out) {
    if (out) {
        *out = nullptr;
    }
    return E_NOTIMPL;
}

void EventSource::Fire(DISPID id, std::vector<Variant>& args) {
    std::vector<VARIANT> reversed;
    for (auto it = args.rbegin(); it != args.rend(); ++it) {
        reversed.push_back(*it->Get());  // shallow: args keep ownership
    }
    DISPPARAMS params{};
    params.rgvarg = reversed.empty() ? nullptr : reversed.data();
    params.cArgs = static_cast<UINT>(reversed.size());
    const auto sinks = sinks_;  // a sink may disconnect while it is called
    for (const auto& s : sinks) {
        Variant ignored;
        const HRESULT hr = s.sink->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                          &params, ignored.Get(), nullptr, nullptr);
        if (FAILED(hr)) {
            TraceFailure(L"an event sink's IDispatch::Invoke of event " + std::to_wstring(id), hr);
        }
    }
}

}  // namespace morvane::com
