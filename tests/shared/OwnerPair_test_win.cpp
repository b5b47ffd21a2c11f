#include "shared/OwnerPair_win.h"

#include <gtest/gtest.h>

#include "support/TestWindow_win.h"

namespace morvane {
namespace {

class OwnerPairTest : public ::testing::Test {
  protected:
    HWND first = nullptr, second = nullptr, form = nullptr;
    HINSTANCE instance = GetModuleHandleW(nullptr);

    void SetUp() override {
        first = Make(nullptr);
        second = Make(nullptr);
        form = Make(first);
    }
    void TearDown() override {
        for (HWND window : {form, second, first}) {
            DestroyWindow(window);
        }
    }
    static HWND Make(HWND owner) {
        return test::CreateTestWindow(L"MorvaneOwnerPairTest", WS_POPUP, owner);
    }
    HINSTANCE InstanceOf(HWND window) const {
        return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    }
};

TEST_F(OwnerPairTest, SetsAndRestoresTheOwnerOnlyLeavingTheInstanceHandleAlone) {
    {
        OwnerPair pair;
        pair.Set(form, second);
        EXPECT_EQ(GetWindow(form, GW_OWNER), second);
        EXPECT_EQ(InstanceOf(form), instance);
    }  // unloaded: the owner it had before
    EXPECT_EQ(GetWindow(form, GW_OWNER), first);
    EXPECT_EQ(InstanceOf(form), instance);
}

TEST_F(OwnerPairTest, NoOwnerGivenChangesNothing) {
    OwnerPair pair;
    pair.Set(form, nullptr);
    pair.Restore();
    EXPECT_EQ(GetWindow(form, GW_OWNER), first);
    EXPECT_EQ(InstanceOf(form), instance);
}

}  // namespace
}  // namespace morvane
