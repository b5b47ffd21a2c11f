// The tab bar in the stand-in host, as the user sees and uses it.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "BarInHost_win.h"
#include "host/MenuBars.h"
#include "addin/state/AddinState.h"
#include "shared/Office_win.h"
#include "shared/SettingsSchema.h"
#include "shared/mdPub.h"

namespace morvane::test {
namespace {

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// The client window's area without our strip: its window rectangle less its own border.
RECT AreaWithoutStrip(HWND window) {
    RECT border{};
    const LONG style = static_cast<LONG>(GetWindowLongPtrW(window, GWL_STYLE));
    AdjustWindowRectEx(&border, style & ~(WS_VSCROLL | WS_HSCROLL), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
    RECT area = WindowRect(window);
    area.left -= border.left;
    area.top -= border.top;
    area.right -= border.right;
    area.bottom -= border.bottom;
    return area;
}

// The client area in screen coordinates.
RECT ClientRect(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool SameRect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

std::wstring Text(const RECT& r) {
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
           std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom);
}

DWORD StoredSetting(const wchar_t* name) {
    DWORD value = 0xFFFFFFFF;
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, std::wstring(SettingsKey).c_str(), name, RRF_RT_REG_DWORD,
                 nullptr, &value, &size);
    return value;
}

struct EdgeCase {
    std::int32_t position;
    const wchar_t* version;
};

class BarOnEveryEdge : public BarInHost, public ::testing::WithParamInterface<EdgeCase> {};

// The bar's rectangle on the screen for the client window's rectangle, by the bar's edge.
RECT ExpectedBar(std::int32_t position, const RECT& client, int size) {
    switch (position) {
        case BarAbove:
            return {client.left, client.top, client.right, client.top + size};
        case BarBelow:
            return {client.left, client.bottom - size, client.right, client.bottom};
        case BarLeft:
            return {client.left + 1, client.top + 1, client.left + 1 + size, client.bottom};
        default:
            return {client.right - size + 1, client.top + 1, client.right + 1, client.bottom};
    }
}

TEST_P(BarOnEveryEdge, TheClientWindowGivesUpTheStripAndTheBarLiesOverIt) {
    const auto [position, version] = GetParam();
    StartHost(version, {{L"Position", position}});
    host->OpenProject(L"Alpha.mpp", L"C:\\Plans");
    host->OpenProject(L"Beta.mpp", L"C:\\Plans");
    Connect();
    for (const SIZE size : {SIZE{1100, 800}, SIZE{900, 640}}) {
        SizeMain(size.cx, size.cy);
        const int s = TabBarSize;
        ASSERT_GT(s, 10);
        const RECT window = WindowRect(host->Client());
        const RECT client = ClientRect(host->Client());
        RECT kept = window;
        const bool full = position == BarAbove && std::wstring(version) == L"14.0";
        switch (position) {
            case BarAbove:
                kept.top += full ? s : s - 1;
                break;
            case BarBelow:
                kept.bottom -= s - 1;
                break;
            case BarLeft:
                kept.left += s - 1;
                break;
            default:
                kept.right -= s - 1;
                break;
        }
        EXPECT_TRUE(SameRect(client, kept)) << Text(client) << " against " << Text(kept);
        ASSERT_TRUE(IsWindowVisible(Bar()));
        const RECT bar = WindowRect(Bar());
        const RECT expected = ExpectedBar(position, window, s);
        EXPECT_TRUE(SameRect(bar, expected)) << Text(bar) << " against " << Text(expected);
        EXPECT_EQ(GetWindow(host->MainWindow(), GW_CHILD), Bar()) << "on top of its siblings";
    }
    // The control's strip lies along the bar's edge.
    const tabctl::TabSide sides[] = {tabctl::TabSide::Top, tabctl::TabSide::Bottom,
                                     tabctl::TabSide::Left, tabctl::TabSide::Right};
    EXPECT_EQ(Control().Side(), sides[position]);
}

INSTANTIATE_TEST_SUITE_P(PositionsAndHosts, BarOnEveryEdge,
                         ::testing::Values(EdgeCase{BarAbove, L"14.0"}, EdgeCase{BarBelow, L"14.0"},
                                           EdgeCase{BarLeft, L"14.0"}, EdgeCase{BarRight, L"14.0"},
                                           EdgeCase{BarAbove, L"12.0"}, EdgeCase{BarBelow, L"12.0"},
                                           EdgeCase{BarLeft, L"12.0"},
                                           EdgeCase{BarRight, L"12.0"}));

struct HiddenCase {
    const char* name;
    std::int32_t oneHide;
    std::int32_t tabShow;
    int windows;
    bool preview;
    bool shown;
};

class BarVisibility : public BarInHost, public ::testing::WithParamInterface<HiddenCase> {};

TEST_P(BarVisibility, FollowsTheWindowCountTheShowSwitchAndThePreview) {
    const HiddenCase c = GetParam();
    StartHost(L"14.0", {{L"OneHide", c.oneHide}, {L"TabShow", c.tabShow}});
    for (int i = 0; i < c.windows; ++i) {
        host->OpenProject(L"Plan " + std::to_wstring(i) + L".mpp", L"C:\\Plans");
    }
    Connect();
    SizeMain(1000, 700);
    if (c.preview) {
        host->OpenPreview();
        Hooks().client.ReframeClient();
        host->Pump();
    }
    EXPECT_EQ(IsWindowVisible(Bar()) != FALSE, c.shown) << c.name;
    if (!c.shown && !c.preview) {
        EXPECT_TRUE(SameRect(ClientRect(host->Client()), AreaWithoutStrip(host->Client())))
            << c.name;
    }
    if (c.preview) {
        host->ClosePreview();
        SizeMain(1000, 701);
        EXPECT_TRUE(IsWindowVisible(Bar())) << "shown again once the preview is gone";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BarVisibility,
    ::testing::Values(HiddenCase{"one window, OneHide 0", 0, 0, 1, false, true},
                      HiddenCase{"one window, OneHide 1", 1, 0, 1, false, false},
                      HiddenCase{"two windows, OneHide 1", 1, 0, 2, false, true},
                      HiddenCase{"TabShow 1", 0, 1, 3, false, false},
                      HiddenCase{"print preview", 0, 0, 2, true, false}));

using TabBarInHost = BarInHost;

TEST_F(TabBarInHost, OneTabPerWindowInCreationOrderWithMarksPathsAndLocks) {
    StartHost(L"14.0");
    Connect();
    host->OpenProject(L"Alpha.mpp", L"C:\\Plans");
    host->OpenProject(L"Beta.mpp");  // never saved
    host->OpenProject(L"R&D.mpp", L"C:\\Plans");
    host->Modify(L"Beta.mpp");
    host->Activate(L"R&D.mpp");
    LockedProjects.insert(L"C:\\Plans\\R&D.mpp");
    host->SetWindowVisible(L"Alpha.mpp", false);
    host->Pump();
    host->ClearEvents();
    Refresh();

    auto& control = Control();
    ASSERT_EQ(control.Count(), 3);
    EXPECT_EQ(control.Caption(0), L"  Alpha.mpp  ");
    EXPECT_EQ(control.Caption(1), L"  Beta.mpp  *  ");
    EXPECT_EQ(control.Caption(2), L"  R&D.mpp  ");
    EXPECT_FALSE(control.Mnemonics()) << "the ampersand is a letter of the name";
    EXPECT_EQ(control.ToolTip(0), L"C:\\Plans\\Alpha.mpp");
    EXPECT_EQ(control.ToolTip(1), L"Beta.mpp");
    EXPECT_EQ(control.Image(0), 0);
    EXPECT_EQ(control.Image(2), 1);
    EXPECT_FALSE(control.Visible(0));
    EXPECT_TRUE(control.Visible(1));
    EXPECT_EQ(control.Tag(2), HandleText(reinterpret_cast<WindowHandle>(Window(L"R&D.mpp"))));
    EXPECT_EQ(control.SelectedIndex(), 2);
    // Selecting the active window's tab activated nothing.
    for (const auto& event : host->Events()) {
        EXPECT_NE(event.id, office::WindowActivate) << "re-activated " << event.subject.size();
    }
    EXPECT_EQ(ActiveName(), L"R&D.mpp");

    host->Save(L"R&D.mpp");
    host->Activate(L"Beta.mpp");
    Refresh();
    EXPECT_EQ(control.SelectedIndex(), 1);
}

TEST_F(BarInHost, TwoProjectsOfOneNameEachKeepTheirOwnTab) {
    StartHost(L"14.0");
    Connect();
    host->OpenProject(L"Plan.mpp", L"C:\\A");
    Refresh();
    host->OpenProject(L"Plan.mpp", L"C:\\B");
    LockedProjects.insert(L"C:\\B\\Plan.mpp");
    Refresh();

    auto& control = Control();
    ASSERT_EQ(control.Count(), 2);
    EXPECT_EQ(control.ToolTip(0), L"C:\\A\\Plan.mpp");
    EXPECT_EQ(control.ToolTip(1), L"C:\\B\\Plan.mpp");
    EXPECT_EQ(control.Image(0), 0);
    EXPECT_EQ(control.Image(1), 1) << "the lock is the second project's";
}

// Two projects named Plan.mpp from two folders, both open before the add-in connects, in either
// order of opening, one of them perhaps with its window hidden: each tab names its own window's
// project, with its unsaved mark and lock, and the window active before the connection is active
// after it.
struct OpeningOrder {
    const char* name;
    std::vector<const wchar_t*> folders;
    const wchar_t* hidden = nullptr;  // the folder of the project whose window is hidden
};

class SameNameBeforeConnecting : public BarInHost,
                                 public ::testing::WithParamInterface<OpeningOrder> {};

TEST_P(SameNameBeforeConnecting, EachTabNamesItsOwnWindowsProject) {
    StartHost(L"14.0");
    for (const wchar_t* folder : GetParam().folders) {
        host->OpenProject(L"Plan.mpp", folder);
    }
    for (const auto& doc : host->Documents()) {
        doc->saved = doc->folder != L"C:\\B";
        if (GetParam().hidden && doc->folder == GetParam().hidden) {
            ShowWindow(doc->window, SW_HIDE);  // as Project's Hide command does
        }
    }
    for (const auto& doc : host->Documents()) {
        if (IsWindowVisible(doc->window)) {
            host->ActivateDocument(*doc);  // the last visible one ends active, the hidden one never
        }
    }
    const HWND active = host->ActiveDocument()->window;
    Connect();
    LockedProjects.insert(L"C:\\B\\Plan.mpp");
    Refresh();

    auto& control = Control();
    ASSERT_EQ(control.Count(), 2);
    const auto docs = host->Documents();
    for (int i = 0; i < control.Count(); ++i) {
        const auto handle = HandleFromText(control.Tag(i));
        ASSERT_TRUE(handle);
        const auto doc = std::find_if(docs.begin(), docs.end(), [&](const auto& d) {
            return reinterpret_cast<WindowHandle>(d->window) == *handle;
        });
        ASSERT_NE(doc, docs.end());
        const bool fromB = (*doc)->folder == L"C:\\B";
        EXPECT_EQ(control.ToolTip(i), (*doc)->FullName());
        EXPECT_EQ(control.Caption(i), fromB ? L"  Plan.mpp  *  " : L"  Plan.mpp  ");
        EXPECT_EQ(control.Image(i), fromB ? 1 : 0);
    }
    EXPECT_EQ(host->ActiveDocument()->window, active);
    EXPECT_EQ(control.Tag(control.SelectedIndex()),
              HandleText(reinterpret_cast<WindowHandle>(active)));
    EXPECT_FALSE(Updating);
}

INSTANTIATE_TEST_SUITE_P(
    OpeningOrders, SameNameBeforeConnecting,
    ::testing::Values(OpeningOrder{"AThenB", {L"C:\\A", L"C:\\B"}},
                      OpeningOrder{"BThenA", {L"C:\\B", L"C:\\A"}},
                      OpeningOrder{"HiddenAThenB", {L"C:\\A", L"C:\\B"}, L"C:\\A"},
                      OpeningOrder{"AThenHiddenB", {L"C:\\A", L"C:\\B"}, L"C:\\B"}),
    [](const auto& info) { return std::string(info.param.name); });

// Three projects opened after connecting, so the tabs are A, B, C and C is active.
class TabClicks : public BarInHost {
  protected:
    void SetUp() override {
        BarInHost::SetUp();
        StartHost(L"14.0");
        Connect();
        for (const wchar_t* name : {L"A.mpp", L"B.mpp", L"C.mpp"}) {
            host->OpenProject(name, L"C:\\Plans");
        }
        Refresh();
        ASSERT_EQ(Control().Count(), 3);
    }
    // A point on the empty part of the strip, well before its far end.
    POINT Blank() const {
        const tabctl::PixelRect last = Control().TabRect(2);
        return {last.right + 60, (last.top + last.bottom) / 2};
    }
};

TEST_F(TabClicks, AClickOnATabActivatesItsWindow) {
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, TabCentre(0));
    EXPECT_EQ(ActiveName(), L"A.mpp");
    Refresh();
    EXPECT_EQ(Control().SelectedIndex(), 0);
}

TEST_F(TabClicks, MiddleClickAndDoubleClickCloseTheTabsWindow) {
    Click(WM_MBUTTONDOWN, WM_MBUTTONUP, TabCentre(1));
    EXPECT_EQ(host->Find(L"B.mpp"), nullptr);
    Refresh();
    ASSERT_EQ(Control().Count(), 2);
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, TabCentre(0));
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, TabCentre(0));
    EXPECT_EQ(host->Find(L"A.mpp"), nullptr);
    EXPECT_NE(host->Find(L"C.mpp"), nullptr);
    EXPECT_EQ(ChildHandles.Count(), 1u);
}

TEST_F(TabClicks, TheCloseButtonClosesTheSelectedTabsWindowAndNotTheTab) {
    auto& control = Control();
    const tabctl::PixelRect selected = control.TabRect(control.SelectedIndex());
    const int y = (selected.top + selected.bottom) / 2;
    RECT area{};
    GetClientRect(control.Hwnd(), &area);
    // The close button: the point near the far end that answers the selected tab.
    POINT button{-1, y};
    for (int x = area.right - 1; x > selected.right; --x) {
        if (control.HitTest(x, y) == control.SelectedIndex()) {
            button.x = x - 3;
            break;
        }
    }
    ASSERT_GT(button.x, selected.right);
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, button);
    EXPECT_EQ(host->Find(L"C.mpp"), nullptr);
    EXPECT_EQ(control.Count(), 3) << "the control's own closing was cancelled";
    Refresh();
    EXPECT_EQ(control.Count(), 2);
}

TEST_F(TabClicks, DraggingATabReordersTheWindows) {
    const HWND a = Window(L"A.mpp");
    const HWND control = Control().Hwnd();
    const POINT from = TabCentre(0);
    const tabctl::PixelRect last = Control().TabRect(2);
    const POINT to{last.right - 2, from.y};
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    SendMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + 20, from.y));
    SendMessageW(control, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    host->Pump();
    ASSERT_EQ(ChildHandles.Count(), 3u);
    EXPECT_EQ(ChildHandles.Item(2), reinterpret_cast<WindowHandle>(a));
    Refresh();
    EXPECT_EQ(Control().Caption(2), L"  A.mpp  ");
}

TEST_F(TabClicks, ADoubleClickOnTheBlankBarRunsTheNewCommandOnce) {
    const auto documents = [this] { return host->Documents().size(); };
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, Blank());
    EXPECT_EQ(documents(), 3u);
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, Blank());
    EXPECT_EQ(documents(), 4u);
    Refresh();
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, Blank());
    EXPECT_EQ(documents(), 4u) << "a third click starts a new pair";
}

// The items of the last popup the host showed, and its bar's name.
standin::PopupShown LastPopup(standin::Host& host) {
    const auto& popups = host.CommandBars().Popups();
    return popups.empty() ? standin::PopupShown{} : popups.back();
}

TEST_F(TabClicks, RightClicksShowTheContextMenusWithItemsSetByTheRules) {
    host->CloseProject(L"B.mpp");
    host->CloseProject(L"C.mpp");
    host->OpenProject(L"Draft.mpp");  // never saved
    LockedProjects.insert(L"Draft.mpp");
    Refresh();
    ASSERT_EQ(Control().Count(), 2);

    Click(WM_RBUTTONDOWN, WM_RBUTTONUP, TabCentre(1));
    const auto tabMenu = LastPopup(*host);
    EXPECT_EQ(tabMenu.bar, L"PupTabOnItem");
    EXPECT_TRUE(tabMenu.atCursor);
    ASSERT_EQ(tabMenu.items.size(), 14u);
    for (std::int32_t item = 1; item <= 14; ++item) {
        const bool needsPath = item == TabMenuItem::OpenFolder || item == TabMenuItem::Rename;
        EXPECT_EQ(tabMenu.items[item - 1].enabled, !needsPath) << item << " with two windows";
    }
    EXPECT_EQ(tabMenu.items[TabMenuItem::Lock - 1].state, msoButtonDown);

    Click(WM_RBUTTONDOWN, WM_RBUTTONUP, TabCentre(0));
    EXPECT_EQ(LastPopup(*host).items[TabMenuItem::Lock - 1].state, msoButtonUp);
    EXPECT_TRUE(LastPopup(*host).items[TabMenuItem::Rename - 1].enabled) << "saved";

    host->CloseProject(L"A.mpp");
    Refresh();
    const tabctl::PixelRect only = Control().TabRect(0);
    Click(WM_RBUTTONDOWN, WM_RBUTTONUP, {only.right + 60, (only.top + only.bottom) / 2});
    const auto barMenu = LastPopup(*host);
    EXPECT_EQ(barMenu.bar, L"PupTabNoOnItem");
    ASSERT_EQ(barMenu.items.size(), 10u);
    for (std::int32_t item = 1; item <= 10; ++item) {
        const bool needsTwo = item == BarMenuItem::CloseOther || item == BarMenuItem::CloseAll ||
                              item == BarMenuItem::SaveAll;
        EXPECT_EQ(barMenu.items[item - 1].enabled, !needsTwo) << item;
    }
    EXPECT_EQ(host->CommandBars().Popups().size(), 3u);
}

class HotKeysInHost : public TabClicks {
  protected:
    void Press(int id, UINT modifiers, UINT key) {
        SetForegroundWindow(host->MainWindow());
        SetActiveWindow(host->MainWindow());
        ASSERT_EQ(GetActiveWindow(), host->MainWindow());
        host->PressHotKey(id, modifiers, key);
        host->Pump();
    }
};

TEST_F(HotKeysInHost, ShowHideWritesTabShowAndReframes) {
    SizeMain(1000, 700);
    ASSERT_TRUE(IsWindowVisible(Bar()));
    Press(401, MOD_WIN, 'Q');
    EXPECT_EQ(Settings.TabShow, 1);
    EXPECT_EQ(StoredSetting(L"TabShow"), 1u);
    EXPECT_FALSE(IsWindowVisible(Bar()));
    EXPECT_TRUE(SameRect(ClientRect(host->Client()), AreaWithoutStrip(host->Client())));
    Press(401, MOD_WIN, 'Q');
    EXPECT_EQ(StoredSetting(L"TabShow"), 0u);
    EXPECT_FALSE(SameRect(ClientRect(host->Client()), AreaWithoutStrip(host->Client())));
}

TEST_F(BarInHost, OnMenuHostsShowHideKeepsTheToolsMenuButtonInStep) {
    StartHost(L"12.0");
    Connect();
    host->OpenProject(L"A.mpp", L"C:\\Plans");
    host->OpenProject(L"B.mpp", L"C:\\Plans");
    Refresh();
    // The first control tagged by the add-in is the Tools menu's "Show Tab bar".
    const auto button = host->CommandBars().FindByTag(L"QUMBAR");
    ASSERT_TRUE(button);
    const auto state = [&] { return host->CommandBars().Describe(button.Get()).state; };
    EXPECT_EQ(host->CommandBars().Describe(button.Get()).caption, L"Show Tab bar");
    EXPECT_EQ(state(), msoButtonDown);
    SetForegroundWindow(host->MainWindow());
    SetActiveWindow(host->MainWindow());
    host->PressHotKey(401, MOD_WIN, 'Q');
    host->Pump();
    EXPECT_EQ(state(), msoButtonUp);
    EXPECT_FALSE(IsWindowVisible(Bar()));
    host->PressHotKey(401, MOD_WIN, 'Q');
    host->Pump();
    EXPECT_EQ(state(), msoButtonDown);
}

TEST_F(HotKeysInHost, NextTabWrapsOverVisibleTabsAndAltNumberPicksOne) {
    host->SetWindowVisible(L"B.mpp", false);
    host->Activate(L"C.mpp");
    Refresh();
    ASSERT_EQ(Control().SelectedIndex(), 2);
    Press(402, MOD_CONTROL, VK_TAB);
    EXPECT_EQ(ActiveName(), L"A.mpp") << "wraps to the first visible tab";
    Refresh();
    Press(402, MOD_CONTROL, VK_TAB);
    EXPECT_EQ(ActiveName(), L"C.mpp") << "skips the hidden window";
    Refresh();
    Press(403, MOD_ALT, '1');
    EXPECT_EQ(ActiveName(), L"A.mpp");
    Refresh();
    Press(404, MOD_ALT, '2');
    EXPECT_EQ(ActiveName(), L"C.mpp") << "the second visible tab";
    Refresh();
    Press(405, MOD_ALT, '3');
    EXPECT_EQ(ActiveName(), L"C.mpp") << "there is no third visible tab";
}

TEST_F(TabClicks, TheExitTimerClosesTheHostsFileDialogAndLeavesOthers) {
    // A file dialog of another program's window, with the same classes.
    HWND stranger = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
    HWND foreign = CreateWindowExW(0, L"#32770", L"Other", WS_POPUP, 0, 0, 100, 100, stranger,
                                   nullptr, nullptr, nullptr);
    host->OpenProject(L"Draft.mpp");
    host->Save(L"Draft.mpp");
    ASSERT_NE(host->FileDialog(), nullptr);
    HWND view = FindWindowExW(host->FileDialog(), nullptr, L"DUIViewWndClassName", nullptr);
    ASSERT_NE(view, nullptr);
    CreateWindowExW(0, L"DUIViewWndClassName", L"", WS_CHILD, 0, 0, 10, 10, foreign, nullptr,
                    nullptr, nullptr);
    host->SetAlerts(false);

    Form()->StartTimer();
    for (int i = 0; i < 100 && host->FileDialog(); ++i) {
        Sleep(10);
        host->Pump();
    }
    EXPECT_EQ(host->FileDialog(), nullptr);
    EXPECT_TRUE(host->Alerts());
    EXPECT_TRUE(IsWindow(foreign));
    DestroyWindow(foreign);
    DestroyWindow(stranger);
}

TEST_F(TabClicks, UnhookingGivesTheStripBack) {
    SizeMain(1000, 700);
    const HWND bar = Bar();
    ASSERT_FALSE(SameRect(ClientRect(host->Client()), AreaWithoutStrip(host->Client())));
    Disconnect();
    EXPECT_TRUE(SameRect(ClientRect(host->Client()), AreaWithoutStrip(host->Client())));
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_EQ(ChildHandles.Count(), 0u);
    SizeMain(900, 650);
    EXPECT_TRUE(SameRect(ClientRect(host->Client()), AreaWithoutStrip(host->Client())));
}

TEST_F(TabClicks, AFailingHostMemberChangesNothingFatal) {
    host->Fail(standin::ObjectKind::Application, L"Windows");
    host->Fail(standin::ObjectKind::Project, L"FullName");
    host->Fail(standin::ObjectKind::Window, L"Caption");
    // Nor does the pane event find D's window object to record.
    host->Fail(standin::ObjectKind::Application, L"ActiveWindow");
    host->OpenProject(L"D.mpp", L"C:\\Plans");
    Refresh();
    ASSERT_EQ(Control().Count(), 4);
    // The new tab takes its caption from its window's own text.
    EXPECT_EQ(Control().Caption(3), L"  D.mpp  ");
    EXPECT_EQ(Control().Caption(0), L"  A.mpp  ");
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP, TabCentre(1));
    EXPECT_EQ(ActiveName(), L"B.mpp");
    host->HealAll();
    Refresh();
    EXPECT_EQ(Control().ToolTip(3), L"C:\\Plans\\D.mpp");
}

}  // namespace
}  // namespace morvane::test
