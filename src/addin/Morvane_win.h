#pragma once
// The add-in's COM class Morvane (Qor.Morvane): the connection Project drives through
// IDTExtensibility2, the custom UI it asks for through IRibbonExtensibility, and the ribbon
// callbacks Office calls by name through _Morvane. Nothing thrown inside leaves a method.

#include <windows.h>
#include <oaidl.h>

#include <memory>

#include "addin/HostDialogs.h"
#include "addin/MenuCommands_win.h"
#include "addin/Qor_win.h"
#include "shared/Com_win.h"
#include "shared/Office_win.h"
#include "shared/TypeInfoDispatch_win.h"
#include "addin/TabBarConnection_win.h"
#include "addin/state/AddinState.h"

namespace morvane {

// Each of the three dual interfaces answers late-bound calls with its own members.
class Morvane final : public com::TypeInfoDispatch<_Morvane>,
                      public com::TypeInfoDispatch<IDTExtensibility2>,
                      public com::TypeInfoDispatch<IRibbonExtensibility> {
  public:
    // `enabledApp` is EnabledApp as the library's start-up read it: non-zero switches the add-in
    // off for the life of the process. The object owns its state and asks the host events'
    // questions with the add-in's own dialogs.
    static com::ComPtr<Morvane> Create(std::int32_t enabledApp);
    // The same class over a state the caller keeps (its Settings.EnabledApp as above, its
    // Registry and System kept where set), so that tests, the demo and the benchmarks can look
    // into it; `dialogs` nullptr: our own dialogs; `commands` replaces the commands' shell or
    // dialogs.
    static com::ComPtr<Morvane> Create(AddinState& state, std::shared_ptr<HostDialogs> dialogs,
                                       CommandSeams commands = {});
    Morvane(const Morvane&) = delete;
    Morvane& operator=(const Morvane&) = delete;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDTExtensibility2
    STDMETHODIMP OnConnection(IDispatch* Application, int ConnectMode, IDispatch* AddInInst,
                              SAFEARRAY** custom) override;
    STDMETHODIMP OnDisconnection(int RemoveMode, SAFEARRAY** custom) override;
    STDMETHODIMP OnAddInsUpdate(SAFEARRAY** custom) override;
    STDMETHODIMP OnStartupComplete(SAFEARRAY** custom) override;
    STDMETHODIMP OnBeginShutdown(SAFEARRAY** custom) override;

    // IRibbonExtensibility
    STDMETHODIMP GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) override;

    // _Morvane: the ribbon callbacks
    STDMETHODIMP GetRibbonXML(BSTR* xml) override;
    STDMETHODIMP GetLabel(IDispatch* control, BSTR* label) override;
    STDMETHODIMP GetDescription(IDispatch* control, BSTR* description) override;
    STDMETHODIMP rxcustomUI_onLoad(IDispatch* ribbon) override;
    STDMETHODIMP getImage(IDispatch* control, IDispatch** image) override;
    STDMETHODIMP pr_OnAction(IDispatch* control) override;

    bool Connected() const { return connected_; }
    // The window hooks of the object's connection: the bar, the hot keys (tests and the
    // benchmarks look into the bar through them).
    TabBarHooks& Hooks() { return connection_.Hooks(); }

  private:
    Morvane(std::unique_ptr<AddinState> ownState, AddinState& state,
            std::shared_ptr<HostDialogs> dialogs, CommandSeams commands);
    ~Morvane();

    // A failure code when the library's connection is another object's.
    HRESULT Connect(IDispatch* application, int connectMode);
    // Brings the tab bar up for the connection asked for.
    void MakeConnection();
    void InvalidateRibbon();
    void ApplyTaskbarSwitch();
    void Disconnect();

    ULONG refs_ = 1;
    // The add-in's state for the connection (its own, or the caller's); its settings are loaded
    // again at each connection.
    std::unique_ptr<AddinState> ownState_;
    AddinState& state_;
    // The tab bar's connection to the host, over the state.
    TabBarConnection connection_;
    // Asks the host events' questions with the add-in's own dialogs.
    std::shared_ptr<HostDialogs> dialogs_;
    // The shell and the dialogs of the menu commands and the backstage's tasks; none: the real.
    CommandSeams commands_;
    // The host's Application, held from connection to disconnection; the host's events arrive
    // through it.
    com::ComPtr<IDispatch> oAppPro;
    // The ribbon Office handed to the backstage's onLoad; kept for the host's whole run.
    com::ComPtr<IDispatch> RibbonUI;
    int mConnectMode = 0;
    // Connected, or the connection waits for the last one's take-down.
    bool connected_ = false;
    bool connectionWaits_ = false;
};

}  // namespace morvane
