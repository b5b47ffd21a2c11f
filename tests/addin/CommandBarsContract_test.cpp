// The command-bars port's contract against its double.
#include "CommandBarsContract.h"
#include "support/FakeCommandBars.h"

namespace morvane::test {
namespace {

class FakeWorld {
  public:
    CommandBars& Bars() { return bars_; }
    ControlView Describe(CommandBarControl& control) const {
        const auto& c = Fake(control);
        return {c.caption,    c.tag,   c.parameter, c.faceId,
                c.beginGroup, c.state, c.enabled,   c.temporary};
    }
    BarView DescribeBar(const std::wstring& name) const {
        const auto bar = bars_.FakeBarNamed(name);
        if (!bar) {
            return {};
        }
        return {true, bar->popup, bar->enabled, bar->visible, bar->controls->items.size()};
    }
    ClickOutcome Click(CommandBarControl& control) {
        const FakeClick click = bars_.Click(Fake(control));
        return {click.clicked, click.cancelDefault};
    }
    int BuiltInRuns(std::int32_t id) const {
        return id == kNewCommand ? bars_.newButton->executions : 0;
    }
    int PopupsShown(const std::wstring& name) const {
        const auto bar = bars_.FakeBarNamed(name);
        return bar ? bar->popupsShown : 0;
    }
    void Fail(const std::string& member) { bars_.FailEverywhere(member); }
    void SetDeleteFault(CommandBarControl& control, DeleteFault fault) {
        auto& c = Fake(control);
        if (fault == DeleteFault::Fails) {
            c.Fail("Delete");
        } else {
            c.ignoresDelete = true;
        }
    }

  private:
    static FakeControl& Fake(CommandBarControl& control) {
        return dynamic_cast<FakeControl&>(control);
    }
    FakeCommandBars bars_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, CommandBarsContract, ::testing::Types<FakeWorld>);

}  // namespace
}  // namespace morvane::test
