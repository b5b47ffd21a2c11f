// The strip layout on any input, mismatched vector lengths included: every answer stays within
// the tabs it was given.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "tabctl/StripLayout.h"

using namespace morvane::tabctl;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    StripInput in;
    in.side = static_cast<TabSide>(input.ConsumeIntegralInRange(0, 3));
    in.layout = static_cast<TabLayout>(input.ConsumeIntegralInRange(0, 2));
    in.clientWidth = input.ConsumeIntegralInRange(-10, 5000);
    in.clientHeight = input.ConsumeIntegralInRange(-10, 5000);
    in.fixedWidth = input.ConsumeIntegralInRange(-10, 2000);
    in.maxWidth = input.ConsumeIntegralInRange(-10, 2000);
    in.closeButton = input.ConsumeBool();
    in.firstTab = input.ConsumeIntegralInRange(-5, 100);
    in.ensureVisible = input.ConsumeIntegralInRange(-5, 100);
    in.metrics.rowHeight = input.ConsumeIntegralInRange(1, 100);
    in.metrics.gap = input.ConsumeIntegralInRange(-20, 20);
    const int tabs = input.ConsumeIntegralInRange(0, 60);
    const int flags = input.ConsumeIntegralInRange(0, 60);
    for (int i = 0; i < tabs; ++i) {
        in.contentWidths.push_back(input.ConsumeIntegralInRange(-10, 3000));
    }
    for (int i = 0; i < flags; ++i) {
        in.visible.push_back(input.ConsumeBool());
    }
    const StripLayout layout = ComputeStrip(in);
    if (layout.spans.size() != in.contentWidths.size() ||
        layout.tabs.size() != in.contentWidths.size()) {
        std::abort();
    }
    const int selected = input.ConsumeIntegralInRange(-2, 70);
    while (input.remaining_bytes() > 0) {
        const int x = input.ConsumeIntegralInRange(-50, 5050);
        const int y = input.ConsumeIntegralInRange(-50, 5050);
        const int hit = HitTest(layout, x, y, selected);
        const int drop = DropIndex(layout, input.ConsumeIntegralInRange(-2, 70), x, y);
        ButtonAt(layout, x, y);
        if (hit < -1 || hit >= tabs || drop < 0 || drop > std::max(tabs - 1, 0)) {
            std::abort();
        }
    }
    return 0;
}
