#include "addin/tabbar/HotKeys.h"

#include <gtest/gtest.h>

#include "TabBarFixture.h"
#include "addin/Menus.h"
#include "addin/tabbar/MainWindowHotKeys.h"
#include "shared/HotKeyCombination.h"

namespace morvane::test {
namespace {

TEST(HotKeyTable, DefaultsAndSettings) {
    TabSettings settings;
    EXPECT_EQ(BarHotKey(settings), (HotKeyRegistration{401, 8, 81}));
    EXPECT_EQ(NextTabHotKey(settings), (HotKeyRegistration{402, 2, 9}));
    // A stored modifier without a key code is no hot key of its own: the default holds.
    settings.HotKeyBar = {L"Ctrl+B", 0, 2};
    EXPECT_EQ(BarHotKey(settings), (HotKeyRegistration{401, 8, 81}));
    settings.HotKeyBar = {L"Ctrl+Shift+B", 66, 6};
    settings.HotKeyTabit = {L"Alt+N", 78, 1};
    EXPECT_EQ(BarHotKey(settings), (HotKeyRegistration{401, 6, 66}));
    EXPECT_EQ(NextTabHotKey(settings), (HotKeyRegistration{402, 1, 78}));

    const auto numbers = TabNumberHotKeys();
    ASSERT_EQ(numbers.size(), 9u);
    EXPECT_EQ(numbers.front(), (HotKeyRegistration{403, 1, 49}));
    EXPECT_EQ(numbers.back(), (HotKeyRegistration{411, 1, 57}));
    EXPECT_EQ(AllHotKeyIds().size(), 11u);
    EXPECT_EQ(AllHotKeyIds().front(), 401);
    EXPECT_EQ(AllHotKeyIds().back(), 411);
}

TEST(HotKeyTable, SwitchesChooseTheGroups) {
    struct Case {
        std::int32_t ta, ti, alt;
        std::size_t count;
        std::int32_t firstId;
    };
    const Case cases[] = {{0, 0, 0, 11, 401}, {1, 0, 0, 10, 402}, {1, 1, 0, 9, 403},
                          {0, 1, 1, 1, 401},  {1, 1, 1, 0, 0},    {1, 0, 1, 1, 402}};
    for (const auto& c : cases) {
        TabSettings settings;
        settings.EnableTa = c.ta;
        settings.EnableTi = c.ti;
        settings.EnableAlt = c.alt;
        const auto keys = EnabledHotKeys(settings);
        EXPECT_EQ(keys.size(), c.count) << c.ta << c.ti << c.alt;
        if (!keys.empty()) {
            EXPECT_EQ(keys.front().id, c.firstId) << c.ta << c.ti << c.alt;
        }
    }
}

// Tabs with the given visibility, one selected.
FakeTabStrip Strip(const std::vector<bool>& visible, std::int32_t selected) {
    FakeTabStrip strip;
    for (const bool v : visible) {
        FakeTab tab;
        tab.visible = v;
        strip.tabs.push_back(tab);
    }
    strip.selected = selected;
    return strip;
}

TEST(TabSelection, NextTabWrapsOverVisibleTabs) {
    struct Case {
        std::vector<bool> visible;
        std::int32_t selected, expected;  // -1: nothing selected
    };
    const Case cases[] = {{{true, true, true}, 0, 1},    {{true, false, true}, 0, 2},
                          {{true, true, true}, 2, 0},    {{false, true, true}, 2, 1},
                          {{true, false, false}, 0, -1}, {{true}, 0, -1},
                          {{false, true, false}, 1, -1}, {{true, true, false}, 1, 0}};
    for (const auto& c : cases) {
        auto strip = Strip(c.visible, c.selected);
        SelectNextTab(strip);
        if (c.expected < 0) {
            EXPECT_TRUE(strip.selections.empty()) << c.selected;
        } else {
            EXPECT_EQ(strip.selections, std::vector<std::int32_t>{c.expected}) << c.selected;
        }
    }
}

TEST(TabSelection, NumberPicksTheNthVisibleTab) {
    auto strip = Strip({true, false, true, true}, 0);
    SelectTabByNumber(strip, 1);  // Alt+2 skips the hidden tab
    SelectTabByNumber(strip, 0);
    SelectTabByNumber(strip, 2);
    SelectTabByNumber(strip, 3);  // beyond the visible tabs
    EXPECT_EQ(strip.selections, (std::vector<std::int32_t>{2, 0, 3}));
}

class FakeHotKeys : public HotKeyPort {
  public:
    std::map<std::int32_t, HotKeyRegistration> registered;
    std::vector<std::int32_t> unregistered;
    std::set<std::int32_t> taken;  // combinations held by other programs, by id
    bool Register(std::int32_t id, std::int32_t modifiers, std::int32_t key) override {
        if (taken.count(id) || registered.count(id)) {
            return false;
        }
        registered[id] = {id, modifiers, key};
        return true;
    }
    void Unregister(std::int32_t id) override {
        unregistered.push_back(id);
        registered.erase(id);
    }
};

class MainHotKeys : public TabBarFixture {
  protected:
    FakeHotKeys keys;
    int reframes = 0, invalidations = 0;
    bool withStrip = true;

    std::unique_ptr<MainWindowHotKeys> Hooked(const std::wstring& hostVersion) {
        state.HostVersion = ParseHostVersion(hostVersion);
        MainHookParts parts{keys, state, {}, {}, {}};
        parts.reframeClient = [this] { ++reframes; };
        parts.invalidateRibbon = [this] { ++invalidations; };
        parts.tabStrip = [this]() -> TabStrip* { return withStrip ? &strip : nullptr; };
        return std::make_unique<MainWindowHotKeys>(parts);
    }

    std::optional<std::int32_t> StoredTabShow() const {
        return registry->FindDword(RootKey::CurrentUser,
                                   L"SOFTWARE\\Microsoft\\Shared Tools\\Morvane", L"TabShow");
    }
};

TEST_F(MainHotKeys, RegisteredOnlyWhileTheMainWindowIsActive) {
    settings.EnableAlt = 1;
    auto hook = Hooked(L"14.0");
    hook->HotKeysRegistered = true;
    hook->RegisterEnabledHotKeys();
    EXPECT_EQ(keys.registered.size(), 2u);
    hook->OnActivate(1);  // already registered: nothing more
    EXPECT_EQ(keys.registered.size(), 2u);
    hook->OnActivate(0);
    EXPECT_TRUE(keys.registered.empty());
    EXPECT_EQ(keys.unregistered, AllHotKeyIds());
    EXPECT_FALSE(hook->HotKeysRegistered);
    settings.EnableAlt = 0;
    hook->OnActivate(2);
    EXPECT_EQ(keys.registered.size(), 11u);
    EXPECT_TRUE(hook->HotKeysRegistered);
    EXPECT_EQ(keys.registered[401], (HotKeyRegistration{401, 8, 81}));
}

TEST_F(MainHotKeys, ATakenCombinationStaysUnregistered) {
    keys.taken.insert(402);
    auto hook = Hooked(L"14.0");
    hook->OnActivate(1);
    EXPECT_EQ(keys.registered.size(), 10u);
    EXPECT_EQ(keys.registered.count(402), 0u);
}

TEST_F(MainHotKeys, ExtraModifierBitsAreNeitherRegisteredNorTellTwoKeysApart) {
    // Hand edits: the no-repeat flag with Ctrl, and a bit no modifier has.
    settings.HotKeyBar = {L"Ctrl+Q", 'Q', 0x4000 | ModControl};
    settings.HotKeyTabit = {L"Ctrl+Q", 'Q', 0x0100 | ModControl};
    // One combination for the rule the options windows check with...
    EXPECT_EQ(RegisteredCombination(settings.HotKeyBar, BuiltInBarKey),
              RegisteredCombination(settings.HotKeyTabit, BuiltInNextTabKey));
    // ...and for the registration.
    auto hook = Hooked(L"14.0");
    hook->OnActivate(1);
    EXPECT_EQ(keys.registered[401], (HotKeyRegistration{401, ModControl, 'Q'}));
    EXPECT_EQ(keys.registered[402], (HotKeyRegistration{402, ModControl, 'Q'}));
}

TEST_F(MainHotKeys, ShowHideTogglesTabShowTwiceBackToItsStart) {
    auto hook = Hooked(L"14.0");
    EXPECT_TRUE(hook->OnHotKey(401));
    EXPECT_EQ(settings.TabShow, 1);
    EXPECT_EQ(StoredTabShow(), 1);
    EXPECT_TRUE(hook->OnHotKey(401));
    EXPECT_EQ(settings.TabShow, 0);
    EXPECT_EQ(StoredTabShow(), 0);
    EXPECT_EQ(reframes, 2);
    EXPECT_EQ(invalidations, 2);
}

TEST_F(MainHotKeys, MenuHostsKeepTheShowButtonInStep) {
    state.HostVersion = ParseHostVersion(L"12.0");
    CreateMenus(bars, state, {});
    auto hook = Hooked(L"12.0");
    auto& button = *bars.toolsMenu->children->items[0];
    ASSERT_EQ(button.state, -1);
    hook->OnHotKey(401);
    EXPECT_EQ(button.state, 0);
    hook->OnHotKey(401);
    EXPECT_EQ(button.state, -1);
    EXPECT_EQ(invalidations, 0);
}

TEST_F(MainHotKeys, TabHotKeysSelectAndActivate) {
    const auto a = Open(L"Alpha.mpp");
    Open(L"Beta.mpp", L"C:\\Plans", true, false);
    const auto c = Open(L"Gamma.mpp");
    windows.activeChild[client] = a;
    Updating = true;
    form->UpdateMenu();
    Updating = false;
    auto hook = Hooked(L"14.0");

    EXPECT_TRUE(hook->OnHotKey(402));  // Ctrl+Tab skips the hidden Beta
    ASSERT_EQ(windows.posted.size(), 1u);
    EXPECT_EQ(windows.posted[0].wParam, static_cast<std::uintptr_t>(c));
    EXPECT_TRUE(hook->OnHotKey(402));  // and wraps
    EXPECT_EQ(strip.selected, 0);
    EXPECT_TRUE(hook->OnHotKey(404));  // Alt+2: the second visible tab
    EXPECT_EQ(strip.selected, 2);
    EXPECT_TRUE(hook->OnHotKey(405));  // Alt+3: only two are visible
    EXPECT_EQ(strip.selected, 2);
    EXPECT_FALSE(hook->OnHotKey(400));
    EXPECT_FALSE(hook->OnHotKey(412));
    // Ids far outside 401 to 411, at either end of the message parameter's range.
    for (const std::uintptr_t id :
         {std::uintptr_t{0}, UINTPTR_MAX, UINTPTR_MAX / 2 + 1, UINTPTR_MAX - 399}) {
        EXPECT_FALSE(hook->OnHotKey(id)) << id;
    }
    EXPECT_EQ(strip.selected, 2);
    withStrip = false;
    EXPECT_TRUE(hook->OnHotKey(403));  // no bar: nothing to select
    EXPECT_EQ(strip.selected, 2);
}

}  // namespace
}  // namespace morvane::test
