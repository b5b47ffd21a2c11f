// The click memory under any sequence of mouse-downs on a bar of four tabs, two of them of one
// name: a window is closed by a left click only when the mouse-down before it was a left click
// on that same window.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <memory>
#include <optional>

#include "addin/state/AddinState.h"
#include "addin/tabbar/frmMorvane.h"
#include "support/FakeCommandBars.h"
#include "support/FakeHost.h"
#include "support/FakeTabStrip.h"
#include "support/FakeWindowSystem.h"

using namespace morvane;

namespace {

constexpr std::int32_t StripWidth = 20000;
constexpr std::int32_t TabSpan = 1500;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    auto host = std::make_shared<test::FakeHost>();
    test::FakeWindowSystem windows;
    test::FakeTabStrip strip;
    test::FakeCommandBars bars;
    AddinState state;
    state.Settings.EnableCreate = input.ConsumeBool() ? 0 : 1;
    state.HostApp = host;
    state.HostVersion = ParseHostVersion(L"14.0");
    state.HostCommandBars = std::shared_ptr<CommandBars>(std::shared_ptr<void>(), &bars);
    const WindowHandle main = windows.Add(0, L"JWinproj-WhimperMainClass");
    state.hMDIClient = windows.Add(main, L"MDIClient");
    TabBarParts parts{strip, strip, windows, state, {}};
    frmMorvane form(parts);

    strip.SetCount(4);
    const wchar_t* names[] = {L"  Plan.mpp  ", L"  Other.mpp  ", L"  Plan.mpp  *  ", L"  X  "};
    for (std::int32_t i = 0; i < 4; ++i) {
        const WindowHandle window =
            windows.Add(state.hMDIClient, L"Winproj-DocWindowClass", names[i]);
        strip.SetCaption(i, names[i]);
        strip.SetTag(i, HandleText(window));
    }
    strip.LayOut(TabSpan);
    strip.width = StripWidth;
    strip.height = 400;
    strip.buttonLengths = {0, 0};  // no blind zone: every mouse-down is handled

    std::optional<WindowHandle> previousLeft;  // the window of the previous mouse-down if left
    while (input.remaining_bytes() > 0) {
        const std::int32_t button = input.PickValueInArray({1, 1, 1, 2, 4, 8});
        const float x = static_cast<float>(input.ConsumeIntegralInRange(0, StripWidth - 1));
        windows.tick += input.ConsumeIntegralInRange<std::uint32_t>(0, 700);
        const auto tab = strip.HitTest(static_cast<std::int32_t>(x), 100);
        const std::optional<WindowHandle> window =
            tab ? HandleFromText(strip.Tag(*tab)) : std::optional<WindowHandle>(0);
        windows.posted.clear();
        form.TabProject_MouseDown(button, 0, x, 100);
        for (const auto& message : windows.posted) {
            if (button == 1 && message.message == 0x10 &&
                !(previousLeft && window && *previousLeft == *window &&
                  message.window == *window)) {
                std::abort();  // one click closed a window
            }
        }
        previousLeft = button == 1 ? window : std::nullopt;
    }
    return 0;
}
