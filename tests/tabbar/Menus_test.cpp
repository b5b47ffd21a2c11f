#include "addin/Menus.h"

#include <gtest/gtest.h>

#include "TabBarFixture.h"
#include "host/MenuBars.h"
#include "support/FakeCommandBars.h"

namespace morvane::test {
namespace {

// One context-menu item as the user sees it: language key, English caption, command, image
// and whether a separator comes above it.
struct ExpectedItem {
    const wchar_t* key;
    const wchar_t* caption;
    const wchar_t* parameter;
    std::int32_t faceId;
    bool beginGroup;
};

const ExpectedItem New{L"New", L"&New", L"New_Project", 2520, false};
const ExpectedItem Open{L"Open", L"&Open...", L"Open", 23, false};
const ExpectedItem Close{L"Close", L"&Close", L"Close_Project", 106, true};
const ExpectedItem CloseOther{L"CloseInactiveProject", L"Close Other &Tabs", L"CloseOther_Project",
                              0, false};
const ExpectedItem CloseAll{L"CloseAll", L"Clos&e All Tabs", L"CloseAll_Project", 0, false};
const ExpectedItem Save{L"Save", L"&Save", L"Save_Project", 3, true};
const ExpectedItem Help{L"Help", L"Online &Help", L"Help", 0, true};
const ExpectedItem Options{L"MorvaneOptions", L"&Morvane Options...", L"Option_Project", 0, false};
const ExpectedItem About{L"AboutTab", L"About Morvane", L"About", 0, false};

const std::vector<ExpectedItem> TabMenu = {
    New,
    Open,
    Close,
    CloseOther,
    CloseAll,
    Save,
    {L"SaveAs", L"Save &As...", L"SaveAs_Project", 748, true},
    {L"SaveAll", L"Sa&ve All", L"SaveAll_Project", 0, false},
    {L"OpenFolder", L"Open Fol&der", L"OpenDir_Project", 0, true},
    {L"Rename", L"&Rename...", L"Rename_Project", 0, false},
    {L"LockProject", L"&Lock Project", L"Lock_Project", 0, false},
    Help,
    Options,
    About};

// On the blank bar "Save All" starts a group of its own.
const std::vector<ExpectedItem> BarMenu = {New,
                                           Open,
                                           Close,
                                           CloseOther,
                                           CloseAll,
                                           Save,
                                           {L"SaveAll", L"Sa&ve All", L"SaveAll_Project", 0, true},
                                           Help,
                                           Options,
                                           About};

// Captions come out as "key|English caption", so one comparison checks both.
const MenuText KeyAndCaption = [](const std::wstring& key, const std::wstring& caption) {
    return key + L"|" + caption;
};

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

void ExpectBar(const FakeBar& bar, const std::vector<ExpectedItem>& expected) {
    EXPECT_TRUE(bar.popup);
    EXPECT_TRUE(bar.temporary);
    EXPECT_TRUE(bar.enabled);
    EXPECT_TRUE(bar.visible);
    ASSERT_EQ(bar.controls->items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto& item = *bar.controls->items[i];
        const auto& entry = expected[i];
        EXPECT_EQ(item.caption, std::wstring(entry.key) + L"|" + entry.caption) << i;
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
    const auto last = Create(14, 0, KeyAndCaption);
    EXPECT_TRUE(bars.toolsMenu->children->items.empty());
    EXPECT_FALSE(BtnShowTabBar);
    const auto onItem = bars.FakeBarNamed(L"PupTabOnItem");
    const auto noOnItem = bars.FakeBarNamed(L"PupTabNoOnItem");
    ASSERT_TRUE(onItem && noOnItem);
    EXPECT_EQ(BarPupTabOnItem, onItem);
    EXPECT_EQ(BarPupTabNoOnItem, noOnItem);
    ExpectBar(*onItem, TabMenu);
    ExpectBar(*noOnItem, BarMenu);
    EXPECT_EQ(last, noOnItem->controls->items.back());

    // The positions the tab bar disables and checks name these commands.
    EXPECT_EQ(onItem->At(TabMenuItem::CloseOther).parameter, L"CloseOther_Project");
    EXPECT_EQ(onItem->At(TabMenuItem::CloseAll).parameter, L"CloseAll_Project");
    EXPECT_EQ(onItem->At(TabMenuItem::SaveAll).parameter, L"SaveAll_Project");
    EXPECT_EQ(onItem->At(TabMenuItem::OpenFolder).parameter, L"OpenDir_Project");
    EXPECT_EQ(onItem->At(TabMenuItem::Rename).parameter, L"Rename_Project");
    EXPECT_EQ(onItem->At(TabMenuItem::Lock).parameter, L"Lock_Project");
    EXPECT_EQ(noOnItem->At(BarMenuItem::CloseOther).parameter, L"CloseOther_Project");
    EXPECT_EQ(noOnItem->At(BarMenuItem::CloseAll).parameter, L"CloseAll_Project");
    EXPECT_EQ(noOnItem->At(BarMenuItem::SaveAll).parameter, L"SaveAll_Project");
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
    EXPECT_EQ(tools[0]->parameter, L"show_Project");
    EXPECT_EQ(tools[1]->caption, L"&Morvane Options...");
    EXPECT_EQ(tools[1]->parameter, L"Option_Project");
    EXPECT_FALSE(tools[1]->beginGroup);
    EXPECT_EQ(tools[2]->caption, L"About Morvane");
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
