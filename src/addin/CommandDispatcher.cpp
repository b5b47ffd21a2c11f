#include "addin/CommandDispatcher.h"

#include <algorithm>
#include <vector>

#include "addin/state/ScopedFlag.h"
#include "host/MenuBars.h"

namespace morvane {

namespace {

constexpr const wchar_t* NeverSavedText = L"Please save this Workbook before you can do it.";

}  // namespace

CommandDispatcher::CommandDispatcher(CommandParts parts) : parts_(std::move(parts)) {}

void CommandDispatcher::OnClick(const CommandBarControlPtr& clicked) {
    if (!clicked || !Standing()) {
        return;
    }
    const std::wstring command = clicked->Parameter().value_or(L"");
    auto& host = parts_.host;
    if (command == L"show_Project") {
        ShowOrHide(*clicked);
    } else if (command == L"Close_Project") {
        Close();
    } else if (command == L"Save_Project") {
        host.FileSave();
    } else if (command == L"Open") {
        host.FileOpen();
    } else if (command == L"SaveAll_Project") {
        SaveAll();
    } else if (command == L"SaveAs_Project") {
        host.FileSaveAs();
    } else if (command == L"Rename_Project") {
        Rename();
    } else if (command == L"CloseOther_Project") {
        CloseWindows(true);
    } else if (command == L"CloseAll_Project") {
        CloseWindows(false);
    } else if (command == L"OpenDir_Project") {
        OpenFolder();
    } else if (command == L"Option_Project") {
        parts_.dialogs.ShowOptions(OptionsPage::PopularPosition);
    } else if (command == L"About") {
        parts_.dialogs.ShowOptions(OptionsPage::About);
    } else if (command == L"Lock_Project") {
        Lock(*clicked);
    } else if (command == L"New_Project") {
        host.FileNew();
    } else if (command == L"Help") {
        parts_.shell.OpenPage(parts_.helpPage);
    }
}

void CommandDispatcher::OnTask(Backstage::Action task) {
    if (!Standing()) {
        return;
    }
    switch (task) {
        case Backstage::Action::ToggleBar:
            SetTabShow(parts_.settings.TabShow != 0 ? 0 : 1);
            break;
        case Backstage::Action::Options:
            parts_.dialogs.ShowOptions(OptionsPage::PopularPosition);
            break;
        case Backstage::Action::Help:
            parts_.shell.OpenPage(parts_.helpPage);
            break;
        case Backstage::Action::Contact:
            parts_.shell.OpenPage(parts_.supportPage);
            break;
        case Backstage::Action::None:
            break;
    }
}

// The button's State, not TabShow, decides the direction.
void CommandDispatcher::ShowOrHide(CommandBarControl& clicked) {
    if (clicked.State() == msoButtonDown) {
        clicked.SetState(msoButtonUp);
        SetTabShow(1);
    } else {
        clicked.SetState(msoButtonDown);
        SetTabShow(0);
    }
}

void CommandDispatcher::SetTabShow(std::int32_t tabShow) {
    parts_.settings.TabShow = tabShow;
    parts_.writeTabShow(tabShow);
    parts_.reframeClient();
    if (Standing()) {
        parts_.invalidateRibbon();
    }
}

void CommandDispatcher::Close() {
    const WindowHandle active = parts_.windows.ActiveChild();
    if (active != 0) {
        parts_.windows.PostClose(active);
    }
}

void CommandDispatcher::SaveAll() {
    const WindowHandle active = parts_.windows.ActiveChild();
    for (const auto& project : parts_.host.Projects().value_or(std::vector<HostProjectPtr>{})) {
        if (!Standing()) {
            return;
        }
        if (project && project->Activate()) {
            parts_.host.FileSave();
        }
    }
    Refresh([&] {
        if (active != 0) {
            parts_.windows.PostActivate(active);
        }
    });
}

void CommandDispatcher::Rename() {
    const HostProjectPtr project = parts_.host.ActiveProject();
    if (!project) {
        return;
    }
    const std::wstring folder = project->Path().value_or(L"");
    if (folder.empty()) {
        parts_.dialogs.Alert(NeverSavedText);
        return;
    }
    const auto oldFullName = project->FullName();
    if (!oldFullName) {
        return;
    }
    if (parts_.lockedProjects.contains(*oldFullName)) {
        parts_.shell.Beep();
        if (!parts_.dialogs.AskUnlock(project->Name().value_or(*oldFullName)) || !Standing()) {
            return;
        }
        parts_.lockedProjects.erase(*oldFullName);
    }
    const std::wstring separator = parts_.host.PathSeparator().value_or(L"\\");
    const SplitName name = SplitAtLastDot(FileNameOf(*oldFullName, separator));
    const std::optional<FileIdentity> oldFile = parts_.files.Identity(*oldFullName);
    const std::wstring newFullName = AskNewFullName(FolderPrefix(folder, separator), name, oldFile);
    if (newFullName.empty()) {
        Refresh();
        return;
    }
    // A refused save keeps the old file; the host's own words say why. Switched off while the
    // host saved, the old file stays: nothing is deleted after the switch-off.
    const HostResult saved = project->SaveAs(newFullName);
    if (!Standing()) {
        return;
    }
    if (!saved.ok) {
        parts_.dialogs.ShowMessage(
            !saved.error.empty()
                ? saved.error
                : parts_.text(L"RenameSaveFailed", L"The project could not be saved as:") + L" " +
                      newFullName);
        return;
    }
    if (SettleOldFile(*project, *oldFullName, oldFile, newFullName)) {
        Refresh();
    }
}

bool CommandDispatcher::SettleOldFile(const HostProject& project, const std::wstring& oldFullName,
                                      const std::optional<FileIdentity>& oldFile,
                                      const std::wstring& newFullName) {
    // Without the project's full name nothing tells where the host saved it: both files stay.
    const auto projectFullName = project.FullName();
    if (!projectFullName) {
        ShowAboutFile(L"RenameNotChecked",
                      L"The project was saved, but where it is now could not be checked, so its "
                      L"old file is kept:",
                      oldFullName);
        return true;
    }
    switch (OutcomeOfSave(parts_.files.Identity(*projectFullName), oldFile,
                          parts_.files.Identity(newFullName))) {
        case RenameOutcome::DeleteOld:
            return DeleteOldFile(oldFullName);
        case RenameOutcome::NotMoved:
            ShowAboutFile(L"RenameNotMoved",
                          L"The project was not saved under its new name, so its file is kept:",
                          oldFullName);
            break;
        case RenameOutcome::NoNewFile:
            ShowAboutFile(L"RenameNoNewFile",
                          L"The new name does not lead to a new file, so the old file is kept:",
                          oldFullName);
            break;
        case RenameOutcome::NoOldFile:
            break;
    }
    return true;
}

bool CommandDispatcher::DeleteOldFile(const std::wstring& oldFullName) {
    const auto error = parts_.files.Delete(oldFullName);
    if (!error) {
        return true;
    }
    // The delete's failure alone does not say whether the file is still there: it may have
    // gone meanwhile, which is no fault.
    switch (parts_.files.Exists(oldFullName).answer) {
        case Existence::Answer::Absent:
            ShowAboutFile(L"RenameOldFileGone",
                          L"The project is saved under its new name, and its old file is gone "
                          L"already:",
                          oldFullName);
            return true;
        case Existence::Answer::Present:
            ShowAboutFile(L"RenameOldFileKept",
                          L"The project is saved under its new name, but its old file could not "
                          L"be deleted and is kept:",
                          oldFullName, *error);
            break;
        case Existence::Answer::Unknown:
            ShowAboutFile(L"RenameOldFileUnknown",
                          L"The project is saved under its new name, but its old file could not "
                          L"be deleted, and Windows cannot tell whether it is still there:",
                          oldFullName, *error);
            break;
    }
    return false;
}

std::wstring CommandDispatcher::AskNewFullName(const std::wstring& folder, const SplitName& name,
                                               const std::optional<FileIdentity>& oldFile) {
    const std::wstring prompt =
        parts_.text(L"InputFileName",
                    L"Please Input the new filename(Does not contain the file name suffix) to "
                    L"rename Current Project.");
    std::wstring typed = name.base;
    // Each message and each prompt may be answered after a switch-off.
    while (Standing()) {
        typed = parts_.dialogs.AskNewName(prompt, typed);
        if (!Standing() || typed.empty() || parts_.files.SameName(typed, name.base)) {
            return L"";
        }
        // The file is judged by the name Windows gives it: a trailing dot or blank goes.
        const std::wstring fileName = NameWindowsUses(typed + name.extension);
        if (parts_.files.SameName(fileName, name.base + name.extension)) {
            return L"";
        }
        const std::wstring fullName = folder + fileName;
        if (const auto fault = FaultOfNewName(typed, fileName, fullName)) {
            parts_.dialogs.ShowMessage(FaultText(*fault));
            continue;
        }
        const Existence existence = parts_.files.Exists(fullName);
        if (existence.answer == Existence::Answer::Unknown) {
            ShowAboutFile(L"RenameExistsUnknown",
                          L"Windows cannot tell whether another file has this name, so the "
                          L"project is not saved under it:",
                          fullName, existence.reason);
            continue;
        }
        if (existence.answer == Existence::Answer::Present) {
            // Another spelling of the project's own file (its short name, say).
            if (oldFile && parts_.files.Identity(fullName) == oldFile) {
                return L"";
            }
            ShowAboutFile(L"RenameFileExists",
                          L"Another file already has this name, so the project is not saved over "
                          L"it:",
                          fullName);
            continue;
        }
        // A project not saved since it was named has no file yet; a save of it would write
        // over the renamed one.
        if (IsOpenProjectsName(fullName)) {
            ShowAboutFile(L"RenameProjectOpen",
                          L"Another open project already has this name, so the project is not "
                          L"renamed to it:",
                          fullName);
            continue;
        }
        return fullName;
    }
    return L"";
}

bool CommandDispatcher::IsOpenProjectsName(const std::wstring& fullName) const {
    const auto projects = parts_.host.Projects().value_or(std::vector<HostProjectPtr>{});
    return std::ranges::any_of(projects, [&](const HostProjectPtr& project) {
        const auto name = project ? project->FullName() : std::nullopt;
        return name && parts_.files.SameName(*name, fullName);
    });
}

void CommandDispatcher::ShowAboutFile(const std::wstring& key, const std::wstring& text,
                                      const std::wstring& fullName, const std::wstring& reason) {
    std::wstring message = parts_.text(key, text) + L" " + fullName;
    if (!reason.empty()) {
        message += L"\n" + reason;
    }
    parts_.dialogs.ShowMessage(message);
}

std::wstring CommandDispatcher::FaultText(NameFault fault) const {
    switch (fault) {
        case NameFault::Device:
            return parts_.text(L"RenameDeviceName",
                               L"Windows keeps this name for a device (CON, PRN, AUX, NUL, COM1 to "
                               L"COM9, LPT1 to LPT9), so it cannot name a file. Please choose "
                               L"another name.");
        case NameFault::TooLong:
            return parts_.text(L"RenameTooLong",
                               L"This name is too long: with its folder it is longer than the full "
                               L"name of a file may be. Please choose a shorter name.");
        case NameFault::Characters:
            break;
    }
    return parts_.text(L"InvalidFileName",
                       L"A file name cannot contain any of the characters \\ / : * ? \" < > | "
                       L"and cannot be only blanks and dots.");
}

void CommandDispatcher::CloseWindows(bool keepActive) {
    // Closing a window takes its handle out of the collection: walk a copy. The windows judged
    // below are the ones closed.
    std::vector<WindowHandle> closing = parts_.childHandles.Items();
    if (keepActive) {
        std::erase(closing, parts_.windows.ActiveChild());
    }
    // Unsaved work keeps the host's questions: the alerts go off only when nothing is lost.
    const bool alertsOff = AllSaved(closing) && parts_.host.SetAlerts(false);
    for (const WindowHandle handle : closing) {
        if (!Standing()) {
            break;
        }
        parts_.windows.SendClose(handle);
    }
    Refresh();
    // Also after a switch-off: the host must not be left without its questions.
    if (alertsOff) {
        parts_.host.SetAlerts(true);
    }
}

bool CommandDispatcher::AllSaved(const std::vector<WindowHandle>& windows) const {
    return std::ranges::all_of(windows, [&](WindowHandle handle) {
        const auto known = parts_.projectWindows.find(HandleText(handle));
        const HostProjectPtr project = known != parts_.projectWindows.end() && known->second
                                           ? known->second->Project()
                                           : nullptr;
        return project && project->Saved() == true;
    });
}

void CommandDispatcher::OpenFolder() {
    const HostProjectPtr project = parts_.host.ActiveProject();
    const auto fullName = project ? project->FullName() : std::nullopt;
    if (fullName) {
        parts_.shell.StartWindowsProgram(ExplorerProgram, OpenFolderArguments(*fullName));
    }
}

void CommandDispatcher::Lock(CommandBarControl& clicked) {
    TabBarWindow* bar = parts_.tabBar();
    TabStrip* strip = bar ? bar->Strip() : nullptr;
    const std::int32_t selected = strip ? strip->SelectedIndex() : -1;
    if (selected < 0) {
        return;
    }
    const std::wstring key = strip->ToolTip(selected);
    if (clicked.State() == msoButtonDown) {
        clicked.SetState(msoButtonUp);
        parts_.lockedProjects.erase(key);
    } else {
        clicked.SetState(msoButtonDown);
        parts_.lockedProjects.insert(key);
    }
    Refresh();
}

void CommandDispatcher::Refresh(const std::function<void()>& whileBusy) {
    if (!Standing()) {
        return;
    }
    const ScopedFlag busy(parts_.updating);
    if (TabBarWindow* bar = parts_.tabBar()) {
        bar->UpdateMenu();
    }
    if (whileBusy) {
        whileBusy();
    }
}

}  // namespace morvane
