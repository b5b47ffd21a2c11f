#pragma once
// What every window system must answer alike, run against the double natively and against
// Win32 under Wine. A world creates and destroys windows for one system.

#include <gtest/gtest.h>

#include <string>

#include "addin/tabbar/WindowSystem.h"

namespace morvane::test {

template <typename World>
class WindowSystemContract : public ::testing::Test {
  protected:
    World world;
};

TYPED_TEST_SUITE_P(WindowSystemContract);

TYPED_TEST_P(WindowSystemContract, FindsChildrenByClassAndCaptionInZOrder) {
    auto& world = this->world;
    WindowSystem& system = world.System();
    const auto parent = world.Create(0, L"MorvaneContractParent", L"Parent");
    const auto a = world.Create(parent, L"MorvaneContractDoc", L"Alpha");
    const auto other = world.Create(parent, L"MorvaneContractOther", L"Alpha");
    const auto b = world.Create(parent, L"MorvaneContractDoc", L"Beta");

    EXPECT_EQ(system.FindByClass(parent, 0, L"MorvaneContractDoc", std::wstring(L"Alpha")), a);
    EXPECT_EQ(system.FindByClass(parent, 0, L"MorvaneContractDoc", std::wstring(L"Gamma")), 0);
    // Without a caption: every window of the class, topmost first.
    const auto first = system.FindByClass(parent, 0, L"MorvaneContractDoc", std::nullopt);
    const auto second = system.FindByClass(parent, first, L"MorvaneContractDoc", std::nullopt);
    EXPECT_EQ(first, a);
    EXPECT_EQ(second, b);
    EXPECT_EQ(system.FindByClass(parent, second, L"MorvaneContractDoc", std::nullopt), 0);

    // The children in z-order: a new child goes below its siblings.
    EXPECT_EQ(system.FirstChild(parent), a);
    EXPECT_EQ(system.NextSibling(a), other);
    EXPECT_EQ(system.NextSibling(other), b);
    EXPECT_EQ(system.NextSibling(b), 0);
    EXPECT_EQ(system.Parent(a), parent);
    EXPECT_EQ(system.FirstChild(a), 0);
}

TYPED_TEST_P(WindowSystemContract, TextsVisibilityAndPosting) {
    auto& world = this->world;
    WindowSystem& system = world.System();
    const auto parent = world.Create(0, L"MorvaneContractParent", L"Parent");
    const auto shown = world.Create(parent, L"MorvaneContractDoc", L"Shown plan");
    const auto hidden = world.Create(parent, L"MorvaneContractDoc", L"", false);
    EXPECT_EQ(system.WindowText(shown), L"Shown plan");
    EXPECT_EQ(system.WindowText(hidden), L"");
    EXPECT_TRUE(system.IsWindowVisible(shown));
    EXPECT_FALSE(system.IsWindowVisible(hidden));
    EXPECT_TRUE(system.Post(shown, 0x0400, 1, 2));
    world.Destroy(shown);
    EXPECT_FALSE(system.Post(shown, 0x0400, 1, 2));
    EXPECT_EQ(system.WindowText(shown), L"");
    EXPECT_FALSE(system.IsWindowVisible(shown));
    EXPECT_GT(system.TwipsPerPixel(), 0.0);
    EXPECT_GT(system.DoubleClickTime(), 0u);
}

REGISTER_TYPED_TEST_SUITE_P(WindowSystemContract, FindsChildrenByClassAndCaptionInZOrder,
                            TextsVisibilityAndPosting);

}  // namespace morvane::test
