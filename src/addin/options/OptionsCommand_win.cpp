#include "addin/options/OptionsCommand_win.h"

#include "addin/options/OptionsDialog_win.h"
#include "addin/options/TabBarLiveApply_win.h"
#include "shared/LoadSettings.h"

namespace morvane {

void OpenOptionsDialog(AddinState& state, TabBarHooks& hooks, OptionsPage page) {
    if (!state.Registry) {
        return;
    }
    // Every opening shows what the registry holds now, also what the settings center changed.
    mdPub::LoadSettings(*state.Registry, state.System.get(), state.Settings, state.HostVersion.Text,
                        state.OfficeTheme);
    HostApp* host = state.HostApp.get();

    RunningAddin addin;
    addin.bar = hooks.client.TabBarForm();
    addin.hotKeys = hooks.main.HotKeys();
    addin.host = host;
    addin.placementPending = &state.PlacementPending;
    addin.tabBarSize = &state.TabBarSize;
    addin.reframeClient = [&hooks] { hooks.client.ReframeClient(); };
    TabBarLiveApply live(std::move(addin));

    const std::wstring captionSection = OptionsCaptionSection(
        state.Lang.LangSection, static_cast<std::int32_t>(GetSystemDefaultLCID()));
    OptionsDialogParts parts{
        state.Settings,
        state.OfficeTheme,
        *state.Registry,
        live,
        state.HostVersion.Text,
        dialogs::LanguageTexts(state.Lang, state.Lang.LangFile, state.Lang.LangSection),
        dialogs::LanguageTexts(state.Lang, state.Lang.LangFile, captionSection),
        host ? host->ShowWindowsInTaskbar() : std::nullopt,
        {},
    };
    ShowOptionsDialog(reinterpret_cast<HWND>(state.hMainWnd), std::move(parts), page);
}

}  // namespace morvane
