#include "addin/TabBarConnection_win.h"

#include "addin/AppEvents_win.h"
#include "addin/CommandBarsDispatch_win.h"
#include "addin/HostAppDispatch_win.h"
#include "addin/MenuBars.h"
#include "addin/Menus.h"
#include "addin/tabbar/TabBarControl_win.h"
#include "addin/tabbar/TabBarGlobals.h"
#include "addin/tabbar/TabBarRules.h"
#include "addin/tabbar/WindowSystem_win.h"
#include "addin/tabbar/frmMorvaneWindow_win.h"
#include "addin/tabbar/mdSubClass_win.h"
#include "addin/tabbar/mdxlMainHwndSubClass_win.h"
#include "shared/HostDispIds.h"
#include "shared/LoadSettings.h"
#include "shared/mdLang.h"
#include "shared/mdLang_win.h"
#include "shared/mdPub.h"
#include "shared/mdPub_win.h"

namespace morvane::TabBarConnection {

namespace {

constexpr const wchar_t* MainWindowClass = L"JWinproj-WhimperMainClass";

// The command bars the menus live on, and the button whose Click serves every menu entry; held
// for the whole connection.
std::shared_ptr<CommandBars> connectedBars;
CommandBarControlPtr menuClicks;

// The exit work-around runs once in the life of the library, over every connection.
bool exitHandled = false;

// The host's application events with what their handlers work with, for one connection.
struct HostEvents {
    HostEvents(com::ComPtr<IDispatch> application, std::shared_ptr<HostDialogs> questions)
        : dialogs(std::move(questions)),
          handlers(AppEventParts{
              .host = *mdPub::HostApp,
              .settings = mdPub::Settings,
              .hostVersion = mdPub::HostVersion,
              .osVersion = mdPub::GetOSVersion().Version,
              .hMainWnd = mdPub::hMainWnd,
              .hMDIClient = hMDIClient,
              .windows = windows,
              .tabBar = mdSubClass::TabBarForm,
              .reframeClient = mdSubClass::ReframeClient,
              .beep = [] { MessageBeep(MB_OK); },
              .dialogs = dialogs.get(),
              .projectWindows = ProjectWindows,
              .lockedProjects = LockedProjects,
              .updating = Updating,
              .exitHandled = exitHandled,
          }),
          events(std::move(application), handlers) {}

    std::shared_ptr<HostDialogs> dialogs;
    Win32WindowSystem windows;
    AppEventHandlers handlers;
    AppEvents events;
};
std::unique_ptr<HostEvents> hostEvents;

std::unique_ptr<TabBarWindow> NewTabBar() {
    TabBarFormParts parts;
    parts.settings = &mdPub::Settings;
    parts.hostVersion = mdPub::HostVersion;
    parts.commandBars = connectedBars.get();
    parts.newControl = [](WindowHandle form, TabEventSink& events) {
        return std::unique_ptr<TabBarControl>(Win32TabBarControl::Create(form, events));
    };
    auto form = std::make_unique<frmMorvaneWindow>(std::move(parts));
    form->SetParentHwnd(mdPub::hMainWnd);
    return form;
}

// The host's main window: the first window of Project's class that belongs to this process, so
// that another running Project is never taken for ours.
HWND OwnMainWindow() {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, MainWindowClass, nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(found, &process);
        if (process == GetCurrentProcessId()) {
            return found;
        }
    }
    return nullptr;
}

// The Application's command bars; none when the host does not answer.
std::shared_ptr<CommandBars> HostCommandBars(IDispatch* application) {
    com::Variant bars;
    if (FAILED(com::Invoke(application, appid::CommandBars, DISPATCH_PROPERTYGET, {}, &bars))) {
        return nullptr;
    }
    auto object = bars.ToObject();
    return object ? std::make_shared<CommandBarsDispatch>(std::move(object)) : nullptr;
}

void BuildMenus() {
    if (!connectedBars) {
        return;
    }
    const auto text = [](const std::wstring& key, const std::wstring& caption) {
        return mdLang::GetLangText(mdLang::LangFile, mdLang::LangSection, key, caption);
    };
    menuClicks = CreateMenus(*connectedBars, HostVersionNumber(mdPub::HostVersion),
                             mdPub::Settings.TabShow, text);
}

}  // namespace

bool Connect(com::ComPtr<IDispatch> application, std::shared_ptr<HostDialogs> dialogs) {
    mdPub::UseWindowsPlatform();
    mdPub::HostApp = std::make_shared<HostAppDispatch>(application);
    mdPub::HostVersion = mdPub::HostApp->Version().value_or(L"");
    mdLang::InitLanguage();
    mdPub::hMainWnd = reinterpret_cast<std::intptr_t>(OwnMainWindow());
    mdPub::LoadSettings();
    connectedBars = HostCommandBars(application.Get());
    BuildMenus();
    if (mdPub::hMainWnd == 0) {
        return false;
    }
    mdxlMainHwndSubClass::MainWindowHookParts mainParts;
    mainParts.hMainWnd = mdPub::hMainWnd;
    mainParts.settings = &mdPub::Settings;
    mainParts.hostVersion = mdPub::HostVersion;
    // The backstage tab and its ribbon come with the host integration; until then the show/hide
    // hot key has no ribbon to invalidate on hosts above "12.0".
    mainParts.invalidateRibbon = [] {};
    mdxlMainHwndSubClass::HookMainWindow(std::move(mainParts));

    mdSubClass::ClientHookParts clientParts;
    clientParts.hMainWnd = mdPub::hMainWnd;
    clientParts.settings = &mdPub::Settings;
    clientParts.hostVersion = mdPub::HostVersion;
    clientParts.newTabBar = NewTabBar;
    mdSubClass::HookMDIClient(std::move(clientParts));
    hostEvents = std::make_unique<HostEvents>(std::move(application), std::move(dialogs));
    return true;
}

void Disconnect() {
    hostEvents = nullptr;
    mdSubClass::UnhookMDIClient();
    mdxlMainHwndSubClass::UnhookMainWindow();
    // The menus stay on the host's bars (they are temporary); only our references go.
    menuClicks = nullptr;
    BtnShowTabBar = nullptr;
    BarPupTabOnItem = nullptr;
    BarPupTabNoOnItem = nullptr;
    connectedBars = nullptr;
    mdPub::HostApp = nullptr;
}

}  // namespace morvane::TabBarConnection
