#pragma once
// What every CommandBars must do, written once: instantiated natively against FakeCommandBars and
// under Wine against the adapter over the stand-in host's command bars.
//
// A World type (default-constructible) builds one side: a menu bar with the Tools menu (30007)
// and the built-in New command (2520), and
//   CommandBars& Bars();
//   ControlView Describe(CommandBarControl&);  // the control as the host holds it
//   BarView DescribeBar(name);
//   ClickOutcome Click(CommandBarControl&);     // a click as the user makes it
//   int BuiltInRuns(id);  int PopupsShown(bar);
//   void Fail(member);                                // every member of that name, everywhere
//   void SetDeleteFault(CommandBarControl&, DeleteFault);

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/CommandBars.h"

namespace morvane::test {

struct ControlView {
    std::wstring caption, tag, parameter;
    std::int32_t faceId = 0;
    bool beginGroup = false;
    std::int32_t state = 0;
    bool enabled = true;
    bool temporary = false;
};

struct BarView {
    bool exists = false;
    bool popup = false;
    bool enabled = false;
    bool visible = false;
    std::size_t items = 0;
};

struct ClickOutcome {
    bool clicked = false;
    bool cancelDefault = false;
};

// Fails: Delete reports an error. Ignored: Delete reports success and the control stays.
enum class DeleteFault { Fails, Ignored };

inline constexpr std::int32_t kToolsMenu = 30007;
inline constexpr std::int32_t kNewCommand = 2520;

template <typename World>
class CommandBarsContract : public ::testing::Test {
  protected:
    CommandBars& Bars() { return world.Bars(); }

    // A popup bar with one button per Parameter, each tagged `tag`.
    CommandBarPtr PopupWith(const std::wstring& name, const std::vector<std::wstring>& parameters,
                            const std::wstring& tag = L"QUMBAR") {
        auto bar = Bars().AddPopupBar(name);
        EXPECT_TRUE(bar);
        if (!bar) {
            return nullptr;
        }
        for (const auto& parameter : parameters) {
            auto button = bar->Controls()->AddButton(false);
            EXPECT_TRUE(button && button->SetTag(tag) && button->SetParameter(parameter));
        }
        return bar;
    }
    CommandBarControlPtr ItemOf(const CommandBarPtr& bar, std::int32_t position) {
        return bar->Controls()->Item(position);
    }

    World world;
};

TYPED_TEST_SUITE_P(CommandBarsContract);

TYPED_TEST_P(CommandBarsContract, BuiltInControlsAreFoundById) {
    CommandBars& bars = this->Bars();
    const auto tools = bars.FindControlById(kToolsMenu);
    ASSERT_TRUE(tools);
    const auto entries = tools->Controls();
    ASSERT_TRUE(entries);
    const auto count = entries->Count();
    ASSERT_TRUE(count);
    EXPECT_TRUE(entries->AddButton(true));
    EXPECT_EQ(entries->Count(), *count + 1);

    const auto newCommand = bars.FindControlById(kNewCommand);
    ASSERT_TRUE(newCommand);
    EXPECT_FALSE(newCommand->Controls());  // a plain button holds none
    EXPECT_TRUE(newCommand->Execute());
    EXPECT_EQ(this->world.BuiltInRuns(kNewCommand), 1);

    EXPECT_FALSE(bars.FindControlById(4242));
    EXPECT_FALSE(bars.FindControlByTag(L"QUMBAR"));
}

TYPED_TEST_P(CommandBarsContract, PopupBarsAndButtonsKeepWhatIsSet) {
    CommandBars& bars = this->Bars();
    const auto bar = bars.AddPopupBar(L"PupTest");
    ASSERT_TRUE(bar);
    EXPECT_FALSE(bars.AddPopupBar(L"PupTest"));  // one bar per name
    EXPECT_TRUE(bars.Bar(L"PupTest"));
    EXPECT_FALSE(bars.Bar(L"NoSuchBar"));
    EXPECT_EQ(this->world.DescribeBar(L"PupTest").popup, true);

    const auto controls = bar->Controls();
    ASSERT_TRUE(controls);
    const auto plain = controls->AddButton(false);
    const auto temporary = controls->AddButton(true);
    ASSERT_TRUE(plain && temporary);
    EXPECT_TRUE(plain->SetCaption(L"Sa&ve All"));
    EXPECT_TRUE(plain->SetTag(L"QUMBAR"));
    EXPECT_TRUE(plain->SetParameter(L"SaveAll_Project"));
    EXPECT_TRUE(plain->SetFaceId(748));
    EXPECT_TRUE(plain->SetBeginGroup(true));
    EXPECT_TRUE(plain->SetState(-1));
    EXPECT_TRUE(plain->SetEnabled(false));
    const ControlView view = this->world.Describe(*plain);
    EXPECT_EQ(view.caption, L"Sa&ve All");
    EXPECT_EQ(view.tag, L"QUMBAR");
    EXPECT_EQ(view.parameter, L"SaveAll_Project");
    EXPECT_EQ(view.faceId, 748);
    EXPECT_TRUE(view.beginGroup);
    EXPECT_EQ(view.state, -1);
    EXPECT_FALSE(view.enabled);
    EXPECT_FALSE(view.temporary);
    EXPECT_EQ(plain->Parameter(), L"SaveAll_Project");
    EXPECT_TRUE(this->world.Describe(*temporary).temporary);
    // Values set back are kept as well.
    EXPECT_TRUE(plain->SetBeginGroup(false) && plain->SetState(0) && plain->SetEnabled(true));
    EXPECT_FALSE(this->world.Describe(*plain).beginGroup);
    EXPECT_EQ(this->world.Describe(*plain).state, 0);
    EXPECT_TRUE(this->world.Describe(*plain).enabled);

    EXPECT_EQ(controls->Count(), 2);
    ASSERT_TRUE(controls->Item(1));
    EXPECT_EQ(controls->Item(1)->Identity(), plain->Identity());
    EXPECT_EQ(controls->Item(2)->Identity(), temporary->Identity());
    EXPECT_NE(plain->Identity(), temporary->Identity());
    EXPECT_FALSE(controls->Item(0));
    EXPECT_FALSE(controls->Item(3));

    for (const bool on : {true, false, true}) {
        EXPECT_TRUE(bar->SetEnabled(on));
        EXPECT_TRUE(bar->SetVisible(on));
        const BarView shown = this->world.DescribeBar(L"PupTest");
        EXPECT_EQ(shown.enabled, on);
        EXPECT_EQ(shown.visible, on);
        EXPECT_EQ(shown.items, 2u);
    }
}

TYPED_TEST_P(CommandBarsContract, TagSearchFindsMenusFirstAndMatchesExactly) {
    CommandBars& bars = this->Bars();
    const auto entry = bars.FindControlById(kToolsMenu)->Controls()->AddButton(true);
    ASSERT_TRUE(entry && entry->SetTag(L"QUMBAR"));
    this->PopupWith(L"PupTest", {L"Other"}, L"OTHER");
    this->PopupWith(L"PupTest2", {L"About"});

    const auto found = bars.FindControlByTag(L"QUMBAR");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->Identity(), entry->Identity());
    EXPECT_EQ(bars.FindControlByTag(L"QUMBAR")->Identity(), found->Identity());
    EXPECT_FALSE(bars.FindControlByTag(L"qumbar"));
    const auto other = bars.FindControlByTag(L"OTHER");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->Parameter(), L"Other");
    EXPECT_NE(other->Identity(), found->Identity());
}

TYPED_TEST_P(CommandBarsContract, DeletionRemovesControlsAndBars) {
    CommandBars& bars = this->Bars();
    const auto bar = this->PopupWith(L"PupTest", {L"One", L"Two"});
    const auto one = this->ItemOf(bar, 1);
    ASSERT_TRUE(one);
    EXPECT_TRUE(one->Delete());
    EXPECT_EQ(this->world.DescribeBar(L"PupTest").items, 1u);
    ASSERT_TRUE(bars.FindControlByTag(L"QUMBAR"));
    EXPECT_EQ(bars.FindControlByTag(L"QUMBAR")->Parameter(), L"Two");

    EXPECT_TRUE(bar->Delete());
    EXPECT_FALSE(this->world.DescribeBar(L"PupTest").exists);
    EXPECT_FALSE(bars.Bar(L"PupTest"));
    EXPECT_FALSE(bars.FindControlByTag(L"QUMBAR"));
    EXPECT_TRUE(bars.AddPopupBar(L"PupTest"));  // the name is free again
    // The host's own bars stay.
    const auto menuBar = bars.Bar(L"Menu Bar");
    ASSERT_TRUE(menuBar);
    EXPECT_FALSE(menuBar->Delete());
    EXPECT_TRUE(bars.Bar(L"Menu Bar"));
}

TYPED_TEST_P(CommandBarsContract, AStubbornHostKeepsTheControl) {
    const auto bar = this->PopupWith(L"PupTest", {L"One", L"Two"});
    const auto one = this->ItemOf(bar, 1);
    const auto two = this->ItemOf(bar, 2);
    this->world.SetDeleteFault(*one, DeleteFault::Fails);
    this->world.SetDeleteFault(*two, DeleteFault::Ignored);
    EXPECT_FALSE(one->Delete());
    EXPECT_TRUE(two->Delete());
    EXPECT_EQ(this->world.DescribeBar(L"PupTest").items, 2u);
    EXPECT_EQ(this->Bars().FindControlByTag(L"QUMBAR")->Identity(), one->Identity());
}

TYPED_TEST_P(CommandBarsContract, OnlyPopupBarsShowAsPopups) {
    const auto bar = this->PopupWith(L"PupTest", {L"One"});
    EXPECT_EQ(this->world.PopupsShown(L"PupTest"), 0);
    EXPECT_TRUE(bar->ShowPopup());
    EXPECT_TRUE(bar->ShowPopup());
    EXPECT_EQ(this->world.PopupsShown(L"PupTest"), 2);
    EXPECT_FALSE(this->Bars().Bar(L"Menu Bar")->ShowPopup());
}

// Each member told to fail gives no value or false, and other members still answer.
TYPED_TEST_P(CommandBarsContract, AFailingMemberGivesNoValue) {
    struct Objects {
        CommandBars& bars;
        CommandBarPtr bar;
        std::shared_ptr<CommandBarControls> controls;
        CommandBarControlPtr button;
        CommandBarControlPtr tools;
    };
    using Check = std::function<bool(Objects&)>;
    const std::vector<std::pair<std::string, Check>> cases = {
        {"FindControl",
         [](Objects& o) {
             return !o.bars.FindControlByTag(L"QUMBAR") && !o.bars.FindControlById(kToolsMenu);
         }},
        {"Item", [](Objects& o) { return !o.bars.Bar(L"PupTest") && !o.controls->Item(1); }},
        {"Add",
         [](Objects& o) {
             return !o.bars.AddPopupBar(L"PupOther") && !o.controls->AddButton(false) &&
                    !o.controls->AddButton(true);
         }},
        {"Controls", [](Objects& o) { return !o.bar->Controls() && !o.tools->Controls(); }},
        {"Count", [](Objects& o) { return !o.controls->Count(); }},
        {"Caption", [](Objects& o) { return !o.button->SetCaption(L"x"); }},
        {"Tag", [](Objects& o) { return !o.button->SetTag(L"x"); }},
        {"Parameter",
         [](Objects& o) { return !o.button->SetParameter(L"x") && !o.button->Parameter(); }},
        {"FaceId", [](Objects& o) { return !o.button->SetFaceId(3); }},
        {"BeginGroup", [](Objects& o) { return !o.button->SetBeginGroup(true); }},
        {"State", [](Objects& o) { return !o.button->SetState(-1); }},
        {"Enabled",
         [](Objects& o) { return !o.button->SetEnabled(false) && !o.bar->SetEnabled(true); }},
        {"Visible", [](Objects& o) { return !o.bar->SetVisible(true); }},
        {"Delete", [](Objects& o) { return !o.button->Delete() && !o.bar->Delete(); }},
        {"Execute", [](Objects& o) { return !o.button->Execute(); }},
        {"ShowPopup", [](Objects& o) { return !o.bar->ShowPopup(); }},
    };
    for (const auto& [member, fails] : cases) {
        SCOPED_TRACE(member);
        TypeParam world;
        CommandBars& bars = world.Bars();
        auto bar = bars.AddPopupBar(L"PupTest");
        ASSERT_TRUE(bar);
        auto controls = bar->Controls();
        ASSERT_TRUE(controls);
        auto button = controls->AddButton(false);
        ASSERT_TRUE(button && button->SetTag(L"QUMBAR"));
        Objects objects{bars, bar, controls, button, bars.FindControlById(kToolsMenu)};
        ASSERT_TRUE(objects.tools);
        world.Fail(member);
        EXPECT_TRUE(fails(objects));
        EXPECT_TRUE(member == "Parameter" ? button->SetCaption(L"y")
                                          : button->Parameter().has_value());
    }
}

TYPED_TEST_P(CommandBarsContract, AClickOnATaggedControlReachesTheButtonsHandler) {
    const auto bar = this->PopupWith(L"PupTest", {L"One", L"Two"});
    ASSERT_TRUE(bar->Controls()->AddButton(false));  // untagged
    const auto one = this->ItemOf(bar, 1);
    const auto two = this->ItemOf(bar, 2);
    const auto untagged = this->ItemOf(bar, 3);
    std::vector<std::wstring> clicked;
    std::vector<const void*> identities;
    bool cancelArrived = true;
    auto connection = two->OnClick([&](const CommandBarControlPtr& control, bool& cancel) {
        ASSERT_TRUE(control);
        clicked.push_back(control->Parameter().value_or(L"?"));
        identities.push_back(control->Identity());
        cancelArrived = cancel;
    });
    ASSERT_TRUE(connection);

    EXPECT_TRUE(this->world.Click(*one).clicked);
    EXPECT_FALSE(cancelArrived);
    EXPECT_TRUE(this->world.Click(*two).clicked);
    EXPECT_TRUE(one->Execute());  // runs as a click does
    EXPECT_TRUE(this->world.Click(*untagged).clicked);
    EXPECT_EQ(clicked, (std::vector<std::wstring>{L"One", L"Two", L"One"}));
    ASSERT_EQ(identities.size(), 3u);
    EXPECT_EQ(identities[0], one->Identity());
    EXPECT_EQ(identities[1], two->Identity());

    // A disabled control cannot be clicked.
    ASSERT_TRUE(one->SetEnabled(false));
    EXPECT_FALSE(this->world.Click(*one).clicked);
    EXPECT_EQ(clicked.size(), 3u);
}

TYPED_TEST_P(CommandBarsContract, CancelDefaultStopsTheBuiltInCommand) {
    const auto newCommand = this->Bars().FindControlById(kNewCommand);
    ASSERT_TRUE(newCommand);
    bool cancelIt = true;
    int heard = 0;
    auto connection = newCommand->OnClick([&](const CommandBarControlPtr&, bool& cancel) {
        ++heard;
        cancel = cancelIt;
    });
    ASSERT_TRUE(connection);
    EXPECT_TRUE(this->world.Click(*newCommand).cancelDefault);
    EXPECT_TRUE(newCommand->Execute());
    EXPECT_EQ(this->world.BuiltInRuns(kNewCommand), 0);
    cancelIt = false;
    EXPECT_FALSE(this->world.Click(*newCommand).cancelDefault);
    EXPECT_EQ(this->world.BuiltInRuns(kNewCommand), 1);
    EXPECT_EQ(heard, 3);
}

TYPED_TEST_P(CommandBarsContract, AnEndedConnectionHearsNothing) {
    const auto bar = this->PopupWith(L"PupTest", {L"One"});
    const auto one = this->ItemOf(bar, 1);
    int first = 0;
    int second = 0;
    auto connection = one->OnClick([&](const CommandBarControlPtr&, bool&) { ++first; });
    // A handler that ends its own connection while it runs.
    std::unique_ptr<ClickConnection> once;
    once = one->OnClick([&](const CommandBarControlPtr&, bool&) {
        ++second;
        once.reset();
    });
    ASSERT_TRUE(connection && once);
    this->world.Click(*one);
    this->world.Click(*one);
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 1);
    connection.reset();
    this->world.Click(*one);
    EXPECT_EQ(first, 2);
}

REGISTER_TYPED_TEST_SUITE_P(CommandBarsContract, BuiltInControlsAreFoundById,
                            PopupBarsAndButtonsKeepWhatIsSet,
                            TagSearchFindsMenusFirstAndMatchesExactly,
                            DeletionRemovesControlsAndBars, AStubbornHostKeepsTheControl,
                            OnlyPopupBarsShowAsPopups, AFailingMemberGivesNoValue,
                            AClickOnATaggedControlReachesTheButtonsHandler,
                            CancelDefaultStopsTheBuiltInCommand, AnEndedConnectionHearsNothing);

}  // namespace morvane::test
