#include "shared/Main.h"

#include <mutex>

#include "shared/AddinKeys.h"
#include "shared/SettingsSchema.h"
#include "shared/mdPub.h"

namespace morvane::mdPub {

void Main(TabSettings& Settings) {
    // Writing under the machine hive needs administrator rights; a refusal is expected.
    for (const RootKey root : {RootKey::CurrentUser, RootKey::LocalMachine}) {
        mdReg::SetRegValue(root, std::wstring(LoaderAddinKey), std::wstring(LoadBehaviorValue),
                           mdReg::RegDword, LoadAtStartup);
    }
    if (!ReadSetting(Setting::EnabledApp, Settings)) {
        Settings.EnabledApp = 0;
    }
}

void RunMainOnce(TabSettings& Settings) {
    static std::once_flag once;
    std::call_once(once, [&Settings] { Main(Settings); });
}

}  // namespace morvane::mdPub
