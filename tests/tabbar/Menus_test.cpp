#include "addin/Menus.h"

#include <gtest/gtest.h>

#include "TabBarFixture.h"
#include "host/MenuBars.h"
#include "support/FakeCommandBars.h"

namespace morvane::test {
namespace {

template <std::size_t N>
std::vector<std::wstring> Parameters(const std::array<MenuEntry, N>& entries) {
    std::vector<std::wstring> parameters;
    for (const auto& entry : entries) {
        parameters.emplace_back(entry.parameter);
    }
    return parameters;
}

TEST(MenuTables, CommandsInTheirPlaces) {
    EXPECT_EQ(Parameters(ToolsMenuEntries),
              (std::vector<std::wstring>{L"show_Project", L"Option_Project", L"About"}));
    EXPECT_EQ(
        Parameters(PupTabOnItemEntries),
        (std::vector<std::wstring>{L"New_Project", L"Open", L"Close_Project", L"CloseOther_Project",
                                   L"CloseAll_Project", L"Save_Project", L"SaveAs_Project",
                                   L"SaveAll_Project", L"OpenDir_Project", L"Rename_Project",
                                   L"Lock_Project", L"Help", L"Option_Project", L"About"}));
    EXPECT_EQ(
        Parameters(PupTabNoOnItemEntries),
        (std::vector<std::wstring>{L"New_Project", L"Open", L"Close_Project", L"CloseOther_Project",
                                   L"CloseAll_Project", L"Save_Project", L"SaveAll_Project",
                                   L"Help", L"Option_Project", L"About"}));
    // The positions the tab bar disables and checks name these commands.
    const auto on = [](std::int32_t position) {
        return std::wstring(PupTabOnItemEntries[static_cast<std::size_t>(position) - 1].parameter);
    };
    const auto off = [](std::int32_t position) {
        return std::wstring(
            PupTabNoOnItemEntries[static_cast<std::size_t>(position) - 1].parameter);
    };
    EXPECT_EQ(on(TabMenuItem::CloseOther), L"CloseOther_Project");
    EXPECT_EQ(on(TabMenuItem::CloseAll), L"CloseAll_Project");
    EXPECT_EQ(on(TabMenuItem::SaveAll), L"SaveAll_Project");
    EXPECT_EQ(on(TabMenuItem::OpenFolder), L"OpenDir_Project");
    EXPECT_EQ(on(TabMenuItem::Rename), L"Rename_Project");
    EXPECT_EQ(on(TabMenuItem::Lock), L"Lock_Project");
    EXPECT_EQ(off(BarMenuItem::CloseOther), L"CloseOther_Project");
    EXPECT_EQ(off(BarMenuItem::CloseAll), L"CloseAll_Project");
    EXPECT_EQ(off(BarMenuItem::SaveAll), L"SaveAll_Project");
}

class CreateMenusTest : public ::testing::Test, protected TestState {
  protected:
    FakeCommandBars bars;

    // The menus of a host of that version with TabShow as given.
    CommandBarControlPtr Create(int hostVersion, std::int32_t tabShow, const MenuText& text) {
        state.HostVersion = ParseHostVersion(std::to_wstring(hostVersion) + L".0");
        state.Settings.TabShow = tabShow;
        return CreateMenus(bars, state, text);
    }
};

template <std::size_t N>
void ExpectBar(const FakeBar& bar, const std::array<MenuEntry, N>& entries) {
    EXPECT_TRUE(bar.popup);
    EXPECT_TRUE(bar.temporary);
    EXPECT_TRUE(bar.enabled);
    EXPECT_TRUE(bar.visible);
    ASSERT_EQ(bar.controls->items.size(), N);
    for (std::size_t i = 0; i < N; ++i) {
        const auto& item = *bar.controls->items[i];
        const auto& entry = entries[i];
        EXPECT_EQ(item.caption, entry.caption) << i;
        EXPECT_EQ(item.tag, L"QUMBAR") << i;
        EXPECT_EQ(item.parameter, entry.parameter) << i;
        EXPECT_EQ(item.faceId, entry.faceId) << i;
        EXPECT_EQ(item.beginGroup, entry.beginGroup) << i;
        EXPECT_FALSE(item.temporary) << i;
        std::vector<std::string> order = {"Caption", "Tag", "Parameter"};
        if (entry.faceId != 0) {
            order.push_back("FaceId");
        }
        if (entry.beginGroup) {
            order.push_back("BeginGroup");
        }
        EXPECT_EQ(item.setOrder, order) << i;
    }
}

TEST_F(CreateMenusTest, RibbonHostsGetBothContextMenusOnly) {
    const auto last = Create(14, 0, {});
    EXPECT_TRUE(bars.toolsMenu->children->items.empty());
    EXPECT_FALSE(BtnShowTabBar);
    const auto onItem = bars.FakeBarNamed(L"PupTabOnItem");
    const auto noOnItem = bars.FakeBarNamed(L"PupTabNoOnItem");
    ASSERT_TRUE(onItem && noOnItem);
    EXPECT_EQ(BarPupTabOnItem, onItem);
    EXPECT_EQ(BarPupTabNoOnItem, noOnItem);
    ExpectBar(*onItem, PupTabOnItemEntries);
    ExpectBar(*noOnItem, PupTabNoOnItemEntries);
    EXPECT_EQ(last, noOnItem->controls->items.back());
}

TEST_F(CreateMenusTest, MenuHostsGetTheToolsEntriesWithLocalisedCaptions) {
    const MenuText text = [](const std::wstring& key, const std::wstring& caption) {
        return key == L"ShowTabBar" || key == L"Save" ? L"[" + key + L"]" : caption;
    };
    Create(12, 0, text);
    const auto& tools = bars.toolsMenu->children->items;
    ASSERT_EQ(tools.size(), 3u);
    EXPECT_EQ(tools[0]->caption, L"[ShowTabBar]");
    EXPECT_EQ(tools[0]->state, -1);
    EXPECT_TRUE(tools[0]->beginGroup);
    EXPECT_EQ(tools[0]->setOrder,
              (std::vector<std::string>{"Caption", "State", "Tag", "Parameter", "BeginGroup"}));
    EXPECT_EQ(tools[1]->caption, L"&Morvane Options...");
    EXPECT_EQ(tools[2]->parameter, L"About");
    for (const auto& entry : tools) {
        EXPECT_TRUE(entry->temporary);
        EXPECT_EQ(entry->tag, L"QUMBAR");
    }
    EXPECT_EQ(BtnShowTabBar, tools[0]);
    EXPECT_EQ(bars.FakeBarNamed(L"PupTabOnItem")->At(6).caption, L"[Save]");
    EXPECT_EQ(bars.Tagged(L"QUMBAR").size(), 27u);
}

TEST_F(CreateMenusTest, HiddenBarCreatesTheShowEntryUp) {
    Create(11, 1, {});
    ASSERT_TRUE(BtnShowTabBar);
    EXPECT_EQ(bars.toolsMenu->children->items[0]->state, 0);
}

TEST_F(CreateMenusTest, ConnectingTwiceLeavesOneSet) {
    Create(12, 0, {});
    Create(12, 0, {});
    EXPECT_EQ(bars.toolsMenu->children->items.size(), 3u);
    EXPECT_EQ(bars.Tagged(L"QUMBAR").size(), 27u);
    int onItemBars = 0;
    for (const auto& bar : bars.bars) {
        onItemBars += bar->name == L"PupTabOnItem" && !bar->deleted ? 1 : 0;
    }
    EXPECT_EQ(onItemBars, 1);
}

TEST_F(CreateMenusTest, WithoutAToolsMenuTheContextMenusAreStillBuilt) {
    bars.bars[0]->controls->Erase(bars.toolsMenu.get());
    Create(12, 0, {});
    EXPECT_FALSE(BtnShowTabBar);
    EXPECT_TRUE(BarPupTabOnItem);
    EXPECT_TRUE(BarPupTabNoOnItem);
}

TEST_F(CreateMenusTest, FailingStepsAreSkipped) {
    bars.toolsMenu->children->Fail("Add");
    Create(12, 0, {});
    EXPECT_FALSE(BtnShowTabBar);
    ASSERT_TRUE(BarPupTabOnItem);
    EXPECT_EQ(bars.FakeBarNamed(L"PupTabOnItem")->controls->items.size(), 14u);
}

TEST_F(CreateMenusTest, SweepDeletesEveryTaggedControl) {
    Create(12, 0, {});
    // Controls of an earlier connection on other bars are found too.
    EXPECT_EQ(SweepStaleControls(bars), 27);
    EXPECT_TRUE(bars.Tagged(L"QUMBAR").empty());
}

TEST_F(CreateMenusTest, SweepEndsWhenADeletionFails) {
    Create(12, 0, {});
    bars.toolsMenu->children->items[0]->Fail("Delete");
    EXPECT_EQ(SweepStaleControls(bars), 0);
    EXPECT_EQ(bars.Tagged(L"QUMBAR").size(), 27u);
}

TEST_F(CreateMenusTest, SweepEndsWhenTheSameControlComesBack) {
    Create(12, 0, {});
    bars.toolsMenu->children->items[1]->ignoresDelete = true;
    EXPECT_EQ(SweepStaleControls(bars), 2);
    EXPECT_EQ(bars.Tagged(L"QUMBAR").size(), 26u);
    // A later connection ends its sweep at the stuck control and still builds its entries.
    Create(12, 0, {});
    EXPECT_EQ(bars.toolsMenu->children->items.size(), 5u);
    EXPECT_TRUE(BtnShowTabBar);
}

}  // namespace
}  // namespace morvane::test
