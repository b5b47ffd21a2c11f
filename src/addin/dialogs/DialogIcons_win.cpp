#include "addin/dialogs/DialogIcons_win.h"

#include <algorithm>
#include <cstdint>

#include "tabctl/DibCanvas_win.h"

namespace morvane::dialogs {

namespace {

using morvane::GdiBrush;
using morvane::GdiFont;
using morvane::GdiPen;
using morvane::ScopedSelect;
using tabctl::DibCanvas;

// Drawn this many times larger, then averaged down: smooth edges from plain GDI.
constexpr int kSupersample = 4;

constexpr COLORREF kBlue = RGB(0x2B, 0x6C, 0xC4);
constexpr COLORREF kBlueEdge = RGB(0x1A, 0x4C, 0x96);
constexpr COLORREF kGold = RGB(0xE8, 0xB0, 0x30);
constexpr COLORREF kGoldEdge = RGB(0x9C, 0x6A, 0x10);
constexpr COLORREF kSteel = RGB(0x8A, 0x93, 0x9E);
constexpr COLORREF kKeyhole = RGB(0x4A, 0x32, 0x08);

void Shape(HDC dc, COLORREF fill, COLORREF edge, int edgeWidth, auto draw) {
    const GdiBrush brush(CreateSolidBrush(fill));
    const GdiPen pen(CreatePen(PS_SOLID, edgeWidth, edge));
    const ScopedSelect selectBrush(dc, brush.Get());
    const ScopedSelect selectPen(dc, pen.Get());
    draw();
}

// A white glyph ("?" or "i") on a blue disc filling the square of side `size`.
void DrawDisc(HDC dc, int size, const wchar_t* glyph) {
    Shape(dc, kBlue, kBlueEdge, size / 24, [&] { Ellipse(dc, 1, 1, size - 1, size - 1); });
    const GdiFont font(CreateFontW(-size * 3 / 4, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                   ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Arial"));
    const ScopedSelect selectFont(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0xFF, 0xFF, 0xFF));
    RECT whole{0, 0, size, size};
    DrawTextW(dc, glyph, -1, &whole, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// A gold padlock with a steel shackle, in the square of side `size`.
void DrawPadlock(HDC dc, int size) {
    const int unit = size / 32;
    {
        // The shackle: a thick steel arch standing on the body.
        const GdiPen thick(CreatePen(PS_SOLID, 4 * unit, kSteel));
        const ScopedSelect selectPen(dc, thick.Get());
        const ScopedSelect hollow(dc, GetStockObject(NULL_BRUSH));
        Arc(dc, 9 * unit, 3 * unit, 23 * unit, 19 * unit, 23 * unit, 11 * unit, 9 * unit,
            11 * unit);
        MoveToEx(dc, 9 * unit, 11 * unit, nullptr);
        LineTo(dc, 9 * unit, 16 * unit);
        MoveToEx(dc, 23 * unit, 11 * unit, nullptr);
        LineTo(dc, 23 * unit, 16 * unit);
    }
    Shape(dc, kGold, kGoldEdge, unit,
          [&] { RoundRect(dc, 5 * unit, 14 * unit, 27 * unit, 30 * unit, 4 * unit, 4 * unit); });
    Shape(dc, kKeyhole, kKeyhole, 1, [&] {
        Ellipse(dc, 14 * unit, 18 * unit, 18 * unit, 22 * unit);
        Rectangle(dc, 15 * unit, 21 * unit, 17 * unit, 26 * unit);
    });
}

// Averages each square of kSupersample pixels of `large` into one pixel of `small`.
void Shrink(const DibCanvas& large, const DibCanvas& small) {
    const std::uint32_t* from = large.Pixels();
    std::uint32_t* to = small.Pixels();
    constexpr int samples = kSupersample * kSupersample;
    for (int y = 0; y < small.Height(); ++y) {
        for (int x = 0; x < small.Width(); ++x) {
            std::uint32_t sum[3] = {0, 0, 0};
            for (int dy = 0; dy < kSupersample; ++dy) {
                for (int dx = 0; dx < kSupersample; ++dx) {
                    const std::uint32_t pixel =
                        from[(y * kSupersample + dy) * large.Width() + x * kSupersample + dx];
                    for (int c = 0; c < 3; ++c) {
                        sum[c] += (pixel >> (8 * c)) & 0xFF;
                    }
                }
            }
            to[y * small.Width() + x] =
                (sum[0] / samples) | ((sum[1] / samples) << 8) | ((sum[2] / samples) << 16);
        }
    }
}

}  // namespace

void DrawFormIcon(HDC dc, const RECT& box, FormIcon icon) {
    const GdiBrush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    FillRect(dc, &box, face.Get());
    const int side = std::min(box.right - box.left, box.bottom - box.top);
    if (icon == FormIcon::None || side <= 0) {
        return;
    }
    // Whole units of 1/32 of the side, so the padlock's parts meet.
    const int large = (side * kSupersample / 32) * 32;
    DibCanvas canvas(large, large);
    DibCanvas shown(large / kSupersample, large / kSupersample);
    if (!canvas.Valid() || !shown.Valid() || large == 0) {
        return;
    }
    RECT all{0, 0, large, large};
    FillRect(canvas.Dc(), &all, face.Get());
    switch (icon) {
        case FormIcon::Question:
            DrawDisc(canvas.Dc(), large, L"?");
            break;
        case FormIcon::Information:
            DrawDisc(canvas.Dc(), large, L"i");
            break;
        case FormIcon::Lock:
            DrawPadlock(canvas.Dc(), large);
            break;
        case FormIcon::None:
            break;
    }
    GdiFlush();
    Shrink(canvas, shown);
    const int left = box.left + (box.right - box.left - shown.Width()) / 2;
    const int top = box.top + (box.bottom - box.top - shown.Height()) / 2;
    BitBlt(dc, left, top, shown.Width(), shown.Height(), shown.Dc(), 0, 0, SRCCOPY);
}

}  // namespace morvane::dialogs
