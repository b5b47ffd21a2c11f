#include "TabBarControlContract.h"

#include "support/FakeTabStrip.h"

namespace morvane::test {
namespace {

class FakeWorld {
  public:
    FakeWorld() {
        control_.onSelectionChanged = [this](std::int32_t i) { selections_.push_back(i); };
    }
    TabBarControl& Control() { return control_; }
    const std::vector<std::int32_t>& Selections() const { return selections_; }

  private:
    FakeTabStrip control_;
    std::vector<std::int32_t> selections_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Double, TabBarControlContract, FakeWorld);

}  // namespace
}  // namespace morvane::test
