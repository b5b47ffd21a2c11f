#include "shared/LoadSettings.h"

#include "shared/SettingsSchema.h"
#include "shared/mdPub.h"

namespace morvane::mdPub {

namespace {

// A tab width outside 70 to 400, or one that cannot be read, means "not set".
void ReadWidth(RegistryApi& registry, TabSettings& Settings, Setting id, std::int32_t& field) {
    if (!ReadSetting(registry, id, Settings) || field < 70 || field > 400) {
        field = 0;
    }
}

void ReadOr(RegistryApi& registry, TabSettings& Settings, Setting id, std::int32_t& field,
            std::int32_t fallback) {
    if (!ReadSetting(registry, id, Settings)) {
        field = fallback;
    }
}

void ReadOr(RegistryApi& registry, TabSettings& Settings, Setting id, std::wstring& field,
            std::wstring_view fallback) {
    if (!ReadSetting(registry, id, Settings)) {
        field = fallback;
    }
}

}  // namespace

void LoadSettings(RegistryApi& registry, const SystemApi* system, TabSettings& Settings,
                  const std::wstring& HostVersion, std::int32_t& OfficeTheme) {
    auto& s = Settings;
    ReadWidth(registry, s, Setting::FixWidth, s.FixWidth);
    ReadWidth(registry, s, Setting::MaxWidth, s.MaxWidth);
    ReadOr(registry, s, Setting::OneHide, s.OneHide, 0);
    s.OneHide = s.OneHide != 0 ? 1 : 0;
    ReadOr(registry, s, Setting::Theme, s.Theme, 7);

    for (const Setting kept :
         {Setting::EnableFontSize, Setting::EnableFontName, Setting::TbLayout,
          Setting::EnableAlt,      Setting::EnableTa,       Setting::EnableTi,
          Setting::EnableReorder,  Setting::EnableCreate,   Setting::EnableMiddle,
          Setting::ShowAll,        Setting::DoubleC,        Setting::TabShow,
          Setting::Position,       Setting::CusColor,       Setting::CoSelect,
          Setting::CoNormal,       Setting::CoBack,         Setting::CoBackii,
          Setting::CoText,         Setting::CoTextSe,       Setting::ExitInfor}) {
        ReadSetting(registry, kept, s);
    }

    // Text that is no number answers true and leaves the size as it was.
    if (s.EnableFontSize == 0 || !ReadSetting(registry, Setting::TabFontSize, s)) {
        s.TabFontSize = DefaultFontSize(system);
    }
    if (s.EnableFontName == 0 || !ReadSetting(registry, Setting::TabFontName, s)) {
        s.TabFontName = SystemFontName(system);
    }

    ReadOr(registry, s, Setting::HotKeyBarKeyName, s.HotKeyBar.KeyName, DefaultBarKeyName);
    ReadOr(registry, s, Setting::HotKeyTabitKeyName, s.HotKeyTabit.KeyName, DefaultTabitKeyName);
    ReadOr(registry, s, Setting::HotKeyBarKeyCode, s.HotKeyBar.KeyCode, 81);           // "Q"
    ReadOr(registry, s, Setting::HotKeyBarModKeyCode, s.HotKeyBar.ModKeyCode, 8);      // Win
    ReadOr(registry, s, Setting::HotKeyTabitKeyCode, s.HotKeyTabit.KeyCode, 9);        // Tab
    ReadOr(registry, s, Setting::HotKeyTabitModKeyCode, s.HotKeyTabit.ModKeyCode, 2);  // Ctrl

    if (HostVersion == L"14.0" &&
        !mdReg::GetRegValue(registry, RootKey::CurrentUser, std::wstring(OfficeThemeKey),
                            std::wstring(OfficeThemeValue), OfficeTheme)) {
        OfficeTheme = 2;
    }
}

}  // namespace morvane::mdPub
