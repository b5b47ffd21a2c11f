// Tab control figures: a full repaint of a 50-tab and a 100-tab strip (every tab in view), and a
// change of the tab count from 0 to 100.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <memory>
#include <string>

#include "tabctl/DibCanvas_win.h"
#include "tabctl/TabControl_win.h"

namespace {

using morvane::tabctl::TabControl;
using Clock = std::chrono::steady_clock;

constexpr int kTabWidth = 80;
constexpr int kHeight = 30;

// The tab bar's usual set-up: Office scheme with sheen, close button, images, fixed widths.
std::unique_ptr<TabControl> Strip(HWND parent, int tabs) {
    auto control = TabControl::Create(parent, 0, 0, tabs * kTabWidth + 60, kHeight);
    if (!control) {
        std::fprintf(stderr, "bench_tabctl: no window could be created\n");
        std::exit(1);
    }
    control->AttachImageList(std::make_shared<morvane::tabctl::TabImageList>(
        morvane::tabctl::TabImageList::TabBarImages()));
    control->SetColorStyle(morvane::tabctl::ColorStyle::Office);
    control->SetPaintSwitch(morvane::tabctl::PaintSwitch::Gloss, true);
    control->SetPaintSwitch(morvane::tabctl::PaintSwitch::CloseButton, true);
    control->SetLayout(morvane::tabctl::TabLayout::Fixed);
    control->SetFixedWidth(kTabWidth);
    control->SetCount(tabs);
    for (int i = 0; i < tabs; ++i) {
        control->SetCaption(i, L"  Project " + std::to_wstring(i + 1) + L"  ");
        control->SetImage(i, i % 7 == 3 ? 1 : 0);
    }
    control->SetSelectedIndex(tabs / 2);
    return control;
}

// Average microseconds of one full repaint into a memory bitmap.
double PaintMicroseconds(HWND parent, int tabs) {
    auto control = Strip(parent, tabs);
    RECT r{};
    GetClientRect(control->Hwnd(), &r);
    const morvane::tabctl::DibCanvas canvas(r.right, r.bottom);
    control->Paint(canvas.Dc());  // warm-up: measures the captions once
    // The best of several batches, so that other work on the machine weighs less.
    constexpr int kBatches = 15;
    constexpr int kRounds = 20;
    double best = 1e30;
    for (int batch = 0; batch < kBatches; ++batch) {
        const auto start = Clock::now();
        for (int i = 0; i < kRounds; ++i) {
            control->Paint(canvas.Dc());
        }
        GdiFlush();
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        best = std::min(best, spent.count() / kRounds);
    }
    return best;
}

double CountMicroseconds(HWND parent) {
    auto control = TabControl::Create(parent, 0, 0, 800, kHeight);
    if (!control) {
        std::exit(1);
    }
    constexpr int kRounds = 500;
    double total = 0;
    for (int i = 0; i < kRounds; ++i) {
        control->SetCount(0);
        control->ScrollArrowsShown();
        const auto start = Clock::now();
        control->SetCount(100);
        control->ScrollArrowsShown();  // the new layout
        total += std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    }
    return total / kRounds;
}

}  // namespace

int main() {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    const double paint50 = PaintMicroseconds(parent, 50);
    const double paint100 = PaintMicroseconds(parent, 100);
    const double count100 = CountMicroseconds(parent);
    std::printf("tabctl_paint50_us: %.1f\n", paint50);
    std::printf("tabctl_paint100_us: %.1f\n", paint100);
    std::printf("tabctl_paint_ratio: %.2f\n", paint100 / paint50);
    std::printf("tabctl_count100_us: %.1f\n", count100);
    DestroyWindow(parent);
    return 0;
}
