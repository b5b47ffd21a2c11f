#include "WindowSystemContract.h"

#include "support/FakeWindowSystem.h"

namespace morvane::test {
namespace {

class FakeWorld {
  public:
    WindowSystem& System() { return system_; }
    WindowHandle Create(WindowHandle parent, const std::wstring& className,
                        const std::wstring& text, bool visible = true) {
        return system_.Add(parent, className, text, visible);
    }
    void Destroy(WindowHandle window) { system_.Remove(window); }

  private:
    FakeWindowSystem system_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Double, WindowSystemContract, FakeWorld);

}  // namespace
}  // namespace morvane::test
