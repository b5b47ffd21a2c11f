#include "shared/Main.h"

#include "shared/AddinKeys.h"
#include "shared/SettingsSchema.h"

namespace morvane::mdPub {

void RegisterLoaderAndReadSwitch(RegistryApi& registry, TabSettings& Settings) {
    // Writing under the machine hive needs administrator rights; a refusal is expected.
    for (const RootKey root : {RootKey::CurrentUser, RootKey::LocalMachine}) {
        mdReg::SetRegValue(registry, root, std::wstring(LoaderAddinKey),
                           std::wstring(LoadBehaviorValue), mdReg::RegDword, LoadAtStartup);
    }
    if (!ReadSetting(registry, Setting::EnabledApp, Settings)) {
        Settings.EnabledApp = 0;
    }
}

}  // namespace morvane::mdPub
