// The menus built over the adapter on the stand-in host's command bars, as the add-in builds them
// when it connects.
#include <gtest/gtest.h>

#include "StandinBars_win.h"
#include "host/MenuBars.h"
#include "addin/Menus.h"
#include "shared/Office_win.h"

namespace morvane::test {
namespace {

using standin::ControlInfo;

// The add-in state the menus fill. Declared after the host's bars: it holds the host's objects,
// which go before the apartment does.
struct MenuGlobals {
    AddinState state;

    // The menus of a host of that version with TabShow as given.
    CommandBarControlPtr Create(CommandBars& bars, int hostVersion, std::int32_t tabShow,
                                const MenuText& text) {
        state.HostVersion = ParseHostVersion(std::to_wstring(hostVersion) + L".0");
        state.Settings.TabShow = tabShow;
        return CreateMenus(bars, state, text);
    }
};

// The add-in's entries of the Tools menu (the host's own come first).
std::vector<ControlInfo> ToolsEntries(const StandinBars& s) {
    std::vector<ControlInfo> entries;
    for (const auto& item : s.host->BarControls(L"&Tools")) {
        if (item.tag == MenuTag) {
            entries.push_back(item);
        }
    }
    return entries;
}

// Every control that bears the tag, on every bar and menu.
std::size_t TaggedCount(const StandinBars& s) {
    std::size_t count = 0;
    auto names = s.host->BarNames();
    names.insert(names.end(), {L"&File", L"&Tools"});
    for (const auto& name : names) {
        for (const auto& item : s.host->BarControls(name)) {
            count += item.tag == MenuTag ? 1 : 0;
        }
    }
    return count;
}

template <std::size_t N>
void ExpectContextMenu(StandinBars& s, const wchar_t* name, const std::array<MenuEntry, N>& entries,
                       const MenuText& text = {}) {
    SCOPED_TRACE(name);
    const auto bar = s.BarObject(name);
    ASSERT_TRUE(bar);
    long position = 0;
    bool enabled = false;
    bool visible = false;
    EXPECT_TRUE(Read(bar.Get(), L"Position").ToInt(position));
    EXPECT_EQ(position, office::msoBarPopup);
    EXPECT_TRUE(Read(bar.Get(), L"Enabled").ToBool(enabled) && enabled);
    EXPECT_TRUE(Read(bar.Get(), L"Visible").ToBool(visible) && visible);
    const auto items = s.host->BarControls(name);
    ASSERT_EQ(items.size(), N);
    for (std::size_t i = 0; i < N; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(items[i].type, standin::msoControlButton);
        EXPECT_EQ(items[i].caption,
                  text ? text(entries[i].key, entries[i].caption) : entries[i].caption);
        EXPECT_EQ(items[i].tag, L"QUMBAR");
        EXPECT_EQ(items[i].parameter, entries[i].parameter);
        EXPECT_EQ(items[i].faceId, entries[i].faceId);
        EXPECT_EQ(items[i].beginGroup, entries[i].beginGroup);
        EXPECT_FALSE(items[i].temporary);
    }
}

class CreateMenusOverDispatch : public ::testing::Test {
  protected:
    StandinBars s;
    MenuGlobals globals;
};

TEST(CreateMenusOnMenuHosts, TheToolsEntriesAndBothContextMenus) {
    struct Case {
        int hostVersion;
        std::int32_t tabShow;
        long showState;
    };
    const MenuText text = [](const std::wstring& key, const std::wstring& caption) {
        return key == L"AboutTab" ? std::wstring(L"\u00dcber Morvane") : caption;
    };
    for (const Case c : {Case{12, 0, office::msoButtonDown}, Case{11, 1, office::msoButtonUp}}) {
        SCOPED_TRACE(c.hostVersion);
        StandinBars s;
        MenuGlobals globals;
        const auto last = globals.Create(s.bars, c.hostVersion, c.tabShow, text);
        const auto tools = ToolsEntries(s);
        ASSERT_EQ(tools.size(), ToolsMenuEntries.size());
        for (std::size_t i = 0; i < tools.size(); ++i) {
            EXPECT_EQ(tools[i].parameter, ToolsMenuEntries[i].parameter);
            EXPECT_TRUE(tools[i].temporary);
            EXPECT_EQ(tools[i].beginGroup, i == 0);
        }
        EXPECT_EQ(tools[0].caption, L"Show Tab bar");
        EXPECT_EQ(tools[0].state, c.showState);
        EXPECT_EQ(tools[1].caption, L"&Morvane Options...");
        EXPECT_EQ(tools[2].caption, L"\u00dcber Morvane");
        ASSERT_TRUE(globals.state.BtnShowTabBar);
        EXPECT_EQ(globals.state.BtnShowTabBar->Parameter(), L"show_Project");

        ExpectContextMenu(s, PupTabOnItemName, PupTabOnItemEntries, text);
        ExpectContextMenu(s, PupTabNoOnItemName, PupTabNoOnItemEntries, text);
        EXPECT_EQ(s.host->BarControls(PupTabOnItemName)[13].caption, L"\u00dcber Morvane");
        ASSERT_TRUE(last);
        EXPECT_EQ(last->Parameter(), L"About");
        EXPECT_EQ(DispatchOf(*last).Get(),
                  DispatchOf(*globals.state.BarPupTabNoOnItem->Controls()->Item(10)).Get());
        EXPECT_EQ(TaggedCount(s), 27u);
    }
}

TEST_F(CreateMenusOverDispatch, RibbonHostsGetBothContextMenusOnly) {
    const auto last = globals.Create(s.bars, 14, 0, {});
    EXPECT_TRUE(ToolsEntries(s).empty());
    EXPECT_EQ(s.host->BarControls(L"&Tools").size(), 1u);  // the host's own entry
    EXPECT_FALSE(globals.state.BtnShowTabBar);
    ExpectContextMenu(s, PupTabOnItemName, PupTabOnItemEntries);
    ExpectContextMenu(s, PupTabNoOnItemName, PupTabNoOnItemEntries);
    EXPECT_TRUE(last);
}

TEST_F(CreateMenusOverDispatch, ASecondConnectionSweepsTheFirstOnesControls) {
    globals.Create(s.bars, 12, 0, {});
    // A control of an earlier connection on a bar of its own.
    const auto stray = s.bars.AddPopupBar(L"Earlier")->Controls()->AddButton(false);
    ASSERT_TRUE(stray && stray->SetTag(MenuTag));
    EXPECT_EQ(TaggedCount(s), 28u);

    globals.Create(s.bars, 12, 0, {});
    EXPECT_EQ(ToolsEntries(s).size(), 3u);
    EXPECT_EQ(TaggedCount(s), 27u);
    EXPECT_TRUE(s.host->BarControls(L"Earlier").empty());
    EXPECT_EQ(
        s.host->BarNames(),
        (std::vector<std::wstring>{L"Menu Bar", L"Earlier", PupTabOnItemName, PupTabNoOnItemName}));
    ExpectContextMenu(s, PupTabOnItemName, PupTabOnItemEntries);
    ExpectContextMenu(s, PupTabNoOnItemName, PupTabNoOnItemEntries);
}

TEST(CreateMenusOnAStubbornHost, TheSweepEndsAtAControlTheHostWillNotDelete) {
    struct Case {
        standin::DeleteFault fault;
        long stuck;               // position in the Tools menu, after the host's own entry
        std::int32_t toolsItems;  // after the second connection
    };
    // Fails: the sweep stops at the first entry. Ignored: it deletes the first and stops when the
    // second comes back.
    for (const Case c :
         {Case{standin::DeleteFault::Fails, 2, 7}, Case{standin::DeleteFault::Ignored, 3, 6}}) {
        StandinBars s;
        MenuGlobals globals;
        globals.Create(s.bars, 12, 0, {});
        const auto tools = s.bars.FindControlById(ToolsMenuId)->Controls();
        s.host->SetDeleteFault(DispatchOf(*tools->Item(c.stuck)).Get(), c.fault);
        globals.Create(s.bars, 12, 0, {});
        EXPECT_EQ(tools->Count(), c.toolsItems);
        ASSERT_TRUE(globals.state.BtnShowTabBar);
        EXPECT_EQ(s.host->Describe(DispatchOf(*globals.state.BtnShowTabBar).Get()).state,
                  office::msoButtonDown);
        ExpectContextMenu(s, PupTabOnItemName, PupTabOnItemEntries);
    }
}

TEST_F(CreateMenusOverDispatch, EveryControlsClickReachesTheOneHandler) {
    const auto last = globals.Create(s.bars, 12, 0, {});
    ASSERT_TRUE(last);
    std::vector<std::wstring> commands;
    auto connection = last->OnClick([&](const CommandBarControlPtr& clicked, bool& cancel) {
        commands.push_back(clicked ? clicked->Parameter().value_or(L"?") : L"-");
        EXPECT_FALSE(cancel);
    });
    ASSERT_TRUE(connection);

    std::vector<std::wstring> expected;
    const auto tools = s.bars.FindControlById(ToolsMenuId)->Controls();
    for (std::int32_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(s.host->Click(DispatchOf(*tools->Item(i + 2)).Get()).clicked);
        expected.push_back(ToolsMenuEntries[static_cast<std::size_t>(i)].parameter);
    }
    for (long i = 1; i <= 14; ++i) {
        EXPECT_EQ(s.host->ClickItem(PupTabOnItemName, i).handlers, 1);
        expected.push_back(PupTabOnItemEntries[static_cast<std::size_t>(i - 1)].parameter);
    }
    for (long i = 1; i <= 10; ++i) {
        EXPECT_EQ(s.host->ClickItem(PupTabNoOnItemName, i).handlers, 1);
        expected.push_back(PupTabNoOnItemEntries[static_cast<std::size_t>(i - 1)].parameter);
    }
    EXPECT_EQ(commands, expected);
}

TEST_F(CreateMenusOverDispatch, TheTabMenuShowsWithTheItemsAsTheBarSetThem) {
    globals.Create(s.bars, 14, 0, {});
    const auto items = globals.state.BarPupTabOnItem->Controls();
    ASSERT_TRUE(items);
    EXPECT_TRUE(items->Item(TabMenuItem::CloseOther)->SetEnabled(false));
    EXPECT_TRUE(items->Item(TabMenuItem::Lock)->SetState(msoButtonDown));
    EXPECT_TRUE(globals.state.BarPupTabOnItem->ShowPopup());
    ASSERT_EQ(s.host->Popups().size(), 1u);
    const auto& shown = s.host->Popups()[0];
    EXPECT_EQ(shown.bar, PupTabOnItemName);
    EXPECT_TRUE(shown.atCursor);
    ASSERT_EQ(shown.items.size(), 14u);
    for (std::size_t i = 0; i < shown.items.size(); ++i) {
        EXPECT_EQ(shown.items[i].enabled, i + 1 != TabMenuItem::CloseOther) << i;
    }
    EXPECT_EQ(shown.items[TabMenuItem::Lock - 1].state, msoButtonDown);
}

}  // namespace
}  // namespace morvane::test
