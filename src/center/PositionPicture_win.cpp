#include "center/PositionPicture_win.h"

#include "shared/GdiObject_win.h"

namespace morvane::center {

namespace {

void Fill(HDC dc, const RECT& rect, COLORREF color) {
    const GdiBrush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Get());
}

// The bar's strip along one edge of the workspace.
RECT BarStrip(const RECT& space, int position) {
    constexpr int kThickness = 12;
    RECT bar = space;
    switch (position) {
        case 0:
            bar.bottom = bar.top + kThickness;
            break;
        case 1:
            bar.top = bar.bottom - kThickness;
            break;
        case 2:
            bar.right = bar.left + kThickness * 3;
            break;
        default:
            bar.left = bar.right - kThickness * 3;
            break;
    }
    return bar;
}

}  // namespace

void DrawPositionPicture(HDC dc, const RECT& box, int position, bool greyed) {
    const COLORREF frame = greyed ? RGB(160, 160, 160) : RGB(43, 87, 154);
    const COLORREF ribbon = greyed ? RGB(215, 215, 215) : RGB(222, 232, 246);
    const COLORREF space = greyed ? RGB(236, 236, 236) : RGB(255, 255, 255);
    const COLORREF bar = greyed ? RGB(180, 180, 180) : RGB(255, 196, 84);
    Fill(dc, box, GetSysColor(COLOR_BTNFACE));

    RECT window = box;
    InflateRect(&window, -4, -4);
    Fill(dc, window, frame);
    RECT inside = window;
    InflateRect(&inside, -2, -2);
    inside.top += 10;  // the caption
    RECT band = inside;
    band.bottom = band.top + 14;
    Fill(dc, band, ribbon);
    RECT work = inside;
    work.top = band.bottom + 1;
    Fill(dc, work, space);
    if (position >= 0 && position <= 3) {
        Fill(dc, BarStrip(work, position), bar);
    }
}

}  // namespace morvane::center
