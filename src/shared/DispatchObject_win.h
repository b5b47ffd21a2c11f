#pragma once
// Building blocks of the stand-in host's automation objects: an IDispatch answered from a table of
// members, and an event source that callers connect sinks to through connection points.

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <string>
#include <vector>

#include "shared/Com_win.h"

namespace morvane::com {

// An object's members by name and dispatch id; names are matched without regard to case.
struct Member {
    const wchar_t* name;
    DISPID id;
};

class DispatchObject : public IDispatch {
  public:
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                               DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) override;

  protected:
    explicit DispatchObject(std::vector<Member> members);
    // Counted as one of the module's live objects (`LibraryUse`) for its whole life.
    virtual ~DispatchObject();

    // One member call. `args` are in natural order (first argument first), positional only.
    // Returns DISP_E_MEMBERNOTFOUND for members it does not know.
    virtual HRESULT Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                         VARIANT* result) = 0;
    // Further interfaces of the same object; nullptr when not supported.
    virtual void* QueryOther(REFIID riid);

  private:
    std::vector<Member> members_;
    ULONG refs_ = 1;
};

// Creates an object with its first reference held by the returned pointer.
template <typename T, typename... A>
ComPtr<T> Make(A&&... args) {
    return ComPtr<T>::Attach(new T(std::forward<A>(args)...));
}

// A DispatchObject that sources one event interface (IConnectionPointContainer with one point).
class EventSource : public DispatchObject,
                    public IConnectionPointContainer,
                    public IConnectionPoint {
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        return DispatchObject::QueryInterface(riid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return DispatchObject::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return DispatchObject::Release(); }

    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** out) override;
    STDMETHODIMP FindConnectionPoint(REFIID riid, IConnectionPoint** out) override;

    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** out) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** out) override;

    std::size_t SinkCount() const { return sinks_.size(); }

  protected:
    EventSource(std::vector<Member> members, const IID& events);
    void* QueryOther(REFIID riid) override;

    // Calls every connected sink; `args` in natural order. Sinks may disconnect while it runs.
    void Fire(DISPID id, std::vector<Variant>& args);

  private:
    struct Sink {
        DWORD cookie;
        ComPtr<IDispatch> sink;
    };
    IID events_;
    std::vector<Sink> sinks_;
    DWORD nextCookie_ = 1;
};

}  // namespace morvane::com
