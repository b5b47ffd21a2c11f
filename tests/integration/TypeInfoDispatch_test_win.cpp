// A late-bound call through the add-in's type library that lets go of the object's last reference
// from inside, as a switch-off in a backstage task's dialog does: the object goes only after the
// system's DispInvoke has returned, so the type information it holds outlives its own Invoke.
#include <gtest/gtest.h>

#include "addin/ComServer_win.h"
#include "addin/Qor_win.h"
#include "shared/Com_win.h"
#include "shared/LibraryUse.h"
#include "shared/TypeInfoDispatch_win.h"

namespace morvane::test {
namespace {

// The real type information, with a record of whether its last reference went while one of its
// Invokes was on the stack. The test owns it; a last Release only records.
class SpyTypeInfo final : public ITypeInfo {
  public:
    explicit SpyTypeInfo(com::ComPtr<ITypeInfo> real) : real_(std::move(real)) {}

    bool released = false;
    bool releasedInsideInvoke = false;

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) {
            return E_POINTER;
        }
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ITypeInfo)) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<ITypeInfo*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        if (--refs_ == 0) {
            released = true;
            releasedInsideInvoke = invoking_ > 0;
        }
        return refs_;
    }

    STDMETHODIMP Invoke(PVOID instance, MEMBERID id, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* excepInfo, UINT* argError) override {
        ++invoking_;
        const HRESULT hr = real_->Invoke(instance, id, flags, params, result, excepInfo, argError);
        --invoking_;
        return hr;
    }

    // What else DispInvoke and DispGetIDsOfNames may ask, from the real one.
    STDMETHODIMP GetTypeAttr(TYPEATTR** attr) override { return real_->GetTypeAttr(attr); }
    STDMETHODIMP GetTypeComp(ITypeComp** comp) override { return real_->GetTypeComp(comp); }
    STDMETHODIMP GetFuncDesc(UINT index, FUNCDESC** desc) override {
        return real_->GetFuncDesc(index, desc);
    }
    STDMETHODIMP GetVarDesc(UINT index, VARDESC** desc) override {
        return real_->GetVarDesc(index, desc);
    }
    STDMETHODIMP GetNames(MEMBERID id, BSTR* names, UINT max, UINT* count) override {
        return real_->GetNames(id, names, max, count);
    }
    STDMETHODIMP GetRefTypeOfImplType(UINT index, HREFTYPE* type) override {
        return real_->GetRefTypeOfImplType(index, type);
    }
    STDMETHODIMP GetImplTypeFlags(UINT index, INT* flags) override {
        return real_->GetImplTypeFlags(index, flags);
    }
    STDMETHODIMP GetIDsOfNames(LPOLESTR* names, UINT count, MEMBERID* ids) override {
        return real_->GetIDsOfNames(names, count, ids);
    }
    STDMETHODIMP GetDocumentation(MEMBERID id, BSTR* name, BSTR* doc, DWORD* context,
                                  BSTR* helpFile) override {
        return real_->GetDocumentation(id, name, doc, context, helpFile);
    }
    STDMETHODIMP GetDllEntry(MEMBERID id, INVOKEKIND kind, BSTR* dll, BSTR* name,
                             WORD* ordinal) override {
        return real_->GetDllEntry(id, kind, dll, name, ordinal);
    }
    STDMETHODIMP GetRefTypeInfo(HREFTYPE type, ITypeInfo** info) override {
        return real_->GetRefTypeInfo(type, info);
    }
    STDMETHODIMP AddressOfMember(MEMBERID id, INVOKEKIND kind, PVOID* address) override {
        return real_->AddressOfMember(id, kind, address);
    }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, PVOID* object) override {
        return real_->CreateInstance(outer, riid, object);
    }
    STDMETHODIMP GetMops(MEMBERID id, BSTR* mops) override { return real_->GetMops(id, mops); }
    STDMETHODIMP GetContainingTypeLib(ITypeLib** library, UINT* index) override {
        return real_->GetContainingTypeLib(library, index);
    }
    STDMETHODIMP_(void) ReleaseTypeAttr(TYPEATTR* attr) override { real_->ReleaseTypeAttr(attr); }
    STDMETHODIMP_(void) ReleaseFuncDesc(FUNCDESC* desc) override { real_->ReleaseFuncDesc(desc); }
    STDMETHODIMP_(void) ReleaseVarDesc(VARDESC* desc) override { real_->ReleaseVarDesc(desc); }

  private:
    com::ComPtr<ITypeInfo> real_;
    ULONG refs_ = 0;
    int invoking_ = 0;
};

// An object answering _Morvane from the type library whose backstage action lets go of its last
// reference, as the host does when the task's dialog switches the add-in off; it deletes itself
// after the outermost call, as the add-in's class does.
class SelfReleasingTask final : public com::TypeInfoDispatch<_Morvane> {
  public:
    SelfReleasingTask(com::ComPtr<ITypeInfo> info, bool& deleted)
        : TypeInfoDispatch<_Morvane>(std::move(info)), deleted_(deleted) {}

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (!out) {
            return E_POINTER;
        }
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) &&
            !IsEqualIID(riid, __uuidof(_Morvane))) {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        *out = static_cast<_Morvane*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --refs_;
        if (left == 0) {
            LibraryUse::AfterOutermostCall([this] { delete this; });
        }
        return left;
    }

    STDMETHODIMP GetRibbonXML(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP GetLabel(IDispatch*, BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP GetDescription(IDispatch*, BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP rxcustomUI_onLoad(IDispatch*) override { return E_NOTIMPL; }
    STDMETHODIMP getImage(IDispatch*, IDispatch**) override { return E_NOTIMPL; }
    STDMETHODIMP pr_OnAction(IDispatch*) override {
        const LibraryUse::Entry entry;
        Release();
        return S_OK;
    }

  private:
    ~SelfReleasingTask() { deleted_ = true; }

    bool& deleted_;
    ULONG refs_ = 1;
};

TEST(TypeInfoDispatch, AnObjectLetGoOfInsideItsActionOutlivesTheTypeInformationsInvoke) {
    const com::Apartment apartment;
    const auto real = ComServer::TypeInfoOf(__uuidof(_Morvane));
    ASSERT_TRUE(real);
    SpyTypeInfo spy(real);
    bool deleted = false;
    // The one reference, the host's, is let go of inside the action.
    _Morvane* task = new SelfReleasingTask(com::ComPtr<ITypeInfo>(&spy), deleted);

    wchar_t name[] = L"pr_OnAction";
    LPOLESTR names[] = {name};
    DISPID id = DISPID_UNKNOWN;
    ASSERT_EQ(task->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    VARIANT control;
    VariantInit(&control);
    control.vt = VT_DISPATCH;
    control.pdispVal = nullptr;
    DISPPARAMS params{&control, nullptr, 1, 0};
    EXPECT_EQ(task->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                           nullptr, nullptr),
              S_OK);

    EXPECT_TRUE(deleted);
    EXPECT_TRUE(spy.released);
    EXPECT_FALSE(spy.releasedInsideInvoke);
}

}  // namespace
}  // namespace morvane::test
