#include "addin/tabbar/frmMorvane.h"

#include <cmath>
#include <set>
#include <utility>

#include "addin/state/ScopedFlag.h"
#include "addin/tabbar/TabBarColors.h"
#include "addin/tabbar/TabBarRules.h"
#include "addin/tabbar/WindowMessages.h"
#include "host/MenuBars.h"
#include "shared/mdPub.h"
#include "shared/mdReg.h"

namespace morvane {

namespace {

using tabctl::ColorStyle;
using tabctl::PaintSwitch;
using tabctl::ToolTipSwitch;

constexpr const wchar_t* DocWindowClass = L"Winproj-DocWindowClass";
constexpr const wchar_t* DialogClass = L"#32770";
constexpr const wchar_t* FileDialogViewClass = L"DUIViewWndClassName";
constexpr std::int32_t NewCommandId = 2520;
// How long the exit timer looks for the host's file dialog, in milliseconds.
constexpr std::uint32_t ExitTimeOut = 2000;

// A project's tool tip (its full name) and whether it holds unsaved changes.
struct ProjectFacts {
    std::optional<std::wstring> fullName;
    std::optional<bool> saved;
};

ProjectFacts FactsOf(const HostWindowPtr& window) {
    const auto project = window ? window->Project() : nullptr;
    if (!project) {
        return {};
    }
    return {project->FullName(), project->Saved()};
}

// A host window's caption and its project's full name; none without a caption.
std::optional<std::pair<std::wstring, std::wstring>> IdentityOf(const HostWindowPtr& window) {
    const auto caption = window ? window->Caption() : std::nullopt;
    if (!caption) {
        return std::nullopt;
    }
    const auto project = window->Project();
    const auto fullName = project ? project->FullName() : std::nullopt;
    return std::make_pair(*caption, fullName.value_or(L""));
}

// The project a tab's tool tip names: by full name, else by name.
HostProjectPtr ProjectByToolTip(const HostApp* host, const std::wstring& toolTip) {
    const auto projects = host ? host->Projects() : std::nullopt;
    if (!projects) {
        return nullptr;
    }
    for (const auto& project : *projects) {
        if (project && project->FullName() == toolTip) {
            return project;
        }
    }
    for (const auto& project : *projects) {
        if (project && project->Name() == toolTip) {
            return project;
        }
    }
    return nullptr;
}

std::int32_t Round(float value) {
    return static_cast<std::int32_t>(std::nearbyint(value));
}

// Enables every item of a context menu, then, while at most one window is visible, disables
// the items that need more than one.
void EnableItems(CommandBarControls& controls, const AddinState& state,
                 std::initializer_list<std::int32_t> needingMoreWindows) {
    const std::int32_t count = controls.Count().value_or(0);
    for (std::int32_t position = 1; position <= count; ++position) {
        if (auto item = controls.Item(position)) {
            item->SetEnabled(true);
        }
    }
    if (VisibleWindowCount(state) > 1) {
        return;
    }
    for (const auto position : needingMoreWindows) {
        if (auto item = controls.Item(position)) {
            item->SetEnabled(false);
        }
    }
}

}  // namespace

frmMorvane::frmMorvane(TabBarParts parts) : parts_(std::move(parts)) {}

void frmMorvane::Form_Load(const std::wstring& systemFontName) {
    const auto& settings = Settings();
    auto& style = parts_.style;
    if (!systemFontName.empty()) {
        style.SetFont(settings.TabFontName, settings.TabFontSize);
    }
    style.SetPaintSwitch(PaintSwitch::CloseButton, true);
    style.AttachImages();
    style.SetReorder(settings.EnableReorder == 0);
    if (const auto appearance = AppearanceFor(settings.Theme); appearance != NoAppearance) {
        style.SetAppearance(appearance);
    }
    style.SetPaintSwitch(PaintSwitch::HotTracking, true);
    style.SetPaintSwitch(PaintSwitch::Spare, true);
    style.SetPaintSwitch(PaintSwitch::Gloss, false);
    style.SetColorStyle(ColorStyle::ColorSet);
    style.SetToolTipStyle(ToolTipStyleFor(State().HostVersion.Number));
    style.SetToolTipSwitch(ToolTipSwitch::Spare9, true);
    style.SetToolTipSwitch(ToolTipSwitch::Spare10, true);
    if (UsesCustomColors(settings)) {
        ChangCustomColor();
    } else {
        ChangeDeafultColor();
    }
    UpdateMenu();
}

void frmMorvane::Form_Resize(std::int32_t formWidth, std::int32_t formHeight) {
    auto& strip = parts_.strip;
    State().TabBarSize = MeasuredTabBarSize();
    const auto thickness =
        static_cast<std::int32_t>(std::lround(State().TabBarSize * parts_.windows.TwipsPerPixel()));
    if (IsHorizontal(Settings().Position)) {
        strip.SetHeight(thickness);
        strip.SetWidth(formWidth - strip.Left());
    } else {
        strip.SetLeft(0);
        strip.SetWidth(thickness);
        strip.SetHeight(formHeight - strip.Top());
    }
}

void frmMorvane::Form_Unload() {
    if (parts_.exitTimer) {
        parts_.exitTimer(false);
    }
}

void frmMorvane::UpdateMenu() {
    if (pairing_) {
        return;
    }
    auto& strip = parts_.strip;
    auto& windows = parts_.windows;
    const auto& settings = Settings();
    const WindowHandle active = windows.MdiGetActive(State().hMDIClient);
    if (active == 0) {
        return;
    }
    const bool horizontal = IsHorizontal(settings.Position);
    const std::int32_t offset = StripOffset(settings.Theme);
    strip.SetTop(horizontal ? 0 : -offset);
    strip.SetLeft(horizontal ? -offset : 0);
    if (const auto layout = TabLayoutFor(settings.TbLayout)) {
        strip.SetLayout(*layout);
    }
    strip.SetMaxTabWidth(settings.MaxWidth);
    strip.SetFixedTabWidth(FixedTabWidth(settings.FixWidth));
    strip.SetSide(PositionCode(settings.Position));

    if (State().ChildHandles.Count() != State().ProjectWindows.size()) {
        ResynchroniseProjectWindows(active);
    }

    const auto count = static_cast<std::int32_t>(State().ChildHandles.Count());
    strip.SetCount(count);
    for (std::int32_t i = 0; i < count; ++i) {
        FillTab(i, State().ChildHandles.Item(static_cast<std::size_t>(i)));
    }

    for (std::int32_t i = 0; i < strip.Count(); ++i) {
        if (HandleFromText(strip.Tag(i)) == active) {
            strip.Select(i);
            break;
        }
    }

    State().TabBarSize = MeasuredTabBarSize();
}

void frmMorvane::ResynchroniseProjectWindows(WindowHandle active) {
    const auto& host = State().HostApp;
    const auto hostWindows = host ? host->Windows() : std::nullopt;
    if (!hostWindows) {
        return;
    }
    // Two projects of one name from two folders have windows of one caption: each window
    // object takes a handle of its own, and a window object already recorded keeps its handle.
    std::set<WindowIdentity> recorded;
    for (const auto& [key, window] : State().ProjectWindows) {
        if (const auto identity = IdentityOf(window)) {
            recorded.insert(*identity);
        }
    }
    // Activating a window raises the host's activation events: the busy flag keeps the tab
    // selection they make from activating yet another window.
    const ScopedFlag busy(State().Updating);
    const ScopedFlag pairing(pairing_);
    HostWindowPtr previous;
    for (const auto& window : *hostWindows) {
        const auto identity = IdentityOf(window);
        if (!identity || recorded.count(*identity) != 0) {
            continue;
        }
        WindowHandle found = UnrecordedWindow(identity->first);
        // Only activation tells which of several handles of one caption is the window's own. A
        // hidden window stays hidden, and without the active window to go back to nothing is
        // activated: such a window takes a handle as visible as it is.
        if (found != 0 && UnrecordedWindow(identity->first, found) != 0) {
            const auto visible = window->Visible();
            WindowHandle own = 0;
            if (visible.value_or(false)) {
                if (!previous) {
                    previous = host->ActiveWindow();
                }
                own = previous ? HandleByActivating(*window, *identity) : 0;
            }
            found = own != 0 ? own : UnrecordedWindowAsVisible(identity->first, visible);
        }
        if (found == 0) {
            continue;
        }
        const auto [at, added] = State().ProjectWindows.emplace(HandleText(found), window);
        if (added || IdentityOf(at->second) == identity) {
            recorded.insert(*identity);
        }
    }
    if (previous && parts_.windows.MdiGetActive(State().hMDIClient) != active) {
        previous->Activate();
    }
}

WindowHandle frmMorvane::HandleByActivating(HostWindow& window, const WindowIdentity& identity) {
    auto& windows = parts_.windows;
    if (!window.Activate()) {
        return 0;
    }
    const WindowHandle own = windows.MdiGetActive(State().hMDIClient);
    if (own == 0 || windows.WindowText(own) != identity.first) {
        return 0;
    }
    // The host's activation events may have recorded the window under its handle already.
    const auto known = State().ProjectWindows.find(HandleText(own));
    if (known != State().ProjectWindows.end() && IdentityOf(known->second) != identity) {
        return 0;
    }
    return own;
}

WindowHandle frmMorvane::UnrecordedWindow(const std::wstring& caption, WindowHandle after) {
    auto& windows = parts_.windows;
    const WindowHandle client = State().hMDIClient;
    WindowHandle found = after;
    do {
        found = windows.FindByClass(client, found, DocWindowClass, caption);
    } while (found != 0 && State().ProjectWindows.count(HandleText(found)) != 0);
    return found;
}

WindowHandle frmMorvane::UnrecordedWindowAsVisible(const std::wstring& caption,
                                                   std::optional<bool> visible) {
    const WindowHandle first = UnrecordedWindow(caption);
    if (!visible) {
        return first;
    }
    for (WindowHandle found = first; found != 0; found = UnrecordedWindow(caption, found)) {
        if (parts_.windows.IsWindowVisible(found) == *visible) {
            return found;
        }
    }
    return first;
}

std::int32_t frmMorvane::MeasuredTabBarSize() const {
    const auto& strip = parts_.strip;
    const double px = parts_.windows.TwipsPerPixel();
    return IsHorizontal(Settings().Position)
               ? StripThickness(strip.Height(), strip.PageAreaHeight(), px)
               : StripThickness(strip.Width(), strip.PageAreaWidth(), px);
}

void frmMorvane::FillTab(std::int32_t index, WindowHandle handle) {
    auto& strip = parts_.strip;
    const std::wstring key = HandleText(handle);
    const auto known = State().ProjectWindows.find(key);
    std::optional<std::wstring> caption;
    ProjectFacts facts;
    if (known != State().ProjectWindows.end() && known->second) {
        caption = known->second->Caption();
        facts = FactsOf(known->second);
    } else {
        // A window the host's collection did not name: its own text, and the project of the
        // first host window that bears that text.
        caption = parts_.windows.WindowText(handle);
        if (State().HostApp) {
            facts = FactsOf(State().HostApp->WindowByCaption(*caption));
        }
    }
    if (caption) {
        std::wstring text = TabCaption(*caption);
        if (facts.saved == false) {
            text += UnsavedMark;
        }
        strip.SetCaption(index, text);
    }
    if (facts.fullName) {
        strip.SetToolTip(index, *facts.fullName);
    }
    strip.SetImage(index, State().LockedProjects.count(strip.ToolTip(index)) != 0
                              ? TabImage::LockedProject
                              : TabImage::Project);
    strip.SetTag(index, key);
    strip.SetVisible(index, parts_.windows.IsWindowVisible(handle));
}

void frmMorvane::ChangeDeafultColor() {
    if (State().HostVersion.Number <= 12) {
        return;
    }
    // A failed read keeps the scheme as it was.
    if (State().Registry) {
        mdReg::GetRegValue(
            *State().Registry, RootKey::CurrentUser,
            L"Software\\Microsoft\\Office\\" + State().HostVersion.Text + L"\\Common", L"Theme",
            State().OfficeTheme);
    }
    parts_.style.SetColorStyle(ColorStyle::Office);
    if (const auto preset = OfficePreset(State().OfficeTheme)) {
        for (const auto& entry : *preset) {
            parts_.style.SetColor(entry.member, entry.color);
        }
    }
    parts_.style.Refresh();
}

void frmMorvane::ChangCustomColor() {
    parts_.style.SetPaintSwitch(PaintSwitch::Gloss, false);
    parts_.style.SetColorStyle(ColorStyle::ColorSet);
    for (const auto& entry : CustomColors(Settings())) {
        parts_.style.SetColor(entry.member, entry.color);
    }
}

void frmMorvane::StartTimer() {
    mExitTimerStart = parts_.windows.TickCount();
    if (parts_.exitTimer) {
        parts_.exitTimer(true);
    }
}

std::optional<WindowHandle> frmMorvane::TabWindow(std::int32_t index) const {
    return HandleFromText(parts_.strip.Tag(index));
}

void frmMorvane::CloseTab(std::int32_t index) {
    if (const auto window = TabWindow(index)) {
        parts_.windows.Post(*window, wm::Close, 0, 0);
    }
}

void frmMorvane::ForgetClick() {
    mLastClickTick = 0;
    mLastClickName.clear();
}

void frmMorvane::TabProject_SelectionChanged(std::int32_t index) {
    if (State().Updating) {
        return;
    }
    if (const auto window = TabWindow(index)) {
        parts_.windows.Post(State().hMDIClient, wm::MdiActivate,
                            static_cast<std::uintptr_t>(*window), 0);
    }
}

bool frmMorvane::InBlindZone(float x, float y) const {
    const auto& strip = parts_.strip;
    const bool horizontal = IsHorizontal(Settings().Position);
    const double p = horizontal ? x : y;
    const double e = horizontal ? strip.Width() : strip.Height();
    const double d = e - p;
    const double px = parts_.windows.TwipsPerPixel();
    // The zone covers the control's own buttons exactly, at whatever size the screen's
    // resolution gives them: a click on them is never a click on a tab or the blank bar.
    const FarEndButtons buttons = strip.ButtonLengths();
    if (buttons.close * px > d) {
        return true;
    }
    if (strip.BlindZoneValue() != 0 && buttons.closeAndArrows * px > d) {
        return true;
    }
    if (buttons.closeAndArrows * px > d) {
        double farEdge = 0;
        const std::int32_t count = strip.Count();
        if (count > 0) {
            if (const auto last = strip.Rectangle(count - 1)) {
                farEdge = horizontal ? last->right : last->bottom;
            }
        }
        return e - px * farEdge < 30.0;
    }
    return false;
}

void frmMorvane::TabProject_MouseDown(std::int32_t button, std::int32_t, float x, float y) {
    if (InBlindZone(x, y)) {
        return;
    }
    mDblClickTime = parts_.windows.DoubleClickTime();
    const auto& settings = Settings();
    const auto hit = [&] { return parts_.strip.HitTest(Round(x), Round(y)); };
    switch (button) {
        case LeftButton:
            LeftDown(hit());
            break;
        case RightButton:
            if (const auto tab = hit()) {
                ShowTabMenu(*tab);
            } else {
                ShowBarMenu();
            }
            break;
        case MiddleButton:
            if (settings.EnableMiddle == 0) {
                if (const auto tab = hit()) {
                    parts_.strip.Select(*tab);
                    CloseTab(*tab);
                    ForgetClick();
                }
            }
            break;
        default:
            break;
    }
    mLastButton = button;
}

void frmMorvane::LeftDown(std::optional<std::int32_t> tab) {
    const auto& settings = Settings();
    auto& windows = parts_.windows;
    // What this click hit: the tab's window (its handle text), or the blank bar. Two tabs of
    // one name are two windows, so a click on each is no double click.
    // A click that takes no part in double clicks still ends the pair a first click began.
    std::wstring name;
    if (tab) {
        if (settings.DoubleC != 0) {
            ForgetClick();
            return;
        }
        if (parts_.strip.Reorder()) {
            // With dragging allowed the control reports only the closing double-click.
            CloseTab(*tab);
            ForgetClick();
            return;
        }
        name = parts_.strip.Tag(*tab);
    } else {
        if (settings.EnableCreate != 0) {
            ForgetClick();
            return;
        }
        name = BlankBarMarker;
    }
    const std::uint32_t now = windows.TickCount();
    if (mLastClickName == name && mLastButton == LeftButton &&
        now - mLastClickTick < mDblClickTime) {
        if (tab) {
            CloseTab(*tab);
        } else if (State().HostCommandBars) {
            if (auto command = State().HostCommandBars->FindControlById(NewCommandId)) {
                command->Execute();
            }
        }
        ForgetClick();
        return;
    }
    mLastClickTick = windows.TickCount();
    mLastClickName = name;
}

void frmMorvane::ShowTabMenu(std::int32_t tab) {
    parts_.strip.Select(tab);
    const auto controls = State().BarPupTabOnItem ? State().BarPupTabOnItem->Controls() : nullptr;
    if (!controls) {
        return;
    }
    EnableItems(*controls, State(),
                {TabMenuItem::CloseOther, TabMenuItem::CloseAll, TabMenuItem::SaveAll});
    const std::wstring toolTip = parts_.strip.ToolTip(tab);
    if (const auto project = ProjectByToolTip(State().HostApp.get(), toolTip)) {
        if (project->Path() == std::wstring()) {
            for (const auto position : {TabMenuItem::OpenFolder, TabMenuItem::Rename}) {
                if (auto item = controls->Item(position)) {
                    item->SetEnabled(false);
                }
            }
        }
    }
    if (auto lock = controls->Item(TabMenuItem::Lock)) {
        lock->SetState(State().LockedProjects.count(toolTip) != 0 ? msoButtonDown : msoButtonUp);
    }
    State().BarPupTabOnItem->ShowPopup();
}

void frmMorvane::ShowBarMenu() {
    const auto controls =
        State().BarPupTabNoOnItem ? State().BarPupTabNoOnItem->Controls() : nullptr;
    if (!controls) {
        return;
    }
    EnableItems(*controls, State(),
                {BarMenuItem::CloseOther, BarMenuItem::CloseAll, BarMenuItem::SaveAll});
    State().BarPupTabNoOnItem->ShowPopup();
}

void frmMorvane::TabProject_CloseButtonClick(bool& cancel) {
    auto& strip = parts_.strip;
    const ScreenPoint point = parts_.windows.CursorIn(strip.ControlWindow());
    const double px = parts_.windows.TwipsPerPixel();
    const auto tab = strip.HitTest(static_cast<std::int32_t>(std::nearbyint(point.x * px)),
                                   static_cast<std::int32_t>(std::nearbyint(point.y * px)));
    if (tab) {
        strip.Select(*tab);
        CloseTab(*tab);
    }
    // The control never closes a tab itself: tabs follow the windows.
    cancel = true;
}

void frmMorvane::TabProject_TabMoved(std::int32_t index, std::int32_t newIndex) {
    State().ChildHandles.MoveTo(parts_.strip.Tag(index),
                                static_cast<std::size_t>(newIndex < 0 ? 0 : newIndex));
}

void frmMorvane::Timer_ProExit_Timer() {
    auto& windows = parts_.windows;
    WindowHandle dialog = 0;
    while ((dialog = windows.FindByClass(0, dialog, DialogClass, std::nullopt)) != 0) {
        if (windows.Parent(dialog) == mParentHwnd &&
            windows.FindByClass(dialog, 0, FileDialogViewClass, std::nullopt) != 0) {
            windows.Post(dialog, wm::Close, 0, 0);
            if (parts_.exitTimer) {
                parts_.exitTimer(false);
            }
            if (State().HostApp) {
                State().HostApp->SetAlerts(true);
            }
            return;
        }
    }
    // A host that stays open (a prompt cancelled, a locked project held back) shows no dialog:
    // the timer must not wait on and close the user's next Open or Save As dialog.
    if (windows.TickCount() - mExitTimerStart >= ExitTimeOut && parts_.exitTimer) {
        parts_.exitTimer(false);
    }
}

}  // namespace morvane
