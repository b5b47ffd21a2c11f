#include "addin/options/OptionsCommand_win.h"
#include "addin/MenuCommands_win.h"

#include "addin/dialogs/Dialogs_win.h"
#include "shared/SettingsSchema.h"
#include "shared/Trace.h"
#include "shared/WebPages.h"

namespace morvane {

namespace {

std::shared_ptr<CommandShell> ShellOrReal(std::shared_ptr<CommandShell> shell) {
    return shell ? std::move(shell) : std::make_shared<Win32CommandShell>();
}

std::wstring HelpAddress() {
    return dialogs::HelpPageAddress().value_or(L"");
}

std::shared_ptr<CommandDialogs> DialogsOrReal(std::shared_ptr<CommandDialogs> dialogs,
                                              AddinState& state, TabBarHooks& hooks,
                                              CommandShell& shell) {
    if (dialogs) {
        return dialogs;
    }
    return std::make_shared<ModalCommandDialogs>(
        state.hMainWnd,
        dialogs::LanguageTexts(state.Lang, state.Lang.LangFile, state.Lang.LangSection),
        [&shell, help = HelpAddress()] { shell.OpenPage(help); },
        [&state, &hooks](OptionsPage page) { OpenOptionsDialog(state, hooks, page); });
}

}  // namespace

MenuCommands::MenuCommands(AddinState& state, TabBarHooks& hooks, CommandSeams seams)
    : windows_(state.hMDIClient),
      shell_(ShellOrReal(std::move(seams.shell))),
      dialogs_(DialogsOrReal(std::move(seams.dialogs), state, hooks, *shell_)),
      dispatcher_(CommandParts{
          .host = *state.HostApp,
          .settings = state.Settings,
          .windows = windows_,
          .files = files_,
          .shell = *shell_,
          .dialogs = *dialogs_,
          .childHandles = state.ChildHandles,
          .projectWindows = state.ProjectWindows,
          .lockedProjects = state.LockedProjects,
          .updating = state.Updating,
          .ending = state.Ending,
          .tabBar = [&hooks] { return hooks.client.TabBarForm(); },
          .reframeClient = [&hooks] { hooks.client.ReframeClient(); },
          .writeTabShow =
              [&state](std::int32_t tabShow) {
                  if (state.Registry) {
                      WriteSetting(*state.Registry, Setting::TabShow, tabShow);
                  }
              },
          // The ribbon comes with the backstage tab; until then there is none to redraw.
          .invalidateRibbon = [&state] { InvalidateRibbon(state); },
          .text = [&state](const std::wstring& key,
                           const std::wstring& text) { return state.Lang.Text(key, text); },
          .helpPage = HelpAddress(),
          .supportPage = std::wstring(SupportPage),
      }) {}

bool MenuCommands::ConnectClicks(CommandBarControl& button) {
    clicks_ = button.OnClick([this](const CommandBarControlPtr& clicked, bool&) {
        // Nothing may reach the host's event call.
        try {
            dispatcher_.OnClick(clicked);
        } catch (...) {
            TraceException(L"a menu command");
        }
    });
    return clicks_ != nullptr;
}

}  // namespace morvane
