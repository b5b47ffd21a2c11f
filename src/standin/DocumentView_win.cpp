#include "standin/DocumentView_win.h"

#include "shared/GdiObject_win.h"

#include <algorithm>
#include <array>

namespace morvane::standin {

namespace {

constexpr int kHeader = 36;
constexpr int kRow = 20;
constexpr int kDayWidth = 16;

// Numbers that differ from project to project but stay the same for one name.
class Dice {
  public:
    explicit Dice(const std::wstring& seed) {
        for (wchar_t c : seed) {
            state_ = state_ * 31u + static_cast<unsigned>(c);
        }
    }
    int Next(int below) {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 16) % static_cast<unsigned>(below));
    }

  private:
    unsigned state_ = 17;
};

void Fill(HDC dc, RECT r, COLORREF colour) {
    GdiBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &r, brush.Get());
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// Like an application's own painting, text that the window's covered parts hide is not drawn.
void Text(HDC dc, RECT r, const std::wstring& text, UINT format = DT_LEFT) {
    r.left += 4;
    r.right -= 4;
    if (!RectVisible(dc, &r)) {
        return;
    }
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              format | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
}

// Day 0 of the timescale is Sunday, January 3.
std::wstring DateText(int day) {
    static const std::array<const wchar_t*, 7> weekdays = {L"Sun", L"Mon", L"Tue", L"Wed",
                                                           L"Thu", L"Fri", L"Sat"};
    const int date = 3 + day;
    const std::wstring monthDay =
        date <= 31 ? L"1/" + std::to_wstring(date) : L"2/" + std::to_wstring(date - 31);
    return std::wstring(weekdays[static_cast<std::size_t>(day % 7)]) + L" " + monthDay;
}

// The day itself, or the Monday after when it falls on a weekend.
int Workday(int day) {
    return day % 7 == 0 ? day + 1 : day % 7 == 6 ? day + 2 : day;
}

struct Column {
    const wchar_t* title;
    int width;
};

}  // namespace

void PaintGanttView(HDC dc, const RECT& area, const std::wstring& projectName) {
    static const std::array<const wchar_t*, 14> names = {L"Kick-off meeting",
                                                         L"Gather requirements",
                                                         L"Draft plan",
                                                         L"Review budget",
                                                         L"Design",
                                                         L"Order materials",
                                                         L"Build",
                                                         L"Internal review",
                                                         L"Test",
                                                         L"Fix findings",
                                                         L"Train users",
                                                         L"Roll out",
                                                         L"Handover",
                                                         L"Close project"};
    static const std::array<Column, 4> columns = {
        {{L"", 28}, {L"Task Name", 190}, {L"Duration", 70}, {L"Start", 84}}};

    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    Fill(dc, area, RGB(255, 255, 255));
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    GdiPen grid(CreatePen(PS_SOLID, 1, RGB(212, 212, 212)));
    SelectObject(dc, grid.Get());

    int sheetRight = area.left;
    for (const Column& c : columns) {
        sheetRight += c.width;
    }
    Fill(dc, {area.left, area.top, area.right, area.top + kHeader}, RGB(240, 240, 240));

    // Column titles and the timescale.
    int x = area.left;
    for (const Column& c : columns) {
        Text(dc, {x, area.top, x + c.width, area.top + kHeader}, c.title);
        Line(dc, x + c.width, area.top, x + c.width, area.bottom);
        x += c.width;
    }
    static const std::array<const wchar_t*, 8> weeks = {L"Jan 3",  L"Jan 10", L"Jan 17", L"Jan 24",
                                                        L"Jan 31", L"Feb 7",  L"Feb 14", L"Feb 21"};
    const int chartLeft = sheetRight + 2;
    for (std::size_t w = 0; w < weeks.size(); ++w) {
        const int wx = chartLeft + static_cast<int>(w) * 7 * kDayWidth;
        Text(dc, {wx, area.top, wx + 7 * kDayWidth, area.top + kHeader / 2}, weeks[w]);
        for (int d = 0; d < 7; ++d) {
            const int dx = wx + d * kDayWidth;
            Text(dc, {dx - 4, area.top + kHeader / 2, dx + kDayWidth + 4, area.top + kHeader},
                 std::wstring(1, L"SMTWTFS"[d]), DT_CENTER);
            if (d == 0 || d == 6) {
                Fill(dc, {dx, area.top + kHeader, dx + kDayWidth, area.bottom}, RGB(243, 243, 243));
            }
        }
    }
    Line(dc, area.left, area.top + kHeader, area.right, area.top + kHeader);

    // The tasks: a summary row for the project, then its tasks with their bars.
    Dice dice(projectName);
    const int count = 8 + dice.Next(6);
    int start = Workday(1);
    GdiBrush bar(CreateSolidBrush(RGB(84, 141, 212)));
    GdiPen barEdge(CreatePen(PS_SOLID, 1, RGB(54, 95, 145)));
    for (int i = 0; i <= count; ++i) {
        const int top = area.top + kHeader + i * kRow;
        if (top > area.bottom) {
            break;
        }
        const bool summary = i == 0;
        const int days = summary ? 0 : 2 + dice.Next(8);
        const std::wstring task = summary ? projectName : names[(i - 1) % names.size()];
        SetTextColor(dc, summary ? RGB(0, 0, 0) : RGB(40, 40, 40));
        x = area.left;
        Text(dc, {x, top, x + columns[0].width, top + kRow}, summary ? L"0" : std::to_wstring(i),
             DT_RIGHT);
        x += columns[0].width;
        Text(dc, {x + (summary ? 0 : 12), top, x + columns[1].width, top + kRow}, task);
        x += columns[1].width;
        Text(dc, {x, top, x + columns[2].width, top + kRow},
             summary ? L"" : std::to_wstring(days) + L" days", DT_RIGHT);
        x += columns[2].width;
        Text(dc, {x, top, x + columns[3].width, top + kRow}, DateText(start), DT_RIGHT);
        SelectObject(dc, grid.Get());
        Line(dc, area.left, top + kRow, sheetRight, top + kRow);
        if (!summary) {
            const int bx = chartLeft + start * kDayWidth;
            SelectObject(dc, barEdge.Get());
            SelectObject(dc, bar.Get());
            Rectangle(dc, bx, top + 5, bx + days * kDayWidth, top + kRow - 5);
            start = Workday(start + std::max(1, days - dice.Next(3)));
        }
    }
    // The summary bar spans every task.
    const int summaryTop = area.top + kHeader;
    Fill(dc,
         {chartLeft + kDayWidth, summaryTop + 7, chartLeft + (start + 2) * kDayWidth,
          summaryTop + 11},
         RGB(0, 0, 0));
    RestoreDC(dc, saved);
}

void PaintPreviewPage(HDC dc, const RECT& area) {
    Fill(dc, area, RGB(171, 171, 171));
    const int h = area.bottom - area.top - 40;
    const int w = h * 3 / 4;
    const int left = area.left + (area.right - area.left - w) / 2;
    const RECT page = {left, area.top + 20, left + w, area.top + 20 + h};
    Fill(dc, {page.left + 4, page.top + 4, page.right + 4, page.bottom + 4}, RGB(110, 110, 110));
    Fill(dc, page, RGB(255, 255, 255));
    const RECT inner = {page.left + 24, page.top + 24, page.right - 24, page.bottom - 24};
    PaintGanttView(dc, inner, L"Print preview");
}

}  // namespace morvane::standin
