#include "shared/AddinKeys.h"

#include <string>

#include "shared/mdReg.h"

namespace morvane {

void WriteLoadBehavior(RegistryApi& registry, std::wstring_view addinKey, std::int32_t value) {
    for (const RootKey root :
         {RootKey::LocalMachine64, RootKey::LocalMachine32, RootKey::CurrentUser}) {
        mdReg::SetRegValue(registry, root, std::wstring(addinKey), std::wstring(LoadBehaviorValue),
                           mdReg::RegDword, value);
    }
}

}  // namespace morvane
