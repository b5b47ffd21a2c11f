#include "center/CenterStartup.h"

#include "shared/AddinKeys.h"
#include "shared/SettingsSchema.h"
#include "shared/mdReg.h"

namespace morvane::center {

namespace {

constexpr wchar_t kOffice14Common[] = L"SOFTWARE\\Microsoft\\Office\\14.0\\Common";
constexpr wchar_t kOffice12Common[] = L"SOFTWARE\\Microsoft\\Office\\12.0\\Common";
constexpr wchar_t kOfficeCommon[] = L"SOFTWARE\\Microsoft\\Office\\Common";
// Always Project 2010's key, whichever Office was found.
constexpr wchar_t kProjectSecurity[] = L"SOFTWARE\\Microsoft\\Office\\14.0\\Project\\Security";
constexpr wchar_t kEnableDep[] = L"EnableDEP";

void ReadOr(RegistryApi& registry, Setting id, TabSettings& settings, std::int32_t fallback) {
    if (!ReadSetting(registry, id, settings)) {
        SetIntSetting(id, settings, fallback);
    }
}

}  // namespace

bool RegKeyExists(RegistryApi& registry, RootKey root, const std::wstring& keyPath) {
    const auto key = registry.OpenRead(root, registry.ToAnsi(keyPath));
    if (!key) {
        return false;
    }
    registry.Close(*key);
    return true;
}

std::wstring OfficeVersionOf(RegistryApi& registry) {
    if (RegKeyExists(registry, RootKey::CurrentUser, kOffice14Common)) {
        return L"14.0";
    }
    if (RegKeyExists(registry, RootKey::CurrentUser, kOffice12Common)) {
        return L"12.0";
    }
    return L"11.0";
}

void TurnOffProjectDep(RegistryApi& registry) {
    if (!RegKeyExists(registry, RootKey::CurrentUser, kOfficeCommon)) {
        return;
    }
    std::int32_t dep = 1;  // a missing value counts as on
    mdReg::GetRegValue(registry, RootKey::CurrentUser, kProjectSecurity, kEnableDep, dep);
    if (dep != 0) {
        mdReg::SetRegValue(registry, RootKey::CurrentUser, kProjectSecurity, kEnableDep,
                           mdReg::RegDword, 0);
    }
}

void LoadSettings(RegistryApi& registry, TabSettings& settings, const FontDefaults& fonts) {
    auto& s = settings;
    ReadOr(registry, Setting::Theme, s, 7);
    ReadOr(registry, Setting::EnabledApp, s, 0);
    for (const Setting kept :
         {Setting::Position,       Setting::FixWidth,      Setting::MaxWidth,
          Setting::TbLayout,       Setting::OneHide,       Setting::CusColor,
          Setting::CoSelect,       Setting::CoNormal,      Setting::CoBack,
          Setting::CoBackii,       Setting::CoText,        Setting::CoTextSe,
          Setting::DoubleC,        Setting::EnableTa,      Setting::EnableTi,
          Setting::EnableAlt,      Setting::ShowAll,       Setting::EnableReorder,
          Setting::EnableCreate,   Setting::EnableMiddle,  Setting::ExitInfor,
          Setting::EnableFontSize, Setting::EnableFontName}) {
        ReadSetting(registry, kept, s);
    }
    if (!ReadSetting(registry, Setting::HotKeyBarKeyName, s)) {
        s.HotKeyBar.KeyName = DefaultBarKeyName;
    }
    if (!ReadSetting(registry, Setting::HotKeyTabitKeyName, s)) {
        s.HotKeyTabit.KeyName = DefaultTabitKeyName;
    }
    ReadOr(registry, Setting::HotKeyBarKeyCode, s, 81);      // "Q"
    ReadOr(registry, Setting::HotKeyBarModKeyCode, s, 8);    // Win
    ReadOr(registry, Setting::HotKeyTabitKeyCode, s, 9);     // Tab
    ReadOr(registry, Setting::HotKeyTabitModKeyCode, s, 2);  // Ctrl

    // Every start registers the add-in again from the stored switch.
    WriteLoadBehavior(registry, LoaderAddinKey, LoadAtStartup);
    WriteLoadBehavior(registry, MorvaneAddinKey, s.EnabledApp == 0 ? LoadAtStartup : NotLoaded);

    // Text that is no number answers true and leaves the size as it was.
    if (s.EnableFontSize == 0 || !ReadSetting(registry, Setting::TabFontSize, s)) {
        s.TabFontSize = fonts.size;
    }
    if (s.EnableFontName == 0 || !ReadSetting(registry, Setting::TabFontName, s)) {
        s.TabFontName = fonts.name;
    }
}

}  // namespace morvane::center
