// The settings center's start-up: its language, the Office it finds, Project's DEP switch, its
// settings and the add-in's registration, then its window until it closes. One source for both
// programs; the elevated build is compiled with MORVANE_CENTER_ELEVATED.

#include <windows.h>

#include <string>

#include "center/CenterStartup.h"
#include "center/frmQorCenter_win.h"
#include "options/OptionsModel.h"
#include "options/ScreenFonts_win.h"
#include "options/SystemKeyNamer_win.h"
#include "shared/Com_win.h"
#include "shared/MsXmlReader_win.h"
#include "shared/WinRegistry_win.h"
#include "shared/WinSystem_win.h"
#include "shared/mdLang.h"
#include "shared/mdLang_win.h"
#include "shared/mdPub.h"

namespace morvane::center {

namespace {

#ifdef MORVANE_CENTER_ELEVATED
constexpr bool kElevated = true;
#else
constexpr bool kElevated = false;
#endif

// What the program knows for its whole run.
struct CenterState {
    mdLang::Language Lang;
    std::wstring OfficeVersion;
    TabSettings Settings;
    std::int32_t OfficeTheme = 2;
};

// The texts follow the system's default locale, from the language file beside the program.
void InitLanguage(CenterState& state) {
    try {
        state.Lang.SetXmlReader(MakeMsXmlReader());
    } catch (...) {
        // Every text is then its default.
    }
    state.Lang.LangSection = mdLang::SectionFor(static_cast<std::int32_t>(GetSystemDefaultLCID()));
    if (const auto folder = mdLang::ModuleFolder()) {
        state.Lang.LangFile = mdLang::FileIn(*folder);
    }
}

void Main() {
    const com::Apartment apartment;
    CenterState state;
    InitLanguage(state);
    WinRegistry registry;
    const WinSystem system;
    state.OfficeVersion = OfficeVersionOf(registry);
    TurnOffProjectDep(registry);
    LoadSettings(registry, state.Settings,
                 {mdPub::DefaultFontSize(&system), mdPub::SystemFontName(&system)});

    const dialogs::TextLookup texts =
        dialogs::LanguageTexts(state.Lang, state.Lang.LangFile, state.Lang.LangSection);
    const SystemKeyNamer keys;
    const ScreenFonts fonts;
    OptionsModel model(DialogContext{DialogKind::Center, state.OfficeVersion}, state.Settings,
                       state.OfficeTheme, registry, texts, keys, fonts, std::nullopt);
    ShowCenter(model, texts, kElevated);
}

}  // namespace

}  // namespace morvane::center

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        morvane::center::Main();
    } catch (...) {
        return 1;
    }
    return 0;
}
