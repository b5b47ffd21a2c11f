#pragma once
// The identities of the add-in's type library Qor (Qor.idl) and its dispatch interface _Morvane,
// declared in C++ in the same vtable order as in the library, which serves its IDispatch.

#include <windows.h>
#include <oaidl.h>

namespace morvane::qor {

inline constexpr GUID LIBID_Qor = {
    0xE0004159, 0xAA13, 0x4CDC, {0x88, 0xC3, 0x74, 0xB9, 0x57, 0x0A, 0x4E, 0xD8}};
inline constexpr CLSID CLSID_Morvane = {
    0xD504026E, 0x642D, 0x4F32, {0x8A, 0xC3, 0x46, 0xDA, 0x82, 0x06, 0x14, 0x1B}};
inline constexpr wchar_t kProgId[] = L"Qor.Morvane";
inline constexpr WORD kMajorVersion = 1;
inline constexpr WORD kMinorVersion = 0;

}  // namespace morvane::qor

MIDL_INTERFACE("ABED6682-6D8F-47CB-869C-167FE61FE04B")
_Morvane : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetRibbonXML(BSTR * xml) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetLabel(IDispatch * control, BSTR * label) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetDescription(IDispatch * control, BSTR * description) = 0;
    virtual HRESULT STDMETHODCALLTYPE rxcustomUI_onLoad(IDispatch * ribbon) = 0;
    virtual HRESULT STDMETHODCALLTYPE getImage(IDispatch * control, IDispatch * *image) = 0;
    virtual HRESULT STDMETHODCALLTYPE pr_OnAction(IDispatch * control) = 0;
};

#ifdef __CRT_UUID_DECL
__CRT_UUID_DECL(_Morvane, 0xABED6682, 0x6D8F, 0x47CB, 0x86, 0x9C, 0x16, 0x7F, 0xE6, 0x1F, 0xE0,
                0x4B)
#endif
