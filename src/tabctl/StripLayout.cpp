#include "tabctl/StripLayout.h"

#include <algorithm>
#include <climits>

namespace morvane::tabctl {

namespace {

// The tabs are the content widths; a visibility flag past them names no tab and one missing
// counts as hidden, so that mismatched inputs never reach past either vector.
int TabCount(const StripInput& in) {
    return static_cast<int>(in.contentWidths.size());
}

bool IsShown(const StripInput& in, int i) {
    return i >= 0 && i < TabCount(in) && i < static_cast<int>(in.visible.size()) && in.visible[i];
}

int CountVisible(const StripInput& in) {
    int shown = 0;
    for (int i = 0; i < TabCount(in); ++i) {
        shown += IsShown(in, i) ? 1 : 0;
    }
    return shown;
}

int ContentWidth(const StripInput& in, int i) {
    return i < static_cast<int>(in.contentWidths.size()) ? std::max(in.contentWidths[i], 0) : 0;
}

int Capped(int width, int maxWidth) {
    return maxWidth > 0 ? std::min(width, maxWidth) : width;
}

// The strip's depth: a row for a horizontal strip, the tabs' width for a vertical one.
int Thickness(const StripInput& in) {
    const StripMetrics& m = in.metrics;
    if (!IsVertical(in.side)) {
        return m.rowHeight + m.raise;
    }
    int width = 0;
    if (in.layout == TabLayout::Fixed && in.fixedWidth > 0) {
        width = in.fixedWidth;
    } else {
        for (int i = 0; i < static_cast<int>(in.contentWidths.size()); ++i) {
            if (IsShown(in, i)) {
                width = std::max(width, ContentWidth(in, i));
            }
        }
        width = Capped(width, in.maxWidth);
    }
    // Normal tabs stand back by the raise and stop short of the page edge line.
    return std::max(width, m.minVerticalThickness) + m.raise + 1;
}

// Each tab's length along the strip; 0 for hidden tabs. `room` is the length the tabs may use.
std::vector<int> Extents(const StripInput& in, int room) {
    const StripMetrics& m = in.metrics;
    const int count = static_cast<int>(in.contentWidths.size());
    const bool vertical = IsVertical(in.side);
    std::vector<int> extents(count, 0);
    if (in.layout == TabLayout::SizeToFit) {
        const int shown = CountVisible(in);
        if (shown == 0) {
            return extents;
        }
        const int usable = std::max(room - m.leading - m.gap * (shown - 1), 0);
        const int cap = vertical ? INT_MAX : (in.maxWidth > 0 ? in.maxWidth : INT_MAX);
        const int least = vertical ? m.rowHeight : m.minTabWidth;
        const int each = usable / shown;
        int spare = each >= cap ? 0 : usable % shown;
        for (int i = 0; i < count; ++i) {
            if (IsShown(in, i)) {
                extents[i] = std::max(std::min(each, cap) + (spare > 0 ? 1 : 0), least);
                spare = std::max(spare - 1, 0);
            }
        }
        return extents;
    }
    for (int i = 0; i < count; ++i) {
        if (!IsShown(in, i)) {
            continue;
        }
        if (vertical) {
            extents[i] = m.rowHeight;
        } else if (in.layout == TabLayout::Fixed && in.fixedWidth > 0) {
            extents[i] = in.fixedWidth;
        } else {
            extents[i] = std::max(Capped(ContentWidth(in, i), in.maxWidth), m.minTabWidth);
        }
    }
    return extents;
}

// Unscrolled spans from the leading margin.
std::vector<Span> Place(const std::vector<int>& extents, const StripInput& in) {
    std::vector<Span> spans(extents.size());
    int at = in.metrics.leading;
    for (size_t i = 0; i < extents.size(); ++i) {
        if (IsShown(in, static_cast<int>(i))) {
            spans[i] = {at, at + extents[i]};
            at = spans[i].end + in.metrics.gap;
        }
    }
    return spans;
}

// The first tab to show so that tab `last` ends within `tabsEnd`, or `last` itself.
int FirstShowing(const std::vector<Span>& spans, const StripInput& in, int last, int tabsEnd) {
    for (int f = 0; f <= last; ++f) {
        if (IsShown(in, f) && spans[last].end - (spans[f].begin - in.metrics.leading) <= tabsEnd) {
            return f;
        }
    }
    return last;
}

int FirstShown(const StripInput& in, int from, int count) {
    for (int i = std::max(from, 0); i < count; ++i) {
        if (IsShown(in, i)) {
            return i;
        }
    }
    return -1;
}

int LastShown(const StripInput& in, int count) {
    for (int i = count - 1; i >= 0; --i) {
        if (IsShown(in, i)) {
            return i;
        }
    }
    return -1;
}

int Along(const StripLayout& layout, int x, int y) {
    return IsVertical(layout.side) ? y : x;
}

int Across(const StripLayout& layout, int x, int y) {
    switch (layout.side) {
        case TabSide::Top:
            return y;
        case TabSide::Bottom:
            return layout.clientHeight - 1 - y;
        case TabSide::Left:
            return x;
        case TabSide::Right:
            return layout.clientWidth - 1 - x;
    }
    return y;
}

}  // namespace

PixelRect StripLayout::ToDevice(Span along, int acrossBegin, int acrossEnd) const {
    switch (side) {
        case TabSide::Top:
            return {along.begin, acrossBegin, along.end, acrossEnd};
        case TabSide::Bottom:
            return {along.begin, clientHeight - acrossEnd, along.end, clientHeight - acrossBegin};
        case TabSide::Left:
            return {acrossBegin, along.begin, acrossEnd, along.end};
        case TabSide::Right:
            return {clientWidth - acrossEnd, along.begin, clientWidth - acrossBegin, along.end};
    }
    return {};
}

int StripLayout::PageWidth() const {
    return IsVertical(side) ? clientWidth - thickness : clientWidth;
}

int StripLayout::PageHeight() const {
    return IsVertical(side) ? clientHeight : clientHeight - thickness;
}

StripLayout ComputeStrip(const StripInput& in) {
    const StripMetrics& m = in.metrics;
    const int count = TabCount(in);
    StripLayout out;
    out.side = in.side;
    out.clientWidth = std::max(in.clientWidth, 0);
    out.clientHeight = std::max(in.clientHeight, 0);
    out.thickness = Thickness(in);
    out.length = IsVertical(in.side) ? out.clientHeight : out.clientWidth;
    out.leading = m.leading;

    const int closeRoom = in.closeButton ? m.closeSize : 0;
    const std::vector<int> extents = Extents(in, out.length - closeRoom);
    std::vector<Span> spans = Place(extents, in);
    const int last = LastShown(in, count);
    out.scrollArrows = last >= 0 && spans[last].end > out.length - closeRoom;
    out.tabsEnd = out.length - closeRoom - (out.scrollArrows ? 2 * m.arrowSize : 0);

    const int firstShown = FirstShown(in, 0, count);
    int first = firstShown < 0 ? 0 : firstShown;
    if (out.scrollArrows) {
        const int maxFirst = FirstShowing(spans, in, last, out.tabsEnd);
        first = FirstShown(in, std::min(in.firstTab, maxFirst), count);
        if (first < 0 || first > maxFirst) {
            first = maxFirst;
        }
        const int wanted = in.ensureVisible;
        if (IsShown(in, wanted)) {
            const int offset = spans[first].begin - m.leading;
            if (wanted < first) {
                first = wanted;
            } else if (spans[wanted].end - offset > out.tabsEnd) {
                first = FirstShowing(spans, in, wanted, out.tabsEnd);
            }
        }
        out.canScrollBack = first > firstShown;
        out.canScrollForward = first < maxFirst;
        const int offset = spans[first].begin - m.leading;
        for (int i = 0; i < count; ++i) {
            if (IsShown(in, i)) {
                spans[i].begin -= offset;
                spans[i].end -= offset;
            }
        }
    }
    out.firstTab = first;
    out.spans = spans;

    out.tabs.resize(count);
    for (int i = 0; i < count; ++i) {
        if (IsShown(in, i)) {
            out.tabs[i] = out.ToDevice(spans[i], 0, out.thickness);
        }
    }
    const Span whole{0, out.length};
    out.strip = out.ToDevice(whole, 0, out.thickness);
    const int across = IsVertical(in.side) ? out.clientWidth : out.clientHeight;
    out.page = out.ToDevice(whole, out.thickness, std::max(across, out.thickness));
    if (in.closeButton) {
        out.close = out.ToDevice({out.length - m.closeSize, out.length}, 0, out.thickness);
    }
    if (out.scrollArrows) {
        const int arrows = out.tabsEnd;
        out.scrollBack = out.ToDevice({arrows, arrows + m.arrowSize}, 0, out.thickness);
        out.scrollForward =
            out.ToDevice({arrows + m.arrowSize, arrows + 2 * m.arrowSize}, 0, out.thickness);
    }
    return out;
}

int HitTest(const StripLayout& layout, int x, int y, int selected) {
    const int count = static_cast<int>(layout.spans.size());
    if (layout.close.Contains(x, y)) {
        return selected >= 0 && selected < count ? selected : -1;
    }
    const int along = Along(layout, x, y);
    const int across = Across(layout, x, y);
    if (across < 0 || across >= layout.thickness || along < 0 || along >= layout.tabsEnd) {
        return -1;
    }
    auto under = [&](int i) {
        const Span& s = layout.spans[i];
        return i >= layout.firstTab && s.end > s.begin && along >= s.begin && along < s.end;
    };
    if (selected >= 0 && selected < count && under(selected)) {
        return selected;
    }
    for (int i = count - 1; i >= 0; --i) {
        if (under(i)) {
            return i;
        }
    }
    return -1;
}

StripButton ButtonAt(const StripLayout& layout, int x, int y) {
    if (layout.close.Contains(x, y)) {
        return StripButton::Close;
    }
    if (layout.scrollBack.Contains(x, y)) {
        return StripButton::ScrollBack;
    }
    if (layout.scrollForward.Contains(x, y)) {
        return StripButton::ScrollForward;
    }
    return StripButton::None;
}

int DropIndex(const StripLayout& layout, int from, int x, int y) {
    const int along = Along(layout, x, y);
    const int count = static_cast<int>(layout.spans.size());
    int slot = count;
    for (int i = 0; i < count; ++i) {
        const Span& s = layout.spans[i];
        if (i == from || s.end <= s.begin) {
            continue;
        }
        if (along < (s.begin + s.end) / 2) {
            slot = i;
            break;
        }
    }
    const int index = slot > from ? slot - 1 : slot;
    return std::clamp(index, 0, std::max(count - 1, 0));
}

}  // namespace morvane::tabctl
