// The entry points of Morvane.dll, as COM and regsvr32 call them.
//   regsvr32 Morvane.dll               registers for the machine (administrator rights)
//   regsvr32 /n /i:user Morvane.dll    registers for the current user
//   regsvr32 /u [/n /i:user] ...       unregisters the same

#include <windows.h>
#include <olectl.h>

#include <cwchar>

#include "addin/ClassFactory_win.h"
#include "addin/ComServer_win.h"
#include "addin/Qor_win.h"
#include "addin/Registration_win.h"

using morvane::Registration::Hive;

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
// libstdc++'s own: frees the reserve its exception handling keeps for when memory runs out.
void __freeres() noexcept;
}  // namespace __gnu_cxx

namespace {

// The C++ runtime linked into the library allocates that reserve (71 KB in 64-bit builds) as
// the library loads and never frees it, so each time the host freed the library and loaded it
// again, one more stayed behind in the host. Made before every other object of the library, it
// goes after all of them, when nothing of the library can throw any more.
struct RuntimeReserve {
    ~RuntimeReserve() { __gnu_cxx::__freeres(); }
};
__attribute__((init_priority(101))) const RuntimeReserve runtimeReserve;

}  // namespace
#endif

extern "C" {

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* out) {
    if (!out) {
        return E_POINTER;
    }
    *out = nullptr;
    if (!IsEqualCLSID(clsid, morvane::qor::CLSID_Morvane)) {
        return CLASS_E_CLASSNOTAVAILABLE;
    }
    return morvane::MorvaneClassFactory()->QueryInterface(riid, out);
}

STDAPI DllCanUnloadNow() {
    return morvane::ComServer::CanUnload() ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer() {
    return morvane::Registration::RegisterServer(Hive::Machine);
}

STDAPI DllUnregisterServer() {
    return morvane::Registration::UnregisterServer(Hive::Machine);
}

// "user" registers or unregisters for the current user only; no argument for the machine.
STDAPI DllInstall(BOOL install, PCWSTR commandLine) {
    Hive hive = Hive::Machine;
    if (commandLine && *commandLine) {
        if (_wcsicmp(commandLine, L"user") != 0) {
            return E_INVALIDARG;
        }
        hive = Hive::User;
    }
    return install ? morvane::Registration::RegisterServer(hive)
                   : morvane::Registration::UnregisterServer(hive);
}

}  // extern "C"
