#include "shared/SettingsSchema.h"

namespace morvane {

std::wstring KeyPathOf(Setting id) {
    const auto& entry = SchemaOf(id);
    std::wstring path(SettingsKey);
    if (!entry.SubKey.empty()) {
        path.append(L"\\").append(entry.SubKey);
    }
    return path;
}

bool ReadSetting(RegistryApi& api, Setting id, TabSettings& settings) {
    const auto& entry = SchemaOf(id);
    return std::visit(
        [&](auto field) {
            return mdReg::GetRegValue(api, RootKey::CurrentUser, KeyPathOf(id),
                                      std::wstring(entry.Name), field(settings));
        },
        entry.Field);
}

namespace {

template <typename T>
bool Write(RegistryApi& api, Setting id, const T& value) {
    const auto& entry = SchemaOf(id);
    return mdReg::SetRegValue(api, RootKey::CurrentUser, KeyPathOf(id), std::wstring(entry.Name),
                              entry.Type, value);
}

}  // namespace

bool WriteSetting(RegistryApi& api, Setting id, std::int32_t value) {
    return Write(api, id, value);
}

bool WriteSetting(RegistryApi& api, Setting id, const std::wstring& value) {
    return Write(api, id, value);
}

bool ReadSetting(Setting id, TabSettings& settings) {
    return mdReg::WithProgramRegistry(
        [&](RegistryApi& api) { return ReadSetting(api, id, settings); });
}

bool WriteSetting(Setting id, std::int32_t value) {
    return mdReg::WithProgramRegistry(
        [&](RegistryApi& api) { return WriteSetting(api, id, value); });
}

bool WriteSetting(Setting id, const std::wstring& value) {
    return mdReg::WithProgramRegistry(
        [&](RegistryApi& api) { return WriteSetting(api, id, value); });
}

}  // namespace morvane
