#include "tabctl/TabPainter_win.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tabctl/Appearance.h"
#include "tabctl/ColorMath.h"
#include "shared/GdiObject_win.h"
#include "tabctl/Units.h"

namespace morvane::tabctl {

namespace {

RECT ToRect(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// Drawing in strip coordinates: `along` from the strip's leading end, `across` from the
// control's outer edge. Points name pixels (inclusive), so mirrored sides come out exact.
class StripCanvas {
  public:
    StripCanvas(HDC dc, const StripLayout& strip) : dc_(dc), strip_(strip) {}

    HDC Dc() const { return dc_; }
    const StripLayout& Strip() const { return strip_; }

    void Fill(Span along, int acrossBegin, int acrossEnd, OleColor color) const {
        if (along.end <= along.begin || acrossEnd <= acrossBegin) {
            return;
        }
        FillDevice(strip_.ToDevice(along, acrossBegin, acrossEnd), color);
    }

    void FillDevice(const PixelRect& r, OleColor color) const {
        const RECT rect = ToRect(r);
        SetDCBrushColor(dc_, color);
        FillRect(dc_, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    }

    // A shade running across the strip, `outer` at the outer edge.
    void Gradient(Span along, int acrossBegin, int acrossEnd, OleColor outer,
                  OleColor inner) const {
        if (along.end <= along.begin || acrossEnd <= acrossBegin) {
            return;
        }
        const PixelRect r = strip_.ToDevice(along, acrossBegin, acrossEnd);
        const bool outerFirst = strip_.side == TabSide::Top || strip_.side == TabSide::Left;
        const OleColor first = outerFirst ? outer : inner;
        const OleColor second = outerFirst ? inner : outer;
        TRIVERTEX v[2] = {Vertex(r.left, r.top, first), Vertex(r.right, r.bottom, second)};
        GRADIENT_RECT g{0, 1};
        GradientFill(dc_, v, 2, &g, 1,
                     IsVertical(strip_.side) ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
    }

    POINT Map(POINT p) const {
        switch (strip_.side) {
            case TabSide::Top:
                return {p.x, p.y};
            case TabSide::Bottom:
                return {p.x, strip_.clientHeight - 1 - p.y};
            case TabSide::Left:
                return {p.y, p.x};
            case TabSide::Right:
                return {strip_.clientWidth - 1 - p.y, p.x};
        }
        return p;
    }

    // A filled outline through pixel points (x along, y across).
    void Polygon(const std::vector<POINT>& points, OleColor fill, OleColor outline) const {
        std::vector<POINT> mapped;
        mapped.reserve(points.size());
        for (const POINT& p : points) {
            mapped.push_back(Map(p));
        }
        SetDCBrushColor(dc_, fill);
        SetDCPenColor(dc_, outline);
        ScopedSelect brush(dc_, GetStockObject(DC_BRUSH));
        ScopedSelect pen(dc_, GetStockObject(DC_PEN));
        ::Polygon(dc_, mapped.data(), static_cast<int>(mapped.size()));
    }

    void Polyline(const std::vector<POINT>& points, OleColor color) const {
        std::vector<POINT> mapped;
        for (const POINT& p : points) {
            mapped.push_back(Map(p));
        }
        SetDCPenColor(dc_, color);
        ScopedSelect pen(dc_, GetStockObject(DC_PEN));
        ::Polyline(dc_, mapped.data(), static_cast<int>(mapped.size()));
        // Polyline leaves out its last pixel.
        SetPixelV(dc_, mapped.back().x, mapped.back().y, color);
    }

    // One pixel wide, inclusive ends.
    void AlongLine(int begin, int end, int across, OleColor color) const {
        Fill({begin, end + 1}, across, across + 1, color);
    }
    void AcrossLine(int along, int begin, int end, OleColor color) const {
        Fill({along, along + 1}, begin, end + 1, color);
    }

  private:
    static TRIVERTEX Vertex(LONG x, LONG y, OleColor c) {
        return {x,
                y,
                static_cast<COLOR16>(RedOf(c) << 8),
                static_cast<COLOR16>(GreenOf(c) << 8),
                static_cast<COLOR16>(BlueOf(c) << 8),
                0};
    }

    HDC dc_;
    const StripLayout& strip_;
};

// A tab's body in strip pixels: columns first..last along, rows outer..inner across.
struct Frame {
    int first;
    int last;
    int outer;
    int inner;
    int Middle() const { return (outer + inner) / 2; }
};

// Points of a tab outline whose outer corners are rounded by `radius`.
std::vector<POINT> RoundedOutline(const Frame& f, int radius) {
    radius = std::clamp(radius, 0, std::min((f.last - f.first) / 2, f.inner - f.outer));
    std::vector<POINT> points{{f.first, f.inner}};
    constexpr std::array<double, 4> kAngles = {0.0, 0.35, 0.9, 1.5707963};
    for (double a : kAngles) {
        points.push_back({f.first + static_cast<LONG>(std::lround(radius - radius * std::cos(a))),
                          f.outer + static_cast<LONG>(std::lround(radius - radius * std::sin(a)))});
    }
    for (auto it = kAngles.rbegin(); it != kAngles.rend(); ++it) {
        points.push_back(
            {f.last - static_cast<LONG>(std::lround(radius - radius * std::cos(*it))),
             f.outer + static_cast<LONG>(std::lround(radius - radius * std::sin(*it)))});
    }
    points.push_back({f.last, f.inner});
    return points;
}

std::vector<POINT> SlantedOutline(const Frame& f, int flank) {
    return {{f.first, f.inner},
            {f.first + flank, f.outer},
            {f.last - flank, f.outer},
            {f.last, f.inner}};
}

// Flanks that leave the page edge steeply and bend over into the top.
std::vector<POINT> CurvedOutline(const Frame& f, int flank) {
    std::vector<POINT> points;
    constexpr std::array<double, 6> kSteps = {0.0, 0.2, 0.4, 0.6, 0.8, 1.0};
    const int height = f.inner - f.outer;
    for (double t : kSteps) {
        const double ease = t * t * (3 - 2 * t);
        points.push_back({f.first + static_cast<LONG>(std::lround(flank * ease)),
                          f.inner - static_cast<LONG>(std::lround(height * t))});
    }
    for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it) {
        const double ease = *it * *it * (3 - 2 * *it);
        points.push_back({f.last - static_cast<LONG>(std::lround(flank * ease)),
                          f.inner - static_cast<LONG>(std::lround(height * *it))});
    }
    return points;
}

struct Painter {
    const PaintState& state;
    const StripLayout& strip;
    StripCanvas canvas;
    const AppearanceLook& look;
    ColorSet c;
    OleColor border;
    int thickness;
    int raise;

    Painter(HDC dc, const PaintState& s)
        : state(s),
          strip(*s.strip),
          canvas(dc, *s.strip),
          look(Look(s.appearance)),
          c(s.colors),
          border(Darken(s.colors.faceDark, 0.32)),
          thickness(s.strip->thickness),
          raise(ScaleToDpi(Look(s.appearance).raise, s.dpi)) {}

    int Px(int at96) const { return ScaleToDpi(at96, state.dpi); }

    // The page joins the selected tab, except where the selected tab is a highlight.
    OleColor PageColor() const {
        switch (look.kind) {
            case LookKind::Office2003:
                return Rgb(246, 249, 255);
            case LookKind::Buttons:
                return Lighten(c.faceLight, 0.5);
            case LookKind::VisualStudio2010:
                return Rgb(255, 255, 255);
            case LookKind::Modern:
                return Rgb(45, 45, 48);
            default:
                return c.selectedTab;
        }
    }

    OleColor Background() const { return look.kind == LookKind::Modern ? c.faceDark : c.faceLight; }

    void PaintBackground() const {
        const Span whole{0, strip.length};
        switch (look.kind) {
            case LookKind::Flat:
            case LookKind::Underlined:
                canvas.Fill(whole, 0, thickness, c.faceLight);
                break;
            case LookKind::Modern:
                canvas.Fill(whole, 0, thickness, c.faceDark);
                break;
            default:
                canvas.Gradient(whole, 0, thickness, c.faceLight, c.faceDark);
                break;
        }
        PaintPageEdge(whole);
    }

    // The line between the strip and the page, under every tab but the selected one.
    void PaintPageEdge(Span whole) const {
        const int edge = thickness - 1;
        switch (look.kind) {
            case LookKind::Buttons:
                break;
            case LookKind::Classic3D:
                canvas.Fill(whole, edge, thickness, Lighten(c.faceLight, 0.85));
                break;
            case LookKind::Office2003:
                canvas.Fill(whole, edge, thickness, Rgb(59, 97, 156));
                break;
            case LookKind::VisualStudio2010:
            case LookKind::Modern:
                canvas.Fill(whole, edge - Px(1), thickness, c.selectedTab);
                break;
            default:
                canvas.Fill(whole, edge, thickness, border);
                break;
        }
    }

    Frame FrameOf(int tab, bool selected) const {
        const Span s = strip.spans[tab];
        const bool buttons = look.kind == LookKind::Buttons;
        Frame f{s.begin, s.end - 1, selected ? 0 : raise, selected ? thickness - 1 : thickness - 2};
        if (buttons) {
            f.outer = Px(2);
            f.inner = thickness - 1 - Px(2);
        }
        return f;
    }

    OleColor FillOf(int tab, bool selected) const {
        if (selected) {
            return c.selectedTab;
        }
        if (tab == state.hotTab) {
            return Blend(c.normalTab, c.selectedTab, 0.45);
        }
        return c.normalTab;
    }

    void Sheen(const Frame& f, OleColor fill, double strength) const {
        canvas.Gradient({f.first + 1, f.last}, f.outer + 1, f.Middle() + 1, Lighten(fill, strength),
                        Lighten(fill, strength / 4));
    }

    void Bevel(const Frame& f, OleColor light, OleColor dark) const {
        canvas.AlongLine(f.first, f.last, f.outer, light);
        canvas.AcrossLine(f.first, f.outer, f.inner, light);
        canvas.AlongLine(f.first, f.last, f.inner, dark);
        canvas.AcrossLine(f.last, f.outer, f.inner, dark);
    }

    void PaintTabShape(int tab, bool selected) const {
        const Frame f = FrameOf(tab, selected);
        const OleColor fill = FillOf(tab, selected);
        const Span body{f.first, f.last + 1};
        bool glossy = state.gloss;
        switch (look.kind) {
            case LookKind::Classic3D:
                canvas.Fill(body, f.outer, f.inner + 1, fill);
                canvas.AcrossLine(f.first, f.outer + 1, f.inner, Lighten(fill, 0.8));
                canvas.AlongLine(f.first + 1, f.last - 1, f.outer, Lighten(fill, 0.8));
                canvas.AcrossLine(f.last - 1, f.outer + 1, f.inner, Darken(fill, 0.18));
                canvas.AcrossLine(f.last, f.outer + 1, f.inner, Darken(fill, 0.5));
                break;
            case LookKind::Flat:
                canvas.Fill(body, 0, f.inner + 1, fill);
                if (selected) {
                    canvas.AcrossLine(f.first, 0, f.inner, border);
                    canvas.AcrossLine(f.last, 0, f.inner, border);
                } else if (tab + 1 != state.selected) {
                    canvas.AcrossLine(f.last, thickness / 4, thickness * 3 / 4,
                                      Darken(c.faceDark, 0.2));
                }
                break;
            case LookKind::Rounded:
                canvas.Polygon(RoundedOutline(f, Px(4)), fill,
                               selected ? border : Darken(fill, 0.28));
                break;
            case LookKind::Buttons:
                canvas.Fill(body, f.outer, f.inner + 1, fill);
                if (selected) {
                    Bevel(f, Darken(fill, 0.45), Lighten(fill, 0.9));
                    glossy = false;
                } else {
                    Bevel(f, Lighten(fill, 0.9), Darken(fill, 0.45));
                }
                break;
            case LookKind::Office2003:
                canvas.Polygon(RoundedOutline(f, Px(3)), fill,
                               selected ? Rgb(59, 97, 156) : Darken(fill, 0.35));
                Sheen(f, fill, 0.65);
                glossy = false;
                break;
            case LookKind::Underlined:
                canvas.Fill(body, 0, f.inner + 1, fill);
                if (selected) {
                    canvas.Fill(body, thickness - Px(3), thickness, c.selectedText);
                }
                break;
            case LookKind::Slanted:
                canvas.Polygon(
                    SlantedOutline(f, FlankWidth(state.appearance, strip.side, state.dpi)), fill,
                    border);
                break;
            case LookKind::Curved:
                canvas.Polygon(
                    CurvedOutline(f, FlankWidth(state.appearance, strip.side, state.dpi)), fill,
                    border);
                break;
            case LookKind::Notebook:
                canvas.Fill(body, f.outer, f.inner + 1, fill);
                canvas.AcrossLine(f.first, f.outer, f.inner, border);
                canvas.AcrossLine(f.last, f.outer, f.inner, border);
                canvas.AlongLine(f.first, f.last, f.outer, border);
                if (selected) {
                    canvas.Fill({f.first, f.last + 1}, 0, Px(3), Rgb(255, 176, 52));
                    canvas.AlongLine(f.first + 1, f.last - 1, 0, Rgb(222, 134, 20));
                }
                break;
            case LookKind::Office2007:
                canvas.Polygon(RoundedOutline(f, Px(3)), fill,
                               selected ? border : Darken(fill, 0.3));
                Sheen(f, fill, 0.7);
                glossy = false;
                break;
            case LookKind::VisualStudio2010:
                canvas.Polygon(RoundedOutline(f, Px(2)), fill, fill);
                if (selected) {
                    Sheen(f, fill, 0.6);
                }
                glossy = false;
                break;
            case LookKind::Modern:
                canvas.Fill(body, f.outer, f.inner + 1,
                            tab == state.hotTab && !selected ? Lighten(fill, 0.15) : fill);
                glossy = false;
                break;
        }
        if (glossy) {
            Sheen(f, fill, 0.45);
        }
    }

    void PaintTabContent(int tab, bool selected) const {
        const TabData& data = (*state.tabs)[tab];
        const Frame f = FrameOf(tab, selected);
        PixelRect r = strip.ToDevice({f.first, f.last + 1}, f.outer, f.inner + 1);
        const int padding = TabPadding(state.appearance, strip.side, state.dpi);
        r.left += padding;
        r.right -= padding;
        if (look.kind == LookKind::Underlined && selected) {
            // Keep the caption centred above the underline.
            if (strip.side == TabSide::Top) {
                r.bottom -= Px(2);
            } else if (strip.side == TabSide::Bottom) {
                r.top += Px(2);
            }
        }
        const bool usable = state.enabled && data.enabled;
        const bool hasImage = state.images && data.image >= 0 && data.image < state.images->Count();
        const OleColor fill = FillOf(tab, selected);
        if (hasImage) {
            const int size = ImageSize(state.dpi);
            state.images->Draw(canvas.Dc(), data.image, r.left, r.top + (r.Height() - size) / 2,
                               size, !usable);
            r.left += size + ImageGap(state.dpi);
        }
        if (r.right <= r.left) {
            return;
        }
        OleColor text = selected ? c.selectedText : c.normalText;
        if (!usable) {
            text = Blend(text, fill, 0.55);
        }
        SetTextColor(canvas.Dc(), text);
        RECT rect = ToRect(r);
        UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_CENTER;
        if (!state.mnemonics) {
            format |= DT_NOPREFIX;
        }
        DrawTextW(canvas.Dc(), data.caption.c_str(), static_cast<int>(data.caption.size()), &rect,
                  format);
        if (selected && state.focused) {
            RECT focus = ToRect(strip.ToDevice({f.first, f.last + 1}, f.outer, f.inner + 1));
            InflateRect(&focus, -Px(3), -Px(3));
            SetTextColor(canvas.Dc(), Rgb(0, 0, 0));
            DrawFocusRect(canvas.Dc(), &focus);
        }
    }

    void PaintTab(int tab) const {
        const bool selected = tab == state.selected;
        PaintTabShape(tab, selected);
        PaintTabContent(tab, selected);
    }

    bool Drawn(int tab) const {
        const Span& s = strip.spans[tab];
        return tab >= strip.firstTab && s.end > s.begin && s.begin < strip.tabsEnd;
    }

    void PaintTabs() const {
        const int saved = SaveDC(canvas.Dc());
        const PixelRect area = strip.ToDevice({0, strip.tabsEnd}, 0, thickness);
        IntersectClipRect(canvas.Dc(), area.left, area.top, area.right, area.bottom);
        SetBkMode(canvas.Dc(), TRANSPARENT);
        ScopedSelect font(canvas.Dc(), state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
        const int count = static_cast<int>(strip.spans.size());
        for (int i = 0; i < count; ++i) {
            if (i != state.selected && Drawn(i)) {
                PaintTab(i);
            }
        }
        if (state.selected >= 0 && state.selected < count && Drawn(state.selected)) {
            PaintTab(state.selected);
        }
        if (state.dropMark >= 0) {
            const int w = Px(2);
            canvas.Fill({state.dropMark - w / 2, state.dropMark - w / 2 + w}, 0, thickness,
                        Luminance(Background()) > 0.5 ? Rgb(0, 0, 0) : Rgb(255, 255, 255));
        }
        RestoreDC(canvas.Dc(), saved);
    }

    OleColor GlyphColor(bool usable) const {
        const OleColor bg = Background();
        const OleColor ink = Luminance(bg) > 0.5 ? Rgb(40, 40, 40) : Rgb(235, 235, 235);
        return usable ? ink : Blend(ink, bg, 0.65);
    }

    void ButtonFace(const PixelRect& r, StripButton which) const {
        if (state.pressedButton == which || state.hotButton == which) {
            const OleColor face =
                Blend(Background(), c.selectedTab, state.pressedButton == which ? 0.85 : 0.5);
            PixelRect inner = r;
            inner.top += Px(2);
            inner.bottom -= Px(2);
            if (IsVertical(strip.side)) {
                inner = {r.left + Px(2), r.top, r.right - Px(2), r.bottom};
            }
            canvas.FillDevice(inner, face);
        }
    }

    void PaintArrow(const PixelRect& r, bool back, bool usable) const {
        ButtonFace(r, back ? StripButton::ScrollBack : StripButton::ScrollForward);
        const int cx = (r.left + r.right) / 2;
        const int cy = (r.top + r.bottom) / 2;
        const int h = Px(3);
        std::vector<POINT> p;
        if (!IsVertical(strip.side)) {
            p = back ? std::vector<POINT>{{cx + 1, cy - h}, {cx + 1, cy + h}, {cx - 2, cy}}
                     : std::vector<POINT>{{cx - 1, cy - h}, {cx - 1, cy + h}, {cx + 2, cy}};
        } else {
            p = back ? std::vector<POINT>{{cx - h, cy + 1}, {cx + h, cy + 1}, {cx, cy - 2}}
                     : std::vector<POINT>{{cx - h, cy - 1}, {cx + h, cy - 1}, {cx, cy + 2}};
        }
        const OleColor ink = GlyphColor(usable && state.enabled);
        SetDCBrushColor(canvas.Dc(), ink);
        SetDCPenColor(canvas.Dc(), ink);
        ScopedSelect brush(canvas.Dc(), GetStockObject(DC_BRUSH));
        ScopedSelect pen(canvas.Dc(), GetStockObject(DC_PEN));
        ::Polygon(canvas.Dc(), p.data(), static_cast<int>(p.size()));
    }

    void PaintClose(const PixelRect& r) const {
        ButtonFace(r, StripButton::Close);
        const int cx = (r.left + r.right) / 2;
        const int cy = (r.top + r.bottom) / 2;
        const int h = Px(3);
        const OleColor ink = GlyphColor(state.enabled && state.selected >= 0);
        SetDCPenColor(canvas.Dc(), ink);
        ScopedSelect pen(canvas.Dc(), GetStockObject(DC_PEN));
        for (int shift = 0; shift < 2; ++shift) {
            MoveToEx(canvas.Dc(), cx - h + shift, cy - h, nullptr);
            LineTo(canvas.Dc(), cx + h + 1 + shift, cy + h + 1);
            MoveToEx(canvas.Dc(), cx - h + shift, cy + h, nullptr);
            LineTo(canvas.Dc(), cx + h + 1 + shift, cy - h - 1);
        }
    }

    void PaintButtons() const {
        if (strip.scrollArrows) {
            PaintArrow(strip.scrollBack, true, strip.canScrollBack);
            PaintArrow(strip.scrollForward, false, strip.canScrollForward);
        }
        if (!strip.close.IsEmpty()) {
            PaintClose(strip.close);
        }
    }

    void PaintPage() const {
        const PixelRect& p = strip.page;
        if (p.IsEmpty()) {
            return;
        }
        canvas.FillDevice(p, PageColor());
        const int edge = Px(1);
        const OleColor line = look.kind == LookKind::Office2003 ? Rgb(59, 97, 156) : border;
        // Every side of the page but the one against the strip.
        if (strip.side != TabSide::Top) {
            canvas.FillDevice({p.left, p.top, p.right, p.top + edge}, line);
        }
        if (strip.side != TabSide::Bottom) {
            canvas.FillDevice({p.left, p.bottom - edge, p.right, p.bottom}, line);
        }
        if (strip.side != TabSide::Left) {
            canvas.FillDevice({p.left, p.top, p.left + edge, p.bottom}, line);
        }
        if (strip.side != TabSide::Right) {
            canvas.FillDevice({p.right - edge, p.top, p.right, p.bottom}, line);
        }
    }
};

}  // namespace

void PaintTabStrip(HDC dc, const PaintState& state) {
    if (!state.strip || !state.tabs) {
        return;
    }
    const Painter painter(dc, state);
    painter.PaintPage();
    painter.PaintBackground();
    painter.PaintTabs();
    painter.PaintButtons();
}

}  // namespace morvane::tabctl
