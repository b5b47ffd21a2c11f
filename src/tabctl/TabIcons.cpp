#include "tabctl/TabIcons.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace morvane::tabctl {

namespace {

struct Rgba {
    double r = 0, g = 0, b = 0, a = 0;  // premultiplied, 0 to 1
};

using Shape = std::function<bool(double x, double y)>;

// Paints shapes over each other, smoothing edges by sampling each pixel 4 x 4 times.
class Canvas {
  public:
    void Paint(const Shape& inside, int r, int g, int b) {
        constexpr int kSamples = 4;
        for (int py = 0; py < kIconSize; ++py) {
            for (int px = 0; px < kIconSize; ++px) {
                int hits = 0;
                for (int sy = 0; sy < kSamples; ++sy) {
                    for (int sx = 0; sx < kSamples; ++sx) {
                        hits += inside(px + (sx + 0.5) / kSamples, py + (sy + 0.5) / kSamples);
                    }
                }
                const double cover = static_cast<double>(hits) / (kSamples * kSamples);
                Rgba& p = pixels_[py * kIconSize + px];
                p.r = r / 255.0 * cover + p.r * (1 - cover);
                p.g = g / 255.0 * cover + p.g * (1 - cover);
                p.b = b / 255.0 * cover + p.b * (1 - cover);
                p.a = cover + p.a * (1 - cover);
            }
        }
    }

    Icon16 Pixels() const {
        Icon16 out{};
        auto byte = [](double v) {
            return static_cast<std::uint32_t>(std::clamp(std::lround(v * 255), 0L, 255L));
        };
        for (size_t i = 0; i < out.size(); ++i) {
            const Rgba& p = pixels_[i];
            out[i] = byte(p.a) << 24 | byte(p.r) << 16 | byte(p.g) << 8 | byte(p.b);
        }
        return out;
    }

  private:
    std::array<Rgba, kIconSize * kIconSize> pixels_{};
};

Shape Box(double left, double top, double right, double bottom) {
    return [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; };
}

// A sheet with its top right corner folded down.
Shape Sheet(double inset) {
    const double left = 2 + inset, top = 1 + inset, right = 14 - inset, bottom = 15 - inset;
    const double fold = 4;
    return [=](double x, double y) {
        return x >= left && x < right && y >= top && y < bottom && (x - (right - fold)) < (y - top);
    };
}

void PaintPlan(Canvas& canvas) {
    canvas.Paint(Sheet(0), 96, 110, 130);
    canvas.Paint(Sheet(1), 255, 255, 255);
    canvas.Paint(
        [](double x, double y) { return x >= 10 && x < 14 && y >= 1 && y < 5 && x - 10 < y - 1; },
        206, 214, 226);
    canvas.Paint(Box(4, 5, 9, 6.5), 52, 112, 196);
    canvas.Paint(Box(6, 8, 12, 9.5), 64, 156, 78);
    canvas.Paint(Box(4, 11, 10, 12.5), 52, 112, 196);
}

}  // namespace

Icon16 ProjectIcon() {
    Canvas canvas;
    PaintPlan(canvas);
    return canvas.Pixels();
}

Icon16 LockedProjectIcon() {
    Canvas canvas;
    PaintPlan(canvas);
    auto ring = [](double inner, double outer) {
        return [=](double x, double y) {
            const double d = std::hypot(x - 11, y - 9.5);
            return y < 10 && d >= inner && d < outer;
        };
    };
    canvas.Paint(ring(1.6, 3.4), 110, 86, 30);
    canvas.Paint(ring(2.2, 2.9), 200, 200, 205);
    canvas.Paint(Box(7, 9, 15, 15.5), 140, 92, 0);
    canvas.Paint(Box(8, 10, 14, 14.5), 238, 178, 36);
    canvas.Paint(Box(10.5, 11, 11.5, 13.5), 90, 58, 0);
    return canvas.Pixels();
}

}  // namespace morvane::tabctl
