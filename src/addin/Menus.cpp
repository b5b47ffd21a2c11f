#include "addin/Menus.h"

#include "host/MenuBars.h"

namespace morvane {

namespace {

// The entries both context menus share.
constexpr MenuEntry NewEntry{L"New", L"&New", L"New_Project", 2520, false};
constexpr MenuEntry OpenEntry{L"Open", L"&Open...", L"Open", 23, false};
constexpr MenuEntry CloseEntry{L"Close", L"&Close", L"Close_Project", 106, true};
constexpr MenuEntry CloseOtherEntry{L"CloseInactiveProject", L"Close Other &Tabs",
                                    L"CloseOther_Project", 0, false};
constexpr MenuEntry CloseAllEntry{L"CloseAll", L"Clos&e All Tabs", L"CloseAll_Project", 0, false};
constexpr MenuEntry SaveEntry{L"Save", L"&Save", L"Save_Project", 3, true};
constexpr MenuEntry SaveAllEntry{L"SaveAll", L"Sa&ve All", L"SaveAll_Project", 0, false};
constexpr MenuEntry HelpEntry{L"Help", L"Online &Help", L"Help", 0, true};
constexpr MenuEntry OptionsEntry{L"MorvaneOptions", L"&Morvane Options...", L"Option_Project", 0,
                                 false};
constexpr MenuEntry AboutEntry{L"AboutTab", L"About Morvane", L"About", 0, false};

constexpr MenuEntry StartingGroup(MenuEntry entry) {
    entry.beginGroup = true;
    return entry;
}

}  // namespace

const std::array<MenuEntry, 3> ToolsMenuEntries = {{
    {L"ShowTabBar", L"Show Tab bar", L"show_Project", 0, true},
    OptionsEntry,
    AboutEntry,
}};

const std::array<MenuEntry, 14> PupTabOnItemEntries = {{
    NewEntry,
    OpenEntry,
    CloseEntry,
    CloseOtherEntry,
    CloseAllEntry,
    SaveEntry,
    {L"SaveAs", L"Save &As...", L"SaveAs_Project", 748, true},
    SaveAllEntry,
    {L"OpenFolder", L"Open Fol&der", L"OpenDir_Project", 0, true},
    {L"Rename", L"&Rename...", L"Rename_Project", 0, false},
    {L"LockProject", L"&Lock Project", L"Lock_Project", 0, false},
    HelpEntry,
    OptionsEntry,
    AboutEntry,
}};

const std::array<MenuEntry, 10> PupTabNoOnItemEntries = {{
    NewEntry,
    OpenEntry,
    CloseEntry,
    CloseOtherEntry,
    CloseAllEntry,
    SaveEntry,
    StartingGroup(SaveAllEntry),
    HelpEntry,
    OptionsEntry,
    AboutEntry,
}};

namespace {

std::wstring CaptionOf(const MenuEntry& entry, const MenuText& text) {
    return text ? text(entry.key, entry.caption) : std::wstring(entry.caption);
}

// Adds one button and sets its properties in the menus' order; returns it (or nullptr).
CommandBarControlPtr AddEntry(CommandBarControls& controls, const MenuEntry& entry,
                              const MenuText& text, bool temporary,
                              std::optional<std::int32_t> state) {
    auto button = controls.AddButton(temporary);
    if (!button) {
        return nullptr;
    }
    button->SetCaption(CaptionOf(entry, text));
    if (state) {
        button->SetState(*state);
    }
    button->SetTag(MenuTag);
    button->SetParameter(entry.parameter);
    if (entry.faceId != 0) {
        button->SetFaceId(entry.faceId);
    }
    if (entry.beginGroup) {
        button->SetBeginGroup(true);
    }
    return button;
}

template <std::size_t N>
CommandBarPtr BuildContextMenu(CommandBars& bars, const wchar_t* name,
                               const std::array<MenuEntry, N>& entries, const MenuText& text,
                               CommandBarControlPtr& last) {
    if (auto old = bars.Bar(name)) {
        old->Delete();
    }
    auto bar = bars.AddPopupBar(name);
    if (!bar) {
        return nullptr;
    }
    if (auto controls = bar->Controls()) {
        for (const auto& entry : entries) {
            if (auto button = AddEntry(*controls, entry, text, false, std::nullopt)) {
                last = button;
            }
        }
    }
    bar->SetEnabled(true);
    bar->SetVisible(true);
    return bar;
}

// The Tools-menu entries; the first, the show entry, is returned.
CommandBarControlPtr BuildToolsMenu(CommandBars& bars, std::int32_t tabShow, const MenuText& text) {
    auto tools = bars.FindControlById(ToolsMenuId);
    auto controls = tools ? tools->Controls() : nullptr;
    if (!controls) {
        return nullptr;
    }
    CommandBarControlPtr showEntry;
    for (std::size_t i = 0; i < ToolsMenuEntries.size(); ++i) {
        std::optional<std::int32_t> state;
        if (i == 0) {
            state = tabShow == 0 ? msoButtonDown : msoButtonUp;
        }
        auto button = AddEntry(*controls, ToolsMenuEntries[i], text, true, state);
        if (i == 0) {
            showEntry = button;
        }
    }
    return showEntry;
}

}  // namespace

int SweepStaleControls(CommandBars& bars) {
    int deleted = 0;
    CommandBarControlPtr previous;
    while (auto found = bars.FindControlByTag(MenuTag)) {
        if (previous && found->Identity() == previous->Identity()) {
            break;
        }
        if (!found->Delete()) {
            break;
        }
        ++deleted;
        // Held so that a new control cannot take the deleted one's identity.
        previous = found;
    }
    return deleted;
}

CommandBarControlPtr CreateMenus(CommandBars& bars, AddinState& state, const MenuText& text) {
    state.BtnShowTabBar = nullptr;
    if (state.HostVersion.Number < 14) {
        SweepStaleControls(bars);
        state.BtnShowTabBar = BuildToolsMenu(bars, state.Settings.TabShow, text);
    }
    CommandBarControlPtr last;
    state.BarPupTabOnItem =
        BuildContextMenu(bars, PupTabOnItemName, PupTabOnItemEntries, text, last);
    state.BarPupTabNoOnItem =
        BuildContextMenu(bars, PupTabNoOnItemName, PupTabNoOnItemEntries, text, last);
    return last;
}

}  // namespace morvane
