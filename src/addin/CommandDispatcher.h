#pragma once
// The commands of the menu entries and the tab context menus, chosen by the clicked control's
// Parameter: the host's file commands, closing and saving windows, renaming a project's file,
// opening its folder, locking it, the options dialog and the help page. The backstage's tasks
// run here too, so that both show or hide the bar and open the pages alike.

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "addin/Backstage.h"
#include "addin/CommandPorts.h"
#include "addin/FileNameRules.h"
#include "host/CommandBars.h"
#include "addin/state/HandleCollection.h"
#include "addin/state/AddinState.h"
#include "addin/tabbar/TabBarWindow.h"
#include "host/HostApp.h"
#include "shared/TabSettings.h"

namespace morvane {

// What the commands work with, owned by the connection; every function must be given.
struct CommandParts {
    HostApp& host;
    TabSettings& settings;
    CommandWindows& windows;
    CommandFiles& files;
    CommandShell& shell;
    CommandDialogs& dialogs;
    // The project windows' handles in tab order.
    const HandleCollection& childHandles;
    // The host's window objects by their window handle's decimal text: which project a
    // window shows.
    const std::map<std::wstring, HostWindowPtr>& projectWindows;
    std::set<std::wstring, NoCaseLess>& lockedProjects;
    bool& updating;
    // The connection was switched off: a command stops at its next step, also when a dialog
    // or a host call returns.
    const bool& ending;
    // The tab bar while the client window is hooked; nullptr otherwise.
    std::function<TabBarWindow*()> tabBar;
    std::function<void()> reframeClient;
    // Stores TabShow in the registry.
    std::function<void(std::int32_t tabShow)> writeTabShow;
    // Redraws the ribbon's parts that show whether the bar is shown.
    std::function<void()> invalidateRibbon;
    std::function<std::wstring(const std::wstring& key, const std::wstring& text)> text;
    // The help page's and the support page's addresses.
    std::wstring helpPage;
    std::wstring supportPage;
};

class CommandDispatcher {
  public:
    explicit CommandDispatcher(CommandParts parts);

    // oBtnPupPro_Click: runs the command the clicked control's Parameter names (exactly, case
    // included); an unknown Parameter does nothing.
    void OnClick(const CommandBarControlPtr& clicked);
    // pr_OnAction: runs a backstage task.
    void OnTask(Backstage::Action task);

  private:
    bool Standing() const { return !parts_.ending; }
    void ShowOrHide(CommandBarControl& clicked);
    // TabShow set and stored, the bar shown or hidden, the ribbon's image redrawn.
    void SetTabShow(std::int32_t tabShow);
    void Close();
    void SaveAll();
    void Rename();
    // The full name to save the project under, in `folder` (separator included) with the old
    // extension, spelled as Windows names the file: asked until the user gives a name that can
    // be saved and that no other file and no other open project has. Empty when the user
    // cancels or keeps the name (in other letters' case, or in another spelling of the
    // project's own file).
    std::wstring AskNewFullName(const std::wstring& folder, const SplitName& name,
                                const std::optional<FileIdentity>& oldFile);
    // True when an open project has a full name the file system takes for this one.
    bool IsOpenProjectsName(const std::wstring& fullName) const;
    // After the host answered that it saved the project under `newFullName`: the old file
    // deleted when the project now lives in the new file, and the user told what became of
    // the old file. False when the rename ends on an error, without a refresh.
    bool SettleOldFile(const HostProject& project, const std::wstring& oldFullName,
                       const std::optional<FileIdentity>& oldFile, const std::wstring& newFullName);
    // The old file deleted; what is known of it told when that fails. False on an error.
    bool DeleteOldFile(const std::wstring& oldFullName);
    // The text of `key` in the user's language, then the file's full name, then the reason when
    // one is given.
    void ShowAboutFile(const std::wstring& key, const std::wstring& text,
                       const std::wstring& fullName, const std::wstring& reason = L"");
    // Why a typed name is refused, in the user's language.
    std::wstring FaultText(NameFault fault) const;
    void CloseWindows(bool keepActive);
    // True when the project of every one of these windows is saved; a window whose project
    // cannot be told counts as unsaved.
    bool AllSaved(const std::vector<WindowHandle>& windows) const;
    void OpenFolder();
    void Lock(CommandBarControl& clicked);
    // The tabs rebuilt under the busy flag; then `whileBusy`, still under it. Nothing once the
    // connection was switched off.
    void Refresh(const std::function<void()>& whileBusy = {});

    CommandParts parts_;
};

}  // namespace morvane
