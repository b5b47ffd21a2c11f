// The command-bars port's contract against the adapter over the stand-in host's command bars,
// and what only the adapter must do.
#include <algorithm>
#include <stdexcept>

#include "CommandBarsContract.h"
#include "StandinBars_win.h"
#include "shared/Office_win.h"

namespace morvane::test {
namespace {

class StandinWorld {
  public:
    CommandBars& Bars() { return s_.bars; }
    ControlView Describe(CommandBarControl& control) const {
        const auto c = s_.host->Describe(DispatchOf(control).Get());
        return {c.caption,    c.tag,   c.parameter, c.faceId,
                c.beginGroup, c.state, c.enabled,   c.temporary};
    }
    BarView DescribeBar(const std::wstring& name) {
        const auto names = s_.host->BarNames();
        if (std::find(names.begin(), names.end(), name) == names.end()) {
            return {};
        }
        const auto bar = s_.BarObject(name);
        long position = 0;
        bool enabled = false;
        bool visible = false;
        Read(bar.Get(), L"Position").ToInt(position);
        Read(bar.Get(), L"Enabled").ToBool(enabled);
        Read(bar.Get(), L"Visible").ToBool(visible);
        return {true, position == office::msoBarPopup, enabled, visible,
                s_.host->BarControls(name).size()};
    }
    ClickOutcome Click(CommandBarControl& control) {
        const auto result = s_.host->Click(DispatchOf(control).Get());
        return {result.clicked, result.cancelDefault};
    }
    int BuiltInRuns(std::int32_t id) const {
        return static_cast<int>(std::count(s_.builtInsRun.begin(), s_.builtInsRun.end(), id));
    }
    int PopupsShown(const std::wstring& name) const {
        const auto& popups = s_.host->Popups();
        return static_cast<int>(std::count_if(popups.begin(), popups.end(),
                                              [&](const auto& p) { return p.bar == name; }));
    }
    void Fail(const std::string& member) {
        s_.host->FailMember(std::wstring(member.begin(), member.end()));
    }
    void SetDeleteFault(CommandBarControl& control, DeleteFault fault) {
        s_.host->SetDeleteFault(DispatchOf(control).Get(), fault == DeleteFault::Fails
                                                               ? standin::DeleteFault::Fails
                                                               : standin::DeleteFault::Ignored);
    }

  private:
    StandinBars s_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Standin, CommandBarsContract, ::testing::Types<StandinWorld>);

class CommandBarsDispatchTest : public ::testing::Test {
  protected:
    StandinBars s;
    CommandBarControlPtr TaggedButton(const std::wstring& bar, const std::wstring& parameter) {
        auto controls =
            s.bars.Bar(bar) ? s.bars.Bar(bar)->Controls() : s.bars.AddPopupBar(bar)->Controls();
        auto button = controls->AddButton(false);
        EXPECT_TRUE(button->SetTag(L"QUMBAR") && button->SetParameter(parameter));
        return button;
    }
};

TEST_F(CommandBarsDispatchTest, AConnectionIsOneSinkUntilItEnds) {
    const auto button = TaggedButton(L"PupTest", L"One");
    EXPECT_EQ(s.host->SinkCount(L"QUMBAR"), 0u);
    auto connection = button->OnClick([](const CommandBarControlPtr&, bool&) {});
    ASSERT_TRUE(connection);
    EXPECT_EQ(s.host->SinkCount(L"QUMBAR"), 1u);
    connection.reset();
    EXPECT_EQ(s.host->SinkCount(L"QUMBAR"), 0u);
}

TEST_F(CommandBarsDispatchTest, AThrowingHandlerStaysInsideTheSink) {
    const auto one = TaggedButton(L"PupTest", L"One");
    const auto two = TaggedButton(L"PupTest", L"Two");
    auto throwing = one->OnClick([](const CommandBarControlPtr&, bool& cancel) {
        cancel = true;
        throw std::runtime_error("handler failed");
    });
    int heard = 0;
    auto calm = two->OnClick([&](const CommandBarControlPtr&, bool&) { ++heard; });
    const auto result = s.host->Click(DispatchOf(*one).Get());
    EXPECT_TRUE(result.clicked);
    EXPECT_EQ(result.handlers, 2);
    EXPECT_EQ(heard, 1);
}

TEST_F(CommandBarsDispatchTest, AHandlerThatDeletesTheClickedControlStillSeesIt) {
    const auto one = TaggedButton(L"PupTest", L"One");
    std::wstring parameter;
    auto connection = one->OnClick([&](const CommandBarControlPtr& clicked, bool&) {
        parameter = clicked->Parameter().value_or(L"?");
        EXPECT_TRUE(clicked->Delete());
        EXPECT_FALSE(clicked->Parameter());  // the host refuses calls on a deleted control
    });
    EXPECT_TRUE(s.host->ClickItem(L"PupTest", 1).clicked);
    EXPECT_EQ(parameter, L"One");
    EXPECT_TRUE(s.host->BarControls(L"PupTest").empty());
}

}  // namespace
}  // namespace morvane::test
