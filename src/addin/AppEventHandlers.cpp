#include "addin/AppEventHandlers.h"

#include "addin/state/ScopedFlag.h"
#include "addin/tabbar/TabBarRules.h"
#include "addin/tabbar/WindowMessages.h"
#include "shared/mdPub.h"

namespace morvane {

namespace {

constexpr const wchar_t* Windows7 = L"6.1";
constexpr const wchar_t* Project2007 = L"12.0";
constexpr const wchar_t* Project2003 = L"11.0";

bool EndsInUnsavedMark(const std::wstring& caption) {
    const auto last = caption.find_last_not_of(L' ');
    const std::wstring mark = L"  *";
    return last != std::wstring::npos && last + 1 >= mark.size() &&
           caption.compare(last + 1 - mark.size(), mark.size(), mark) == 0;
}

}  // namespace

std::optional<std::wstring> CaptionForSavedState(const std::wstring& caption, bool saved) {
    const bool marked = EndsInUnsavedMark(caption);
    if (!saved && !marked) {
        return L"  " + mdPub::StripModifiedMark(caption) + L"  *  ";
    }
    if (saved && marked) {
        return L"  " + mdPub::StripModifiedMark(caption) + L"  ";
    }
    return std::nullopt;
}

AppEventHandlers::AppEventHandlers(AppEventParts parts) : parts_(std::move(parts)) {}

void AppEventHandlers::oAppPro_ApplicationBeforeClose(const std::function<bool()>& keepHostOpen) {
    const auto state = parts_.host.State();
    if (!state) {
        return;
    }
    bool prompted = false;
    if (*state) {
        const auto count = parts_.host.WindowCount();
        if (!count) {
            return;
        }
        if (*count > 1 && parts_.settings.ExitInfor == 0) {
            if (!ConfirmClose(keepHostOpen)) {
                return;
            }
            prompted = true;
        }
    }
    RunExitWorkaround(prompted);
}

bool AppEventHandlers::ConfirmClose(const std::function<bool()>& keepHostOpen) {
    if (!parts_.dialogs) {
        return false;
    }
    parts_.beep();
    closeChoice_ = parts_.dialogs->ConfirmClose(parts_.hMainWnd);
    if (!Standing()) {
        // Switched off while the question was open: the answer may still keep the host open,
        // as closing the current tab only also does, but nothing of ours runs on.
        if (closeChoice_ != CloseChoice::CloseAll) {
            keepHostOpen();
        }
        return false;
    }
    switch (closeChoice_) {
        case CloseChoice::Cancel:
            return keepHostOpen();
        case CloseChoice::CloseAll:
            if (HostVersionNumber(parts_.hostVersion) < 12) {
                if (!parts_.tabBar()) {
                    return false;
                }
                Refresh();
            }
            return true;
        case CloseChoice::CloseCurrent: {
            TabStrip* strip = Strip();
            const std::int32_t selected = strip ? strip->SelectedIndex() : -1;
            const auto window = selected >= 0 ? HandleFromText(strip->Tag(selected)) : std::nullopt;
            if (!window || !parts_.windows.Post(*window, wm::Close, 0, 0)) {
                return false;
            }
            return keepHostOpen();
        }
    }
    return false;
}

// The exit work-around of Project "12.0" on Windows 7, once per process: show one of the host's
// file dialogs and let the bar's exit timer close it again.
void AppEventHandlers::RunExitWorkaround(bool prompted) {
    if (parts_.osVersion != Windows7 || parts_.hostVersion != Project2007 || parts_.exitHandled) {
        return;
    }
    if (prompted && !unlocked_ && closeChoice_ != CloseChoice::CloseAll) {
        return;
    }
    TabBarWindow* bar = parts_.tabBar();
    if (!bar) {
        return;
    }
    const bool anyVisible = VisibleWindowCount(parts_.host) >= 1;
    bar->StartTimer();
    if (!(anyVisible ? parts_.host.FileSaveAs() : parts_.host.FileOpen())) {
        return;
    }
    parts_.exitHandled = true;
}

void AppEventHandlers::oAppPro_ProjectAfterSave() {
    Refresh();
}

void AppEventHandlers::oAppPro_ProjectBeforeClose(const HostProjectPtr& pj, bool& cancel) {
    GuardLockedProject(pj, cancel);
}

void AppEventHandlers::oAppPro_ProjectBeforeSave(const HostProjectPtr& pj, bool saveAsUi,
                                                 bool& cancel) {
    if (parts_.hostVersion == Project2007 && saveAsUi) {
        parts_.exitHandled = true;
    }
    GuardLockedProject(pj, cancel);
}

void AppEventHandlers::GuardLockedProject(const HostProjectPtr& pj, bool& cancel) {
    if (parts_.lockedProjects.empty() || !pj) {
        return;
    }
    const auto fullName = pj->FullName();
    if (!fullName || !parts_.lockedProjects.contains(*fullName)) {
        return;
    }
    parts_.beep();
    unlocked_ = parts_.dialogs &&
                parts_.dialogs->WarnLocked(parts_.hMainWnd, pj->Name().value_or(*fullName));
    if (!unlocked_) {
        // Refused, also when switched off while the warning was open: the user was told so.
        cancel = true;
    } else if (Standing()) {
        parts_.lockedProjects.erase(*fullName);
    }
}

void AppEventHandlers::oAppPro_WindowActivate(const HostWindowPtr& window) {
    if (HostVersionNumber(parts_.hostVersion) > 11) {
        return;
    }
    RecordActiveWindow(window);
    Refresh();
    ReframeIfFew();
}

void AppEventHandlers::oAppPro_WindowDeactivate() {
    ReframeIfFew();
}

void AppEventHandlers::oAppPro_WindowSelectionChange(const HostWindowPtr& window) {
    const auto state = parts_.host.State();
    if (!state || !*state) {
        return;
    }
    if (parts_.hostVersion == Project2003) {
        const auto count = parts_.host.WindowCount();
        TabStrip* strip = Strip();
        if (!count || !strip) {
            return;
        }
        if (*count != strip->Count()) {
            if (parts_.windows.MdiGetActive(parts_.hMDIClient) != 0 &&
                !RecordActiveWindow(window)) {
                return;
            }
            Refresh();
        }
    }
    TabStrip* strip = Strip();
    const std::int32_t selected = strip ? strip->SelectedIndex() : -1;
    const auto project = window ? window->Project() : nullptr;
    const auto saved = project ? project->Saved() : std::nullopt;
    if (selected < 0 || !saved) {
        return;
    }
    if (const auto caption = CaptionForSavedState(strip->Caption(selected), *saved)) {
        strip->SetCaption(selected, *caption);
    }
}

void AppEventHandlers::oAppPro_PaneActivate() {
    if (parts_.windows.MdiGetActive(parts_.hMDIClient) != 0) {
        RecordActiveWindow(parts_.host.ActiveWindow());
    }
    Refresh();
    ReframeIfFew();
}

void AppEventHandlers::Refresh() {
    if (TabBarWindow* bar = parts_.tabBar()) {
        const ScopedFlag busy(parts_.updating);
        bar->UpdateMenu();
    }
}

void AppEventHandlers::ReframeIfFew() {
    if (VisibleWindowCount(parts_.host) < parts_.settings.OneHide + 2) {
        parts_.reframeClient();
    }
}

bool AppEventHandlers::RecordActiveWindow(const HostWindowPtr& window) {
    const WindowHandle active = parts_.windows.MdiGetActive(parts_.hMDIClient);
    if (active == 0 || !window) {
        return false;
    }
    return parts_.projectWindows.emplace(HandleText(active), window).second;
}

TabStrip* AppEventHandlers::Strip() const {
    TabBarWindow* bar = parts_.tabBar();
    return bar ? bar->Strip() : nullptr;
}

}  // namespace morvane
