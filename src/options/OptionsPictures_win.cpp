#include "options/OptionsPictures_win.h"

#include <algorithm>

#include "shared/GdiObject_win.h"

namespace morvane {

namespace {

using morvane::GdiBrush;
using morvane::GdiPen;
using morvane::ScopedSelect;

void Fill(HDC dc, const RECT& rect, COLORREF color) {
    const GdiBrush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Get());
}

void Outline(HDC dc, const RECT& rect, COLORREF color) {
    const GdiBrush brush(CreateSolidBrush(color));
    FrameRect(dc, &rect, brush.Get());
}

constexpr COLORREF kFrame = RGB(96, 112, 136);
constexpr COLORREF kTitle = RGB(43, 87, 154);
constexpr COLORREF kWorkspace = RGB(171, 171, 171);
constexpr COLORREF kDocument = RGB(255, 255, 255);
constexpr COLORREF kBar = RGB(214, 226, 242);
constexpr COLORREF kTab = RGB(242, 246, 252);
constexpr COLORREF kSelectedTab = RGB(255, 213, 120);

// A greyed picture washes each colour out to a light grey of its brightness.
COLORREF Shade(COLORREF color, bool greyed) {
    if (!greyed) {
        return color;
    }
    const int brightness =
        (GetRValue(color) * 30 + GetGValue(color) * 59 + GetBValue(color) * 11) / 100;
    const int grey = 128 + brightness / 2;
    return RGB(grey, grey, grey);
}

// Three tabs along the bar, the first one selected.
void DrawTabs(HDC dc, const RECT& bar, bool vertical, bool greyed) {
    const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
    const int tab = std::max(6, length / 5);
    for (int i = 0; i < 3; ++i) {
        const int start = 3 + i * (tab + 2);
        RECT rect =
            vertical ? RECT{bar.left + 2, bar.top + start, bar.right - 2, bar.top + start + tab}
                     : RECT{bar.left + start, bar.top + 2, bar.left + start + tab, bar.bottom - 2};
        Fill(dc, rect, Shade(i == 0 ? kSelectedTab : kTab, greyed));
        Outline(dc, rect, Shade(kFrame, greyed));
    }
}

}  // namespace

void DrawPositionPicture(HDC dc, const RECT& box, std::int32_t position, bool greyed) {
    Fill(dc, box, GetSysColor(COLOR_BTNFACE));
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    // Scaled from the picture's own 185 by 75.
    const auto x = [&](int px) { return box.left + px * width / 185; };
    const auto y = [&](int px) { return box.top + px * height / 75; };
    const RECT window{x(4), y(2), x(181), y(73)};
    Fill(dc, window, Shade(kWorkspace, greyed));
    Fill(dc, {window.left, window.top, window.right, y(11)}, Shade(kTitle, greyed));
    Fill(dc, {window.left, y(11), window.right, y(19)}, Shade(GetSysColor(COLOR_MENU), greyed));
    Outline(dc, window, Shade(kFrame, greyed));

    RECT workspace{window.left + 1, y(19), window.right - 1, window.bottom - 1};
    const int thickness = std::max(8, 12 * height / 75);
    RECT bar = workspace;
    switch (position) {
        case 0:
            bar.bottom = workspace.top + thickness;
            workspace.top = bar.bottom;
            break;
        case 1:
            bar.top = workspace.bottom - thickness;
            workspace.bottom = bar.top;
            break;
        case 2:
            bar.right = workspace.left + thickness * 3;
            workspace.left = bar.right;
            break;
        case 3:
            bar.left = workspace.right - thickness * 3;
            workspace.right = bar.left;
            break;
        default:
            bar = {};
            break;
    }
    if (!IsRectEmpty(&bar)) {
        Fill(dc, bar, Shade(kBar, greyed));
        DrawTabs(dc, bar, position == 2 || position == 3, greyed);
    }
    // The active project window in the room the bar leaves.
    const RECT document{workspace.left + 4, workspace.top + 3, workspace.right - 4,
                        workspace.bottom - 3};
    Fill(dc, document, Shade(kDocument, greyed));
    Outline(dc, document, Shade(kFrame, greyed));
}

void DrawProductIcon(HDC dc, const RECT& box) {
    Fill(dc, box, GetSysColor(COLOR_BTNFACE));
    const int size = std::min(box.right - box.left, box.bottom - box.top);
    const int left = box.left + (box.right - box.left - size) / 2;
    const int top = box.top + (box.bottom - box.top - size) / 2;
    const auto at = [&](int x, int y) { return POINT{left + x * size / 32, top + y * size / 32}; };

    const GdiBrush face(CreateSolidBrush(kTitle));
    const GdiPen edge(CreatePen(PS_SOLID, 1, RGB(28, 58, 104)));
    {
        const ScopedSelect brush(dc, face.Get());
        const ScopedSelect pen(dc, edge.Get());
        const POINT a = at(1, 1);
        const POINT b = at(31, 31);
        RoundRect(dc, a.x, a.y, b.x, b.y, size / 5, size / 5);
    }
    // Three tabs, the middle one selected, over a white page.
    for (int i = 0; i < 3; ++i) {
        const POINT a = at(4 + i * 8, i == 1 ? 6 : 8);
        const POINT b = at(11 + i * 8, 13);
        Fill(dc, {a.x, a.y, b.x, b.y}, i == 1 ? kSelectedTab : kBar);
    }
    const POINT a = at(4, 13);
    const POINT b = at(28, 28);
    Fill(dc, {a.x, a.y, b.x, b.y}, kDocument);
    for (int line = 0; line < 3; ++line) {
        const POINT p = at(7, 17 + line * 3);
        const POINT q = at(line == 2 ? 18 : 25, 18 + line * 3);
        Fill(dc, {p.x, p.y, q.x, q.y}, kWorkspace);
    }
}

}  // namespace morvane
