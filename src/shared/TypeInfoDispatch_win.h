#pragma once
// The IDispatch part of one dual interface, answered from that interface's own type information.
// A class with several dual interfaces derives from one of these per interface, so that a
// late-bound call through each reaches that interface's members, and no other's.

#include <windows.h>
#include <oaidl.h>

#include "shared/Com_win.h"
#include "shared/LibraryUse.h"

namespace morvane::com {

template <typename I>
class TypeInfoDispatch : public I {
  public:
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        if (!count) {
            return E_POINTER;
        }
        *count = info_ ? 1 : 0;
        return S_OK;
    }

    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
        if (!info) {
            return E_POINTER;
        }
        *info = nullptr;
        if (index != 0 || !info_) {
            return DISP_E_BADINDEX;
        }
        info_->AddRef();
        *info = info_.Get();
        return S_OK;
    }

    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID,
                               DISPID* ids) override {
        if (!IsEqualIID(riid, IID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        if (!info_) {
            return DISP_E_UNKNOWNNAME;
        }
        return DispGetIDsOfNames(info_.Get(), names, count, ids);
    }

    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) override {
        if (!IsEqualIID(riid, IID_NULL)) {
            return DISP_E_UNKNOWNINTERFACE;
        }
        if (!info_) {
            return DISP_E_MEMBERNOTFOUND;
        }
        // A member may run a command or a dialog in which the add-in is switched off and this
        // object let go of: it, and the type information DispInvoke works with, go only after
        // DispInvoke has returned.
        const LibraryUse::Entry entry;
        const ComPtr<ITypeInfo> info = info_;
        return DispInvoke(static_cast<I*>(this), info.Get(), id, flags, params, result, excepInfo,
                          argError);
    }

  protected:
    // No type information: the interface answers no name, and its vtable still works.
    explicit TypeInfoDispatch(ComPtr<ITypeInfo> info) : info_(std::move(info)) {}
    ~TypeInfoDispatch() = default;

  private:
    ComPtr<ITypeInfo> info_;
};

}  // namespace morvane::com
