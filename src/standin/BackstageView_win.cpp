#include "standin/BackstageView_win.h"

#include <algorithm>

#include "standin/RibbonHost_win.h"

namespace morvane::standin {

BackstageView::BackstageView(HWND frame, RibbonHost& ribbon) : frame_(frame), ribbon_(ribbon) {
    // A window of its own owned by the frame, so that none of the frame's children (the add-in's
    // among them) paints over it; it never takes the activation from the frame.
    Create(L"MorvaneStandinBackstage", WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW,
           WS_POPUP | WS_CLIPCHILDREN, frame);
}

BackstageView::~BackstageView() {
    Destroy();
}

void BackstageView::Open() {
    const HWND view = Hwnd();
    if (!view) {
        return;
    }
    RECT frame;
    GetClientRect(frame_, &frame);
    POINT origin{0, 0};
    ClientToScreen(frame_, &origin);
    const SIZE size{frame.right, frame.bottom};
    if (Invalidations() != answered_ || size.cx != laidOut_.cx || size.cy != laidOut_.cy) {
        const HDC dc = GetDC(view);
        parts_ = LayOutBackstage(ribbon_, dc, fonts_, size);
        ReleaseDC(view, dc);
        answered_ = Invalidations();
        laidOut_ = size;
    }
    SetWindowPos(view, HWND_TOP, origin.x, origin.y, size.cx, size.cy,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void BackstageView::Close() {
    ShowWindow(Hwnd(), SW_HIDE);
}

bool BackstageView::IsOpen() const {
    return Hwnd() && IsWindowVisible(Hwnd());
}

const BackstagePart* BackstageView::Find(const std::wstring& id, BackstagePart::Kind kind) const {
    const auto found = std::find_if(parts_.begin(), parts_.end(), [&](const BackstagePart& p) {
        return p.id == id && p.kind == kind;
    });
    return found == parts_.end() ? nullptr : &*found;
}

bool BackstageView::ClickLabel(const std::wstring& id) {
    const BackstagePart* label = Find(id, BackstagePart::Kind::Label);
    if (!label) {
        return false;
    }
    const RECT& r = label->place;
    SendMessageW(Hwnd(), WM_LBUTTONUP, 0,
                 MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
    return true;
}

int BackstageView::Invalidations() const {
    return ribbon_.InvalidateCount() + static_cast<int>(ribbon_.InvalidatedControls().size());
}

void BackstageView::Click(POINT at) {
    const auto hit = std::find_if(parts_.begin(), parts_.end(), [&](const BackstagePart& p) {
        const RibbonElement* e = ribbon_.Find(p.id);
        return e && e->kind == L"task" && PtInRect(&p.place, at);
    });
    if (hit == parts_.end()) {
        return;
    }
    const std::wstring id = hit->id;
    const bool definitive = ribbon_.Find(id)->Attribute(L"isDefinitive") == L"true";
    ribbon_.Click(id);
    if (definitive) {
        Close();
    } else if (IsOpen()) {
        Open();
    }
}

LRESULT BackstageView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(Hwnd(), &ps);
            RECT area;
            GetClientRect(Hwnd(), &area);
            PaintBackstage(dc, area, parts_, fonts_);
            EndPaint(Hwnd(), &ps);
            return 0;
        }
        case WM_LBUTTONUP:
            Click({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            return 0;
        default:
            return Window::OnMessage(message, wParam, lParam);
    }
}

}  // namespace morvane::standin
