#pragma once
// The schema of the settings key, defined once: every value with its subkey, the registry type it
// is written with and the field of TabSettings that holds it. The loader, the options dialog and
// the settings center all read and write through this table.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "shared/TabSettings.h"
#include "shared/mdReg.h"

namespace morvane {

// Below HKEY_CURRENT_USER.
inline constexpr std::wstring_view SettingsKey = L"SOFTWARE\\Microsoft\\Shared Tools\\Morvane";

// Hot-key names stored for the built-in defaults.
inline constexpr std::wstring_view DefaultBarKeyName = L"Default(Win+Q)";
inline constexpr std::wstring_view DefaultTabitKeyName = L"Default(Ctrl+Tab)";

// The Office "14.0" colour scheme, below HKEY_CURRENT_USER: 1 blue, 2 silver, 3 black.
inline constexpr std::wstring_view OfficeThemeKey = L"Software\\Microsoft\\Office\\14.0\\Common";
inline constexpr std::wstring_view OfficeThemeValue = L"Theme";

// Every value of the settings key, in the record's order.
enum class Setting {
    EnabledApp,
    HotKeyBarKeyName,
    HotKeyBarKeyCode,
    HotKeyBarModKeyCode,
    HotKeyTabitKeyName,
    HotKeyTabitKeyCode,
    HotKeyTabitModKeyCode,
    FixWidth,
    MaxWidth,
    TbLayout,
    EnableReorder,
    EnableCreate,
    EnableMiddle,
    TabFontSize,
    TabFontName,
    EnableFontSize,
    EnableFontName,
    EnableTa,
    EnableTi,
    EnableAlt,
    ShowAll,
    TabShow,
    ExitInfor,
    Theme,
    Position,
    OneHide,
    CusColor,
    CoSelect,
    CoNormal,
    CoBack,
    CoBackii,
    CoText,
    CoTextSe,
    DoubleC,
};

struct SettingValue {
    using IntField = std::int32_t& (*)(TabSettings&);
    using TextField = std::wstring& (*)(TabSettings&);
    using PositionField = BarPosition& (*)(TabSettings&);

    Setting Id;
    std::wstring_view Name;    // the registry value
    std::wstring_view SubKey;  // below the settings key; empty for the key itself
    std::int32_t Type;         // the registry type written
    std::variant<IntField, TextField, PositionField> Field;
};

namespace schema {

template <auto Member>
auto& In(TabSettings& settings) {
    return settings.*Member;
}

template <auto HotKey, auto Member>
auto& InHotKey(TabSettings& settings) {
    return (settings.*HotKey).*Member;
}

using S = TabSettings;
using H = HotKeyInfo;
using mdReg::RegDword;
using mdReg::RegSz;

inline constexpr std::array<SettingValue, 34> Table{{
    {Setting::EnabledApp, L"EnabledApp", L"", RegDword, &In<&S::EnabledApp>},
    {Setting::HotKeyBarKeyName, L"KeyName", L"HotKeyBar", RegSz,
     &InHotKey<&S::HotKeyBar, &H::KeyName>},
    {Setting::HotKeyBarKeyCode, L"KeyCode", L"HotKeyBar", RegDword,
     &InHotKey<&S::HotKeyBar, &H::KeyCode>},
    {Setting::HotKeyBarModKeyCode, L"ModKeyCode", L"HotKeyBar", RegDword,
     &InHotKey<&S::HotKeyBar, &H::ModKeyCode>},
    {Setting::HotKeyTabitKeyName, L"KeyName", L"HotKeyTabit", RegSz,
     &InHotKey<&S::HotKeyTabit, &H::KeyName>},
    {Setting::HotKeyTabitKeyCode, L"KeyCode", L"HotKeyTabit", RegDword,
     &InHotKey<&S::HotKeyTabit, &H::KeyCode>},
    {Setting::HotKeyTabitModKeyCode, L"ModKeyCode", L"HotKeyTabit", RegDword,
     &InHotKey<&S::HotKeyTabit, &H::ModKeyCode>},
    {Setting::FixWidth, L"FixWidth", L"", RegDword, &In<&S::FixWidth>},
    {Setting::MaxWidth, L"MaxWidth", L"", RegDword, &In<&S::MaxWidth>},
    {Setting::TbLayout, L"TbLayout", L"", RegDword, &In<&S::TbLayout>},
    {Setting::EnableReorder, L"EnableReorder", L"", RegDword, &In<&S::EnableReorder>},
    {Setting::EnableCreate, L"EnableCreate", L"", RegDword, &In<&S::EnableCreate>},
    {Setting::EnableMiddle, L"EnableMiddle", L"", RegDword, &In<&S::EnableMiddle>},
    // A number stored as its decimal digits.
    {Setting::TabFontSize, L"TabFontSize", L"TabFontSize", RegSz, &In<&S::TabFontSize>},
    {Setting::TabFontName, L"TabFontName", L"TabFontName", RegSz, &In<&S::TabFontName>},
    {Setting::EnableFontSize, L"EnableFontSize", L"TabFontSize", RegDword, &In<&S::EnableFontSize>},
    {Setting::EnableFontName, L"EnableFontName", L"TabFontName", RegDword, &In<&S::EnableFontName>},
    {Setting::EnableTa, L"EnableTa", L"", RegDword, &In<&S::EnableTa>},
    {Setting::EnableTi, L"EnableTi", L"", RegDword, &In<&S::EnableTi>},
    {Setting::EnableAlt, L"EnableAlt", L"", RegDword, &In<&S::EnableAlt>},
    {Setting::ShowAll, L"ShowAll", L"", RegDword, &In<&S::ShowAll>},
    {Setting::TabShow, L"TabShow", L"", RegDword, &In<&S::TabShow>},
    {Setting::ExitInfor, L"ExitInfor", L"", RegDword, &In<&S::ExitInfor>},
    {Setting::Theme, L"Theme", L"", RegDword, &In<&S::Theme>},
    {Setting::Position, L"Position", L"", RegDword, &In<&S::Position>},
    {Setting::OneHide, L"OneHide", L"", RegDword, &In<&S::OneHide>},
    {Setting::CusColor, L"CusColor", L"", RegDword, &In<&S::CusColor>},
    {Setting::CoSelect, L"CoSelect", L"", RegDword, &In<&S::CoSelect>},
    {Setting::CoNormal, L"CoNormal", L"", RegDword, &In<&S::CoNormal>},
    {Setting::CoBack, L"CoBack", L"", RegDword, &In<&S::CoBack>},
    {Setting::CoBackii, L"CoBackii", L"", RegDword, &In<&S::CoBackii>},
    {Setting::CoText, L"CoText", L"", RegDword, &In<&S::CoText>},
    {Setting::CoTextSe, L"CoTextSe", L"", RegDword, &In<&S::CoTextSe>},
    {Setting::DoubleC, L"DoubleC", L"", RegDword, &In<&S::DoubleC>},
}};

constexpr bool InOrder() {
    for (std::size_t i = 0; i < Table.size(); ++i) {
        if (static_cast<std::size_t>(Table[i].Id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(InOrder(), "the table is indexed by Setting");

}  // namespace schema

constexpr const SettingValue& SchemaOf(Setting id) {
    return schema::Table[static_cast<std::size_t>(id)];
}

// The field of an integer value other than Position.
inline std::int32_t& IntFieldOf(Setting id, TabSettings& settings) {
    return std::get<SettingValue::IntField>(SchemaOf(id).Field)(settings);
}

// Puts a number into the field of an integer value, Position included; a text value is left.
inline void SetIntSetting(Setting id, TabSettings& settings, std::int32_t value) {
    std::visit(
        [&](auto field) {
            auto& target = field(settings);
            using Target = std::remove_reference_t<decltype(target)>;
            if constexpr (!std::is_same_v<Target, std::wstring>) {
                target = static_cast<Target>(value);
            }
        },
        SchemaOf(id).Field);
}

// The full key path of a value below HKEY_CURRENT_USER.
std::wstring KeyPathOf(Setting id);

// Reads one value of that registry into its field (GetRegValue); false when it cannot be read,
// the field then unchanged.
bool ReadSetting(RegistryApi& api, Setting id, TabSettings& settings);

// Writes one value with its registry type (SetRegValue); an integer for a text value is written
// as its decimal digits.
bool WriteSetting(RegistryApi& api, Setting id, std::int32_t value);
bool WriteSetting(RegistryApi& api, Setting id, const std::wstring& value);

}  // namespace morvane
