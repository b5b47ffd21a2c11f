#pragma once
// Where the tabs and the control's own buttons go, for every side and layout.
//
// The rules work in strip coordinates: "along" runs the strip's length from its leading end,
// "across" runs from the control's outer edge towards the page area. ToDevice maps them to the
// client area for the side, so one set of rules serves all four sides.

#include <utility>
#include <vector>

#include "tabctl/TabTypes.h"

namespace morvane::tabctl {

// Sizes in device pixels (already scaled to the window's dpi).
struct StripMetrics {
    int rowHeight = 22;    // a tab's content height with its padding
    int raise = 2;         // how much higher the selected tab stands than the others
    int leading = 2;       // room before the first tab
    int gap = 0;           // room between tabs; negative overlaps them
    int minTabWidth = 24;  // narrowest tab before the strip scrolls
    int minVerticalThickness = 40;
    int arrowSize = 13;  // each scroll arrow, along the strip
    int closeSize = 16;  // the close button, along the strip
};

struct StripInput {
    TabSide side = TabSide::Top;
    TabLayout layout = TabLayout::AutoSize;
    int clientWidth = 0;
    int clientHeight = 0;
    int fixedWidth = 0;  // 0: the caption's width
    int maxWidth = 0;    // 0: no limit
    bool closeButton = false;
    int firstTab = 0;                // the first tab shown when the strip scrolls
    int ensureVisible = -1;          // a tab to scroll into view, or -1
    std::vector<int> contentWidths;  // each tab's caption and image width with padding
    std::vector<bool> visible;
    StripMetrics metrics;
};

// A stretch of the strip's length: [begin, end).
struct Span {
    int begin = 0;
    int end = 0;
    friend bool operator==(const Span&, const Span&) = default;
};

enum class StripButton { None, ScrollBack, ScrollForward, Close };

struct StripLayout {
    TabSide side = TabSide::Top;
    int clientWidth = 0;
    int clientHeight = 0;
    int thickness = 0;  // the strip's depth across, in pixels
    int length = 0;     // the strip's length along, in pixels
    int leading = 0;
    int tabsEnd = 0;   // along: where tabs stop and the buttons begin
    int firstTab = 0;  // the first tab shown, after scrolling
    bool scrollArrows = false;
    bool canScrollBack = false;
    bool canScrollForward = false;
    std::vector<Span> spans;      // along, per tab, after scrolling; empty for hidden tabs
    std::vector<PixelRect> tabs;  // client pixels, per tab; empty for hidden tabs
    PixelRect strip;
    PixelRect page;
    PixelRect scrollBack;
    PixelRect scrollForward;
    PixelRect close;

    // Client pixels of a piece of the strip, from strip coordinates.
    PixelRect ToDevice(Span along, int acrossBegin, int acrossEnd) const;
    // Page area: the client extent less the strip. Its width and height keep the arithmetic
    // "extent - page = thickness" exact, so they may go negative in a control thinner than
    // its strip.
    int PageWidth() const;
    int PageHeight() const;
};

StripLayout ComputeStrip(const StripInput& input);

// The tab under a client point, or -1 on the blank part and the scroll arrows. Where tabs
// overlap, the selected one is on top. The close button acts on the selected tab, so over it
// the answer is the selected tab: an owner that looks for the tab under the cursor when the
// close button is clicked finds the one to close.
int HitTest(const StripLayout& layout, int x, int y, int selected);

StripButton ButtonAt(const StripLayout& layout, int x, int y);

// The 0-based index a tab dragged from `from` takes when dropped at a client point: the tab
// goes into the gap nearest the point, counting every tab, hidden ones included.
int DropIndex(const StripLayout& layout, int from, int x, int y);

// Moves element `from` of `items` to `to`, the others keeping their order.
template <typename T>
void MoveItem(std::vector<T>& items, int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= static_cast<int>(items.size()) ||
        to >= static_cast<int>(items.size())) {
        return;
    }
    T moved = std::move(items[from]);
    items.erase(items.begin() + from);
    items.insert(items.begin() + to, std::move(moved));
}

}  // namespace morvane::tabctl
