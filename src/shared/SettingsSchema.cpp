#include "shared/SettingsSchema.h"

#include <type_traits>

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
            auto& target = field(settings);
            using Target = std::remove_reference_t<decltype(target)>;
            if constexpr (std::is_enum_v<Target>) {
                // Read as the number it is stored as; a failed read leaves it unchanged.
                auto number = static_cast<std::int32_t>(target);
                const bool read = mdReg::GetRegValue(api, RootKey::CurrentUser, KeyPathOf(id),
                                                     std::wstring(entry.Name), number);
                target = static_cast<Target>(number);
                return read;
            } else {
                return mdReg::GetRegValue(api, RootKey::CurrentUser, KeyPathOf(id),
                                          std::wstring(entry.Name), target);
            }
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

}  // namespace morvane
