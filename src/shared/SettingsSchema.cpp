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

bool ReadSetting(Setting id, TabSettings& settings) {
    const auto& entry = SchemaOf(id);
    return std::visit(
        [&](auto field) {
            return mdReg::GetRegValue(RootKey::CurrentUser, KeyPathOf(id), std::wstring(entry.Name),
                                      field(settings));
        },
        entry.Field);
}

namespace {

template <typename T>
bool Write(Setting id, const T& value) {
    const auto& entry = SchemaOf(id);
    return mdReg::SetRegValue(RootKey::CurrentUser, KeyPathOf(id), std::wstring(entry.Name),
                              entry.Type, value);
}

}  // namespace

bool WriteSetting(Setting id, std::int32_t value) {
    return Write(id, value);
}

bool WriteSetting(Setting id, const std::wstring& value) {
    return Write(id, value);
}

}  // namespace morvane
