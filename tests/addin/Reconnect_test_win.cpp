// The add-in switched off and on again while its own code runs: the usual "restart the add-in"
// macro run from a command of the host's window, or an automation client's calls arriving in one
// of our dialogs' loops, or another add-in's handler of a host event. The host makes a new
// object for the new connection, or reconnects the one it has. Whatever the moment, the add-in
// ends as the same calls made outside any call of ours leave it: switched on, one bar, shown and
// placed, its hooks once in each chain and its hot keys held; switched off, nothing of ours left
// and the library free to go. A library left pinned would spoil every later case of its
// process, so each case runs in a process of its own.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>

#include "AddinDll_win.h"
#include "dialogs/DialogScript_win.h"
#include "shared/EventSink_win.h"
#include "shared/Office_win.h"
#include "shared/SettingsSchema.h"
#include "support/TempFolder_win.h"
#include "support/ThreadWindows_win.h"

namespace morvane::test {
namespace {

using namespace dialogs::test;

// Where our code is when the switching comes.
enum class Moment {
    HostCommand,           // a command of the host's main window, below our hook
    RenamePrompt,          // the rename's prompt is open
    OptionsFromMenu,       // the options dialog, opened from the tab menu
    OptionsFromBackstage,  // the options dialog, opened from the backstage's task
    LockWarning,           // closing a locked project shows the lock warning
    TabMenu,               // the tab menu's popup is open
    WindowActivate,        // another add-in's handler of the host's window activation
    CloseAllStorm,         // the same, while Close All closes one window after another
};

// What is switched, in order.
enum class Turns {
    OffOnNew,   // off, then on: the host makes a new object of the class
    OffOnSame,  // off, then on again on the same object
    OffOnOff,   // off, on with a new object, off again
};

struct ReconnectCase {
    Moment moment;
    Turns turns;
};

std::string Name(const ::testing::TestParamInfo<ReconnectCase>& info) {
    static const char* const moments[] = {"HostCommand",          "RenamePrompt", "OptionsFromMenu",
                                          "OptionsFromBackstage", "LockWarning",  "TabMenu",
                                          "WindowActivate",       "CloseAllStorm"};
    static const char* const turns[] = {"OffOnNew", "OffOnSame", "OffOnOff"};
    return std::string(moments[static_cast<int>(info.param.moment)]) +
           turns[static_cast<int>(info.param.turns)];
}

// Context-menu positions of the tab's menu (Close All is fifth on both of the bar's menus).
constexpr long kCloseAll = 5;
constexpr long kRename = 10;
constexpr long kLock = 11;
constexpr long kOptions = 13;

// Runs an action from a thread timer inside whatever message loop runs next (the popup menu's),
// then closes the menu with the keys given, or without a choice.
class InMenuLoop {
  public:
    InMenuLoop(std::function<void()> action, std::vector<WPARAM> keys) {
        pending = {std::move(action), std::move(keys)};
        timer_ = SetTimer(nullptr, 0, 50, Tick);
    }
    InMenuLoop(const InMenuLoop&) = delete;
    InMenuLoop& operator=(const InMenuLoop&) = delete;
    ~InMenuLoop() { KillTimer(nullptr, timer_); }
    static bool Ran() { return !pending.action; }

  private:
    struct Pending {
        std::function<void()> action;
        std::vector<WPARAM> keys;
    };
    static inline Pending pending;

    static BOOL CALLBACK FindMenu(HWND window, LPARAM found) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring(name) == L"#32768" && IsWindowVisible(window)) {
            *reinterpret_cast<HWND*>(found) = window;
            return FALSE;
        }
        return TRUE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND menu = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindMenu, reinterpret_cast<LPARAM>(&menu));
        if (!menu || !pending.action) {
            return;
        }
        KillTimer(nullptr, id);
        const auto action = std::move(pending.action);
        pending.action = nullptr;
        action();
        for (const WPARAM key : pending.keys) {
            PostMessageW(menu, WM_KEYDOWN, key, 0);
        }
        if (pending.keys.empty()) {
            EndMenu();
        }
    }
    UINT_PTR timer_ = 0;
};

class ReconnectTest : public ProjectFilesTest, public ::testing::WithParamInterface<ReconnectCase> {
  protected:
    ReconnectTest() : ProjectFilesTest(L"MorvaneReconnect") {}

    static HRESULT Reconnect(IDispatch* application, IDTExtensibility2& addin) {
        SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
        addin.OnDisconnection(office::ext_dm_UserClosed, &custom);
        const HRESULT hr =
            addin.OnConnection(application, office::ext_cm_AfterStartup, nullptr, &custom);
        SafeArrayDestroy(custom);
        return hr;
    }

    // The switching, as the host's COM add-ins dialog, a macro or an automation client does it.
    void Switch(Turns turns) {
        switch (turns) {
            case Turns::OffOnNew:
                EXPECT_TRUE(host->Addins().Disconnect(kProgId));
                EXPECT_TRUE(host->Addins().Connect(kProgId));
                break;
            case Turns::OffOnSame: {
                const auto addin = host->Addins().Addin(kProgId).As<IDTExtensibility2>();
                ASSERT_TRUE(addin);
                EXPECT_EQ(Reconnect(host->Application().Get(), *addin.Get()), S_OK);
                break;
            }
            case Turns::OffOnOff:
                EXPECT_TRUE(host->Addins().Disconnect(kProgId));
                EXPECT_TRUE(host->Addins().Connect(kProgId));
                EXPECT_TRUE(host->Addins().Disconnect(kProgId));
                break;
        }
    }

    // Right-clicks the bar, which shows one of its menus.
    void RightClickBar() {
        const auto controls = WindowsOfClass(L"MorvaneTabControl");
        ASSERT_EQ(controls.size(), 1u);
        RECT rect{};
        GetClientRect(controls.front(), &rect);
        const LPARAM at = MAKELPARAM(20, rect.bottom / 2);
        SendMessageW(controls.front(), WM_RBUTTONDOWN, MK_RBUTTON, at);
        SendMessageW(controls.front(), WM_RBUTTONUP, 0, at);
    }

    // The bar shown in the strip the client window gives up on the workspace's upper edge,
    // right above the room left for the project windows.
    void ExpectBarShownAndPlaced() const {
        const HWND bar = Bar();
        ASSERT_NE(bar, nullptr) << "exactly one bar";
        EXPECT_TRUE(IsWindowVisible(bar));
        RECT barRect{};
        RECT workspace{};
        RECT room{};
        GetWindowRect(bar, &barRect);
        GetWindowRect(host->Client(), &workspace);
        GetClientRect(host->Client(), &room);
        MapWindowPoints(host->Client(), nullptr, reinterpret_cast<POINT*>(&room), 2);
        EXPECT_GT(barRect.bottom - barRect.top, 0);
        EXPECT_EQ(barRect.top, workspace.top);
        EXPECT_EQ(barRect.bottom, room.top);
        EXPECT_EQ(barRect.left, room.left);
        EXPECT_EQ(barRect.right, room.right);
    }

    int MenusNamed(const std::wstring& name) const {
        const auto names = host->CommandBars().BarNames();
        return static_cast<int>(std::count(names.begin(), names.end(), name));
    }

    // One connection holds the host: its bar, its hot keys, its hooks once each, its menus.
    void ExpectOneConnection() {
        EXPECT_EQ(host->Addins().Connected(), std::vector<std::wstring>{kProgId});
        ExpectBarShownAndPlaced();
        EXPECT_TRUE(HotKeyTaken(MOD_ALT, '1'));
        EXPECT_TRUE(HotKeyTaken(MOD_WIN, 'Q'));
        EXPECT_TRUE(MainHooked());
        EXPECT_TRUE(ClientHooked());
        EXPECT_EQ(MenusNamed(L"PupTabOnItem"), 1);
        EXPECT_EQ(MenusNamed(L"PupTabNoOnItem"), 1);
        // The show/hide hot key hides the bar and shows it again: one hook on the main window
        // handles it once.
        host->PressHotKey(401, MOD_WIN, 'Q');
        host->Pump();
        EXPECT_FALSE(Bar() && IsWindowVisible(Bar())) << "the hot key did not hide the bar";
        host->PressHotKey(401, MOD_WIN, 'Q');
        host->Pump();
        ExpectBarShownAndPlaced();
    }

    // Nothing of ours is left: the host's own procedures, no bar, no hot key; the library goes
    // at the next free.
    void ExpectNothingLeft() {
        EXPECT_TRUE(host->Addins().Connected().empty());
        EXPECT_EQ(GetWindowLongPtrW(host->MainWindow(), GWLP_WNDPROC), mainProc);
        EXPECT_EQ(GetWindowLongPtrW(host->Client(), GWLP_WNDPROC), clientProc);
        EXPECT_TRUE(WindowsOfClass(L"MorvaneTabBarForm").empty());
        EXPECT_FALSE(HotKeyTaken(MOD_ALT, '1'));
        EXPECT_FALSE(HotKeyTaken(MOD_WIN, 'Q'));
        host->Addins().FreeUnusedLibraries();
        CoFreeUnusedLibrariesEx(0, 0);
        EXPECT_FALSE(DllLoaded()) << "the library is pinned or still in use";
    }
};

TEST_P(ReconnectTest, EndsAsTheSameSwitchingOutsideAnyCallOfOurs) {
    const ReconnectCase c = GetParam();
    StartWithFiles();
    const auto turns = [&] { Switch(c.turns); };

    // Another add-in's handler, first in the host's list.
    int activations = 0;
    const auto other =
        com::ComPtr<OtherHandler>::Attach(new OtherHandler(office::WindowActivate, [&] {
            // Close All closes the first window, then activates the next: the second
            // activation is in the midst of it.
            if (c.moment == Moment::CloseAllStorm && ++activations < 2) {
                return false;
            }
            turns();
            return true;
        }));
    std::unique_ptr<com::SinkConnection> otherConnection;
    if (c.moment == Moment::WindowActivate || c.moment == Moment::CloseAllStorm) {
        otherConnection = std::make_unique<com::SinkConnection>(
            host->Application().Get(), office::IID_EProjectApp2, other.Get());
        ASSERT_TRUE(otherConnection->Connected());
    }
    ASSERT_EQ(host->LoadAddins(), 1);
    host->Pump();
    ExpectBarShownAndPlaced();

    // In a dialog of ours the switching comes first, then the user answers: a new name for the
    // rename, Esc for the others.
    std::vector<DialogScript::Step> answered = {[&](HWND) { turns(); }, [](HWND) {}};
    if (c.moment == Moment::RenamePrompt) {
        answered.push_back([](HWND) { Type(L"Renamed"); });
        answered.push_back([](HWND) { PressKey(VK_RETURN); });
    } else {
        answered.push_back([](HWND) { PressKey(VK_ESCAPE); });
    }
    const bool inDialog = c.moment == Moment::RenamePrompt || c.moment == Moment::OptionsFromMenu ||
                          c.moment == Moment::OptionsFromBackstage ||
                          c.moment == Moment::LockWarning;
    std::unique_ptr<DialogScript> script;
    if (inDialog) {
        script = std::make_unique<DialogScript>(std::move(answered));
    }
    switch (c.moment) {
        case Moment::HostCommand:
            host->SetMacro(turns);
            SendMessageW(host->MainWindow(), WM_COMMAND, standin::Host::MacroCommand, 0);
            host->SetMacro(nullptr);
            break;
        case Moment::RenamePrompt:
            ASSERT_TRUE(host->Activate(L"Plan.mpp"));
            host->Pump();
            ClickItem(kRename);
            break;
        case Moment::OptionsFromMenu:
            ClickItem(kOptions);
            break;
        case Moment::OptionsFromBackstage: {
            standin::RibbonHost* ribbon = host->Addins().Ribbon(kProgId);
            ASSERT_NE(ribbon, nullptr);
            ribbon->Click(L"MorvaneOpTion");
            break;
        }
        case Moment::LockWarning:
            ASSERT_TRUE(host->Activate(L"Plan.mpp"));
            host->Pump();
            ClickItem(kLock);
            host->CloseProject(L"Plan.mpp");
            break;
        case Moment::TabMenu: {
            // Chosen after the switching: Close All, from the menu of the connection that was.
            host->CommandBars().SetPopupMode(standin::PopupMode::Interactive);
            const InMenuLoop inLoop(turns,
                                    {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
            RightClickBar();
            EXPECT_TRUE(InMenuLoop::Ran());
            // A menu of a switched-off connection runs nothing.
            EXPECT_EQ(host->Documents().size(), 3u);
            break;
        }
        case Moment::WindowActivate:
            ASSERT_TRUE(host->Activate(L"Plan 1.mpp"));
            break;
        case Moment::CloseAllStorm:
            ClickItem(kCloseAll);
            break;
    }
    host->Pump();
    if (script) {
        EXPECT_TRUE(script->Finished());
        EXPECT_FALSE(script->Stuck());
    }
    otherConnection.reset();
    ASSERT_TRUE(host->IsOpen());
    // Nothing was renamed after the switch-off.
    EXPECT_FALSE(FileThere(L"Renamed.mpp"));

    if (c.turns == Turns::OffOnOff) {
        ExpectNothingLeft();
        return;
    }
    ExpectOneConnection();
    EXPECT_TRUE(host->Addins().Disconnect(kProgId));
    ExpectNothingLeft();
}

std::vector<ReconnectCase> EveryCase() {
    std::vector<ReconnectCase> cases;
    for (const Moment moment : {Moment::HostCommand, Moment::RenamePrompt, Moment::OptionsFromMenu,
                                Moment::OptionsFromBackstage, Moment::LockWarning, Moment::TabMenu,
                                Moment::WindowActivate, Moment::CloseAllStorm}) {
        for (const Turns turns : {Turns::OffOnNew, Turns::OffOnSame, Turns::OffOnOff}) {
            cases.push_back({moment, turns});
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Moments, ReconnectTest, ::testing::ValuesIn(EveryCase()), Name);

// The restart macro a hundred times, from a command of the host's window: what each connection
// made goes with it.
TEST_F(ReconnectTest, AHundredRestartsInsideAHostCommandLeaveNothingBehind) {
    StartWithFiles();
    ASSERT_EQ(host->LoadAddins(), 1);
    host->Pump();
    host->SetMacro([this] {
        host->Addins().Disconnect(kProgId);
        host->Addins().Connect(kProgId);
    });
    const auto restart = [this] {
        SendMessageW(host->MainWindow(), WM_COMMAND, standin::Host::MacroCommand, 0);
        host->Pump();
    };
    // One round first, so that what the system makes once is in the start.
    restart();
    const auto startWindows = ThreadWindows().size();
    DWORD startHandles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &startHandles);
    const SIZE_T startMemory = WorkingSet();

    for (int i = 0; i < 100; ++i) {
        restart();
    }

    EXPECT_EQ(ThreadWindows().size(), startWindows);
    DWORD endHandles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &endHandles);
    EXPECT_LE(endHandles, startHandles + 5);
    EXPECT_LT(WorkingSet(), startMemory + 4 * 1024 * 1024);
    host->SetMacro(nullptr);
    ExpectOneConnection();
    EXPECT_TRUE(host->Addins().Disconnect(kProgId));
    ExpectNothingLeft();
}

// Two connections on the same windows would cross: while one object's stands, another's is
// refused with a failure code, so that the host shows it as not loaded.
TEST_F(ReconnectTest, AnotherObjectCannotConnectWhileOneIsConnected) {
    StartWithFiles();
    ASSERT_EQ(host->LoadAddins(), 1);
    host->Pump();
    auto second = NewAddinObject(GetModuleHandleW(L"Morvane.dll"));
    ASSERT_TRUE(second);
    SAFEARRAY* custom = SafeArrayCreateVector(VT_VARIANT, 0, 0);
    EXPECT_TRUE(FAILED(second->OnConnection(host->Application().Get(), office::ext_cm_AfterStartup,
                                            nullptr, &custom)));
    ExpectOneConnection();

    // Once the first has gone, the second connects.
    EXPECT_TRUE(host->Addins().Disconnect(kProgId));
    EXPECT_EQ(second->OnConnection(host->Application().Get(), office::ext_cm_AfterStartup, nullptr,
                                   &custom),
              S_OK);
    ExpectBarShownAndPlaced();
    second->OnDisconnection(office::ext_dm_UserClosed, &custom);
    SafeArrayDestroy(custom);
    second = nullptr;
    ExpectNothingLeft();
}

}  // namespace
}  // namespace morvane::test
