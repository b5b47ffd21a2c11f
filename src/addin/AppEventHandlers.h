#pragma once
// What the add-in does on Project's application events: refresh the tabs, record the host's
// window objects, re-frame the client window when the bar may appear or vanish, mark the
// selected tab of an unsaved project, hold locked projects back from closing and saving, ask
// before the host closes several windows, and run the exit work-around of host "12.0" on
// Windows "6.1". The COM sink decodes the host's arguments and calls these.

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "addin/HostDialogs.h"
#include "addin/state/AddinState.h"
#include "addin/tabbar/TabBarWindow.h"
#include "addin/tabbar/WindowSystem.h"
#include "host/HostApp.h"
#include "shared/TabSettings.h"

namespace morvane {

// What the handlers work with, all owned by the connection; every function must be given.
struct AppEventParts {
    HostApp& host;
    const TabSettings& settings;
    std::wstring hostVersion;
    // The running Windows' version text, such as "6.1".
    std::wstring osVersion;
    WindowHandle hMainWnd = 0;
    WindowHandle hMDIClient = 0;
    WindowSystem& windows;
    // The tab bar while the client window is hooked; nullptr otherwise.
    std::function<TabBarWindow*()> tabBar;
    std::function<void()> reframeClient;
    std::function<void()> beep;
    // None: the questions cannot be asked, so the host is not kept open and a locked project
    // stays locked.
    HostDialogs* dialogs = nullptr;
    std::map<std::wstring, HostWindowPtr>& projectWindows;
    std::set<std::wstring, NoCaseLess>& lockedProjects;
    bool& updating;
    // The connection was switched off: nothing more is done; a question that returns after it
    // may still cancel what the host is doing, but starts nothing.
    const bool& ending;
    // The exit work-around ran, or host "12.0" showed its save-as dialog: for the whole process.
    bool& exitHandled;
};

class AppEventHandlers {
  public:
    explicit AppEventHandlers(AppEventParts parts);

    // False once the connection was switched off: the host's events are then left alone.
    bool Standing() const { return !parts_.ending; }

    // keepHostOpen sets the event's Cancel; false when that fails.
    void oAppPro_ApplicationBeforeClose(const std::function<bool()>& keepHostOpen);
    void oAppPro_ProjectAfterSave();
    void oAppPro_ProjectBeforeClose(const HostProjectPtr& pj, bool& cancel);
    void oAppPro_ProjectBeforeSave(const HostProjectPtr& pj, bool saveAsUi, bool& cancel);
    void oAppPro_WindowActivate(const HostWindowPtr& window);
    void oAppPro_WindowDeactivate();
    void oAppPro_WindowSelectionChange(const HostWindowPtr& window);
    void oAppPro_PaneActivate();

  private:
    // The tabs rebuilt under the busy flag, so that the selection activates no window.
    void Refresh();
    // Re-frames the client window while fewer than OneHide + 2 windows are visible.
    void ReframeIfFew();
    // Asks before the host closes several windows; false when a step failed.
    bool ConfirmClose(const std::function<bool()>& keepHostOpen);
    void RunExitWorkaround(bool prompted);
    // Records the window under the active child's handle, unless that key is taken; false when
    // there is no active child or the key was taken.
    bool RecordActiveWindow(const HostWindowPtr& window);
    void GuardLockedProject(const HostProjectPtr& pj, bool& cancel);
    TabStrip* Strip() const;

    AppEventParts parts_;
    // The last answers of the two dialogs.
    CloseChoice closeChoice_ = CloseChoice::Cancel;
    bool unlocked_ = false;
};

// The caption the selected tab shows for its project's saved state: the unsaved mark added to
// or taken from the bare name; no value when the caption is right already.
std::optional<std::wstring> CaptionForSavedState(const std::wstring& caption, bool saved);

}  // namespace morvane
