#pragma once
// A DispatchObject that also offers dual interfaces (interfaces derived from IDispatch),
// answering their IDispatch part from the member table. The derived class implements their own
// methods.

#include "shared/DispatchObject_win.h"

namespace morvane::com {

template <typename... I>
class DualObject : public DispatchObject, public I... {
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        return DispatchObject::QueryInterface(riid, out);
    }
    STDMETHODIMP_(ULONG) AddRef() override { return DispatchObject::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return DispatchObject::Release(); }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        return DispatchObject::GetTypeInfoCount(count);
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override {
        return DispatchObject::GetTypeInfo(index, lcid, info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                               DISPID* ids) override {
        return DispatchObject::GetIDsOfNames(riid, names, count, lcid, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) override {
        return DispatchObject::Invoke(id, riid, lcid, flags, params, result, excepInfo, argError);
    }

    IDispatch* Dispatch() { return static_cast<DispatchObject*>(this); }

  protected:
    explicit DualObject(std::vector<Member> members) : DispatchObject(std::move(members)) {}
    void* QueryOther(REFIID riid) override {
        void* found = nullptr;
        ((found = found                           ? found
                  : IsEqualIID(riid, __uuidof(I)) ? static_cast<I*>(this)
                                                  : nullptr),
         ...);
        return found;
    }
};

}  // namespace morvane::com
