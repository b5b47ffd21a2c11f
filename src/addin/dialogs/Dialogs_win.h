#pragma once
// The four dialogs, each shown modally over an owner (Project's main window; nullptr: none)
// for one answer. Each writes its answer to `results` on every way out and returns it too.
// Texts come from `texts` (see LanguageTexts), with the dialogs' English texts as defaults.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "addin/dialogs/DialogResults.h"
#include "addin/dialogs/FormDesign.h"
#include "host/HostApp.h"
#include "shared/RegistryApi.h"
#include "shared/TabSettings.h"

namespace morvane::dialogs {

// frmCloseMsg: close all tabs, the current tab, or nothing (CloseChoice). The check box, ticked
// with either close button, writes ExitInfor = 1 to `registry` and sets it in `settings`.
std::int32_t ShowCloseMsg(HWND owner, const TextLookup& texts, RegistryApi& registry,
                          TabSettings& settings, DialogResults& results);

// frmLock: true when the user unlocks (Unlocked). Mode 1 names `projectName`, the project about
// to be closed or saved. `openHelp` opens the help page; none opens HelpPage beside this module.
bool ShowLock(HWND owner, const TextLookup& texts, std::int32_t lockMode,
              std::optional<std::wstring> projectName, DialogResults& results,
              std::function<void()> openHelp = {});

// The host's active project's name; none when the host cannot say.
std::optional<std::wstring> ActiveProjectName(const HostApp* host);

// frmRename: the new base name, empty when cancelled (NewFileName). `prompt` replaces the
// form's own; `currentName` fills the edit box, all selected.
std::wstring ShowRename(HWND owner, const TextLookup& texts, std::optional<std::wstring> prompt,
                        std::wstring currentName, DialogResults& results);

// frmMessage: shows `infor` until OK or the close box.
void ShowMessage(HWND owner, const TextLookup& texts, std::wstring infor);

// The help page beside this module; none when the module's folder is unknown.
std::optional<std::wstring> HelpPageAddress();

// Opens the help page beside this module in the default browser.
void OpenHelpPage(HWND owner);

}  // namespace morvane::dialogs
