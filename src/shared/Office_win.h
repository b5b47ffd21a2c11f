#pragma once
// Our own declarations of the Office and Project interfaces that the add-in implements or calls,
// from their published identities.

#include <windows.h>
#include <oaidl.h>

namespace morvane::office {

// Project's application events (a dispatch interface: sinks receive these ids through Invoke).
inline constexpr IID IID_EProjectApp2 = {
    0x5066D7C4, 0x1ED7, 0x48C4, {0xAC, 0xE7, 0x29, 0x9E, 0x10, 0x9D, 0x36, 0x8C}};
enum ProjectAppEvent : DISPID {
    ProjectBeforeClose = 2,
    ProjectBeforeSave = 3,
    WindowSelectionChange = 16,
    WindowActivate = 19,
    WindowDeactivate = 20,
    ProjectAfterSave = 25,
    ApplicationBeforeClose = 31,
    PaneActivate = 40,
};

// A command-bar button's click events: Click(Ctrl, CancelDefault by reference), id 1.
inline constexpr IID IID_CommandBarButtonEvents = {
    0x000C0351, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr DISPID kCommandBarButtonClick = 1;

inline constexpr long msoBarPopup = 5;
inline constexpr long msoButtonDown = -1;
inline constexpr long msoButtonUp = 0;

enum ext_ConnectMode : int {
    ext_cm_AfterStartup = 0,
    ext_cm_Startup = 1,
    ext_cm_External = 2,
    ext_cm_CommandLine = 3,
};
enum ext_DisconnectMode : int {
    ext_dm_HostShutdown = 0,
    ext_dm_UserClosed = 1,
};

// Custom-UI namespace of the 2009/07 schema.
inline constexpr wchar_t kCustomUiNamespace[] =
    L"http://schemas.microsoft.com/office/2009/07/customui";

}  // namespace morvane::office

// Dual interfaces, declared at global scope so that __uuidof works on them.

MIDL_INTERFACE("B65AD801-ABAF-11D0-BB8B-00A0C90F2744")
IDTExtensibility2 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE OnConnection(IDispatch * Application, int ConnectMode,
                                                   IDispatch* AddInInst, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnDisconnection(int RemoveMode, SAFEARRAY** custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY * *custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY * *custom) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY * *custom) = 0;
};

MIDL_INTERFACE("000C0396-0000-0000-C000-000000000046")
IRibbonExtensibility : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR * RibbonXml) = 0;
};

MIDL_INTERFACE("000C03A7-0000-0000-C000-000000000046")
IRibbonUI : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE Invalidate() = 0;
    virtual HRESULT STDMETHODCALLTYPE InvalidateControl(BSTR ControlID) = 0;
};

MIDL_INTERFACE("000C0395-0000-0000-C000-000000000046")
IRibbonControl : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Id(BSTR * Id) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Context(IDispatch * *Context) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Tag(BSTR * Tag) = 0;
};

#ifdef __CRT_UUID_DECL
__CRT_UUID_DECL(IDTExtensibility2, 0xB65AD801, 0xABAF, 0x11D0, 0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F,
                0x27, 0x44)
__CRT_UUID_DECL(IRibbonExtensibility, 0x000C0396, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00,
                0x00, 0x00, 0x46)
__CRT_UUID_DECL(IRibbonUI, 0x000C03A7, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                0x46)
__CRT_UUID_DECL(IRibbonControl, 0x000C0395, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00,
                0x00, 0x46)
#endif
