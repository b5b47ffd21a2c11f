#include <windows.h>

#include <memory>

#include "TabBarControlContract.h"
#include "addin/tabbar/Win32TabBarControl_win.h"
#include "support/TestWindow_win.h"

namespace morvane::test {
namespace {

// Our tab control in a window of its own, its selection events recorded.
class Win32World : private TabEventSink {
  public:
    Win32World() {
        parent_ = CreateTestWindow(L"MorvaneControlContractParent", WS_POPUP);
        control_ = Win32TabBarControl::Create(reinterpret_cast<WindowHandle>(parent_), *this);
    }
    ~Win32World() {
        control_.reset();
        DestroyWindow(parent_);
    }
    Win32World(const Win32World&) = delete;
    Win32World& operator=(const Win32World&) = delete;

    TabBarControl& Control() { return *control_; }
    const std::vector<std::int32_t>& Selections() const { return selections_; }

  private:
    void SelectionChanged(std::int32_t index) override { selections_.push_back(index); }
    void MouseDown(std::int32_t, std::int32_t, float, float) override {}
    void CloseButtonClick(bool&) override {}
    void TabMoved(std::int32_t, std::int32_t) override {}

    HWND parent_ = nullptr;
    std::unique_ptr<Win32TabBarControl> control_;
    std::vector<std::int32_t> selections_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, TabBarControlContract, Win32World);

}  // namespace
}  // namespace morvane::test
