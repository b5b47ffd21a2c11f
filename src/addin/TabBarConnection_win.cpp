#include "addin/TabBarConnection_win.h"

#include "addin/AppEvents_win.h"
#include "addin/Menus.h"
#include "addin/tabbar/Win32TabBarControl_win.h"
#include "addin/tabbar/WindowSystem_win.h"
#include "addin/tabbar/frmMorvaneWindow_win.h"
#include "host/CommandBarsDispatch_win.h"
#include "host/HostAppDispatch_win.h"
#include "shared/HostDispIds.h"
#include "shared/LibraryUse.h"
#include "shared/WindowHandle_win.h"
#include "shared/LoadSettings.h"
#include "shared/Trace.h"
#include "shared/mdLang_win.h"
#include "shared/mdPub.h"
#include "shared/mdPub_win.h"

namespace morvane {

namespace {

constexpr const wchar_t* MainWindowClass = L"JWinproj-WhimperMainClass";

std::unique_ptr<TabBarWindow> NewTabBar(AddinState& state) {
    TabBarFormParts parts;
    parts.newControl = [](WindowHandle form, TabEventSink& events) {
        return std::unique_ptr<TabBarControl>(Win32TabBarControl::Create(form, events));
    };
    auto form = std::make_unique<frmMorvaneWindow>(state, std::move(parts));
    form->SetParentHwnd(state.hMainWnd);
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
    if (FAILED(com::Invoke(application, appid::CommandBars, DISPATCH_PROPERTYGET, {}, &bars,
                           L"Application.CommandBars"))) {
        return nullptr;
    }
    auto object = bars.ToObject();
    return object ? std::make_shared<CommandBarsDispatch>(std::move(object)) : nullptr;
}

void BuildMenus(AddinState& state) {
    if (!state.HostCommandBars) {
        return;
    }
    const auto text = [&state](const std::wstring& key, const std::wstring& caption) {
        return state.Lang.Text(key, caption);
    };
    state.MenuClicks = CreateMenus(*state.HostCommandBars, state, text);
}

}  // namespace

// The host's application events with what their handlers work with.
struct TabBarConnection::HostEvents {
    HostEvents(AddinState& state, TabBarHooks& hooks, com::ComPtr<IDispatch> application,
               std::shared_ptr<HostDialogs> questions)
        : dialogs(std::move(questions)),
          handlers(AppEventParts{
              .host = *state.HostApp,
              .settings = state.Settings,
              .hostVersion = state.HostVersion.Text,
              .osVersion = mdPub::GetOSVersion(state.System.get()).Version,
              .hMainWnd = state.hMainWnd,
              .hMDIClient = state.hMDIClient,
              .windows = windows,
              .tabBar = [&hooks] { return hooks.client.TabBarForm(); },
              .reframeClient = [&hooks] { hooks.client.ReframeClient(); },
              .beep = [] { MessageBeep(MB_OK); },
              .dialogs = dialogs.get(),
              .projectWindows = state.ProjectWindows,
              .lockedProjects = state.LockedProjects,
              .updating = state.Updating,
              .ending = state.Ending,
              .exitHandled = state.ExitHandled,
          }),
          events(std::move(application), handlers) {}

    std::shared_ptr<HostDialogs> dialogs;
    Win32WindowSystem windows;
    AppEventHandlers handlers;
    AppEvents events;
};

TabBarConnection::TabBarConnection(AddinState& state) : state_(state) {}

TabBarConnection::~TabBarConnection() {
    Unhook();
}

// One call, so that the add-in's COM class can take the click connection over.
void TabBarConnection::ConnectCommands(CommandSeams seams) {
    menuCommands_ = std::make_unique<MenuCommands>(state_, hooks_, std::move(seams));
    if (state_.MenuClicks) {
        menuCommands_->ConnectClicks(*state_.MenuClicks);
    }
}

bool TabBarConnection::Connect(com::ComPtr<IDispatch> application,
                               std::shared_ptr<HostDialogs> dialogs, CommandSeams commands) {
    AddinState& state = state_;
    state.Ending = false;
    mdPub::UseWindowsPlatform(state.Registry, state.System);
    state.HostApp = std::make_shared<HostAppDispatch>(application);
    state.HostVersion = ParseHostVersion(state.HostApp->Version().value_or(L""));
    mdLang::InitLanguage(state.Lang, *state.Registry, state.HostVersion.Text);
    state.hMainWnd = AsHandle(OwnMainWindow());
    mdPub::LoadSettings(*state.Registry, state.System.get(), state.Settings, state.HostVersion.Text,
                        state.OfficeTheme);
    state.HostCommandBars = HostCommandBars(application.Get());
    BuildMenus(state);
    // Without the main window there is nothing to hook, but the menus, the host's events and the
    // commands still work on the host's objects: built, they are connected.
    const bool hooked = state.hMainWnd != 0;
    if (!hooked) {
        TraceFailure(L"FindWindowExW of the host's main window",
                     HRESULT_FROM_WIN32(ERROR_NOT_FOUND));
    }
    mdSubClass::ClientHook& client = hooks_.client;
    mdxlMainHwndSubClass::MainWindowHookParts mainParts;
    mainParts.reframeClient = [&client] { client.ReframeClient(); };
    mainParts.invalidateRibbon = [&state] { InvalidateRibbon(state); };
    mainParts.tabStrip = [&client]() -> TabStrip* {
        auto* bar = client.TabBarForm();
        return bar ? bar->Strip() : nullptr;
    };
    hooks_.main.HookMainWindow(state, std::move(mainParts));

    mdSubClass::ClientHookParts clientParts;
    clientParts.newTabBar = [&state] { return NewTabBar(state); };
    client.HookMDIClient(state, std::move(clientParts));
    hostEvents_ =
        std::make_unique<HostEvents>(state, hooks_, std::move(application), std::move(dialogs));
    ConnectCommands(std::move(commands));
    return hooked;
}

void TabBarConnection::Unhook() {
    menuCommands_ = nullptr;
    hostEvents_ = nullptr;
    hooks_.client.UnhookMDIClient();
    hooks_.main.UnhookMainWindow();
}

void TabBarConnection::RunTask(Backstage::Action task) {
    if (menuCommands_) {
        menuCommands_->RunTask(task);
    }
}

void TabBarConnection::Disconnect() {
    state_.Ending = true;
    if (takeDownPending_) {
        return;
    }
    takeDownPending_ = true;
    LibraryUse::AfterOutermostCall([this, alive = std::weak_ptr<const bool>(life_)] {
        if (alive.lock()) {
            TakeDown();
        }
    });
}

void TabBarConnection::TakeDown() {
    takeDownPending_ = false;
    Unhook();
    // The menus stay on the host's bars (they are temporary); only our references go.
    state_.MenuClicks = nullptr;
    state_.BtnShowTabBar = nullptr;
    state_.BarPupTabOnItem = nullptr;
    state_.BarPupTabNoOnItem = nullptr;
    state_.HostCommandBars = nullptr;
    state_.HostApp = nullptr;
}

}  // namespace morvane
