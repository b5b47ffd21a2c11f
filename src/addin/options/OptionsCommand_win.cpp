#include "addin/options/OptionsCommand_win.h"

#include "addin/options/OptionsDialog_win.h"
#include "addin/options/TabBarLiveApply_win.h"
#include "addin/tabbar/TabBarGlobals.h"
#include "addin/tabbar/mdSubClass_win.h"
#include "addin/tabbar/mdxlMainHwndSubClass_win.h"
#include "shared/LoadSettings.h"
#include "shared/mdLang.h"
#include "shared/mdPub.h"
#include "shared/mdReg.h"

namespace morvane {

void OpenOptionsDialog(OptionsPage page) {
    const auto registry = mdReg::Registry;
    if (!registry) {
        return;
    }
    // Every opening shows what the registry holds now, also what the settings center changed.
    mdPub::LoadSettings();
    HostApp* host = mdPub::HostApp.get();

    RunningAddin addin;
    addin.bar = mdSubClass::TabBarForm();
    addin.hotKeys = mdxlMainHwndSubClass::HotKeys();
    addin.host = host;
    addin.placementPending = &PlacementPending;
    addin.tabBarSize = &TabBarSize;
    addin.reframeClient = mdSubClass::ReframeClient;
    TabBarLiveApply live(std::move(addin));

    const std::wstring captionSection = OptionsCaptionSection(
        mdLang::LangSection, static_cast<std::int32_t>(GetSystemDefaultLCID()));
    OptionsDialogParts parts{
        mdPub::Settings,
        mdPub::OfficeTheme,
        *registry,
        live,
        mdPub::HostVersion,
        dialogs::LanguageTexts(mdLang::LangFile, mdLang::LangSection),
        dialogs::LanguageTexts(mdLang::LangFile, captionSection),
        host ? host->ShowWindowsInTaskbar() : std::nullopt,
        {},
    };
    ShowOptionsDialog(reinterpret_cast<HWND>(mdPub::hMainWnd), std::move(parts), page);
}

}  // namespace morvane
