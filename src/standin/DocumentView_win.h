#pragma once
// What the stand-in host's windows show: a Gantt chart view of a project (a task sheet on the left,
// bars on a timescale on the right) and the print preview's page. Only for the eye: nothing in it
// is read back.

#include <windows.h>

#include <string>

namespace morvane::standin {

void PaintGanttView(HDC dc, const RECT& area, const std::wstring& projectName);
void PaintPreviewPage(HDC dc, const RECT& area);

// Answers WM_PAINT with `paint(dc, client rectangle)`.
template <typename Paint>
LRESULT PaintClient(HWND hwnd, Paint&& paint) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    paint(dc, r);
    EndPaint(hwnd, &ps);
    return 0;
}

}  // namespace morvane::standin
