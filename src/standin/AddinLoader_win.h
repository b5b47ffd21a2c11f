#pragma once
// Loads COM add-ins the way Project does: each add-in registered with LoadBehavior 3 under its
// Addins key is created by its ProgID and connected through IDTExtensibility2; on a ribbon host
// its custom UI is loaded as well. Also connects and disconnects one add-in on demand, as the
// host's COM add-ins dialog does.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "shared/Com_win.h"
#include "standin/RibbonHost_win.h"

namespace morvane::standin {

// Below HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE; one subkey per ProgID.
inline constexpr wchar_t kAddinsKey[] = L"Software\\Microsoft\\Office\\MS Project\\Addins";

struct AddinEntry {
    std::wstring progId;
    DWORD loadBehavior = 0;
    bool machine = false;  // found under HKEY_LOCAL_MACHINE only
};

// The registered add-ins: the current user's, then the machine's that the user has not.
std::vector<AddinEntry> RegisteredAddins();

class AddinLoader {
  public:
    // `hostVersion` "14.0" makes the loader play the ribbon for each add-in it connects.
    AddinLoader(IDispatch* application, std::wstring hostVersion);
    AddinLoader(const AddinLoader&) = delete;
    AddinLoader& operator=(const AddinLoader&) = delete;
    // Shuts down whatever is still connected.
    ~AddinLoader();

    // Host start-up: OnConnection (mode 1) for every add-in with LoadBehavior 3, then
    // OnStartupComplete for each one connected. Returns how many were connected.
    int LoadAtStartup();
    // On demand: OnConnection with mode 0 (no start-up-complete call follows). False when the
    // add-in cannot be created or refuses the connection, or is connected already.
    bool Connect(const std::wstring& progId);
    // On demand: OnDisconnection with mode 1, then the add-in is released.
    bool Disconnect(const std::wstring& progId);
    // Host exit: OnBeginShutdown for every connected add-in, then OnDisconnection (mode 0).
    void Shutdown();
    // Frees the add-in libraries loaded for per-user classes that say they can be unloaded, as
    // CoFreeUnusedLibraries does for COM's (also when the loader ends).
    void FreeUnusedLibraries();

    std::vector<std::wstring> Connected() const;
    // The connected add-in's object, or nullptr.
    com::ComPtr<IDispatch> Addin(const std::wstring& progId) const;
    // The ribbon played for the add-in (ribbon hosts only), or nullptr.
    RibbonHost* Ribbon(const std::wstring& progId) const;

  private:
    struct Loaded;
    struct Libraries;
    bool ConnectAs(const std::wstring& progId, int connectMode);
    Loaded* FindLoaded(const std::wstring& progId) const;

    com::ComPtr<IDispatch> application_;
    std::wstring hostVersion_;
    std::vector<std::unique_ptr<Loaded>> loaded_;
    std::unique_ptr<Libraries> libraries_;
};

}  // namespace morvane::standin
