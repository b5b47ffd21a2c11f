#include "shared/Main.h"

#include "shared/AddinKeys.h"
#include "shared/SettingsSchema.h"
#include "shared/mdPub.h"

namespace morvane::mdPub {

void RegisterLoaderAndReadSwitch(TabSettings& Settings) {
    // Writing under the machine hive needs administrator rights; a refusal is expected.
    for (const RootKey root : {RootKey::CurrentUser, RootKey::LocalMachine}) {
        mdReg::SetRegValue(root, std::wstring(LoaderAddinKey), std::wstring(LoadBehaviorValue),
                           mdReg::RegDword, LoadAtStartup);
    }
    if (!ReadSetting(Setting::EnabledApp, Settings)) {
        Settings.EnabledApp = 0;
    }
}

}  // namespace morvane::mdPub
