#include "addin/dialogs/Dialogs_win.h"

#include "addin/dialogs/ModalDialog_win.h"
#include "addin/dialogs/frmCloseMsg.h"
#include "addin/dialogs/frmLock.h"
#include "addin/dialogs/frmMessage.h"
#include "addin/dialogs/frmRename.h"
#include "shared/Browser_win.h"
#include "shared/WebPages.h"
#include "shared/mdLang_win.h"

namespace morvane::dialogs {

std::optional<std::wstring> ActiveProjectName(const HostApp* host) {
    if (!host) {
        return std::nullopt;
    }
    const HostProjectPtr project = host->ActiveProject();
    return project ? project->Name() : std::nullopt;
}

namespace {

// A dialog that could not be shown answers as cancelled, never with an earlier answer.
void ShowOrCancel(Form& form, HWND owner) {
    if (!ShowModal(form, owner)) {
        form.Form_QueryUnload();
    }
}

}  // namespace

std::int32_t ShowCloseMsg(HWND owner, const TextLookup& texts, RegistryApi& registry,
                          TabSettings& settings, DialogResults& results) {
    frmCloseMsg form(texts, registry, settings, results);
    ShowOrCancel(form, owner);
    return results.CloseChoice;
}

bool ShowLock(HWND owner, const TextLookup& texts, std::int32_t lockMode,
              std::optional<std::wstring> projectName, DialogResults& results,
              std::function<void()> openHelp) {
    if (!openHelp) {
        openHelp = [owner] { OpenHelpPage(owner); };
    }
    frmLock form(texts, std::move(projectName), std::move(openHelp), results);
    form.SetLockMode(lockMode);
    ShowOrCancel(form, owner);
    return results.Unlocked;
}

std::wstring ShowRename(HWND owner, const TextLookup& texts, std::optional<std::wstring> prompt,
                        std::wstring currentName, DialogResults& results) {
    frmRename form(texts, std::move(prompt), std::move(currentName), results);
    ShowOrCancel(form, owner);
    return results.NewFileName;
}

void ShowMessage(HWND owner, const TextLookup& texts, std::wstring infor) {
    frmMessage form(texts, std::move(infor));
    ShowModal(form, owner);
}

std::optional<std::wstring> HelpPageAddress() {
    const std::optional<std::wstring> folder = mdLang::ModuleFolder();
    if (!folder) {
        return std::nullopt;
    }
    return *folder + L"\\" + std::wstring(HelpPage);
}

void OpenHelpPage(HWND owner) {
    if (const auto page = HelpPageAddress()) {
        OpenInBrowser(*page, owner);
    }
}

}  // namespace morvane::dialogs
