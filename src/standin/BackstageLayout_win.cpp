#include "standin/BackstageLayout_win.h"

#include <algorithm>
#include <string_view>

#include "standin/RibbonHost_win.h"

namespace morvane::standin {

namespace {

using Kind = BackstagePart::Kind;

constexpr int kNavWidth = 150;
constexpr int kNavItem = 30;
constexpr int kMargin = 24;
constexpr int kGap = 8;
constexpr int kTaskImage = 32;
constexpr int kSmallImage = 16;
constexpr int kHeadingRule = 6;  // room under a heading for its rule

constexpr COLORREF kNavBack = RGB(223, 233, 245);
constexpr COLORREF kNavEdge = RGB(160, 180, 210);
constexpr COLORREF kSelected = RGB(43, 87, 154);
constexpr COLORREF kInk = RGB(30, 30, 30);
constexpr COLORREF kHeadingInk = RGB(60, 60, 90);
constexpr COLORREF kGreyInk = RGB(100, 100, 100);
constexpr COLORREF kLinkInk = RGB(0, 90, 190);
constexpr COLORREF kRule = RGB(200, 200, 200);
constexpr COLORREF kStandInBack = RGB(226, 236, 250);

// The host's own entries of the File view, top to bottom, by idMso.
struct HostEntry {
    std::wstring_view idMso;
    std::wstring_view label;
};
constexpr HostEntry kHostEntries[] = {
    {L"FileSave", L"Save"},
    {L"FileSaveAs", L"Save As"},
    {L"FileOpen", L"Open"},
    {L"FileClose", L"Close"},
    {L"TabInfo", L"Info"},
    {L"TabRecent", L"Recent"},
    {L"TabNew", L"New"},
    {L"TabPrint", L"Print"},
    {L"TabShare", L"Save & Send"},
    {L"TabHelp", L"Help"},
    {L"ApplicationOptionsDialog", L"Options"},
    {L"FileExit", L"Exit"},
};
// Where a tab goes that names no place among them: after the host's last tab.
constexpr std::wstring_view kAfterLastTab = L"ApplicationOptionsDialog";

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

// The elements of one kind directly inside `parent`.
std::vector<const RibbonElement*> ChildrenOf(const RibbonHost& ribbon, const RibbonElement& parent,
                                             std::wstring_view kind) {
    std::vector<const RibbonElement*> found;
    for (const RibbonElement* e : ribbon.Children(parent)) {
        if (e->kind == kind) {
            found.push_back(e);
        }
    }
    return found;
}

class Layout {
  public:
    Layout(RibbonHost& ribbon, HDC dc, const BackstageFonts& fonts)
        : ribbon_(ribbon), dc_(dc), fonts_(fonts) {}

    std::vector<BackstagePart> Take() { return std::move(parts_); }

    // The host's entries with the add-in's tab among them, where the tab asks to be.
    void Tabs(const RibbonElement& tab) {
        const std::wstring before = tab.Attribute(L"insertBeforeMso");
        const std::wstring after = tab.Attribute(L"insertAfterMso");
        const bool known =
            std::any_of(std::begin(kHostEntries), std::end(kHostEntries),
                        [&](const HostEntry& e) { return e.idMso == before || e.idMso == after; });
        int y = kGap;
        const auto add = [&](Kind kind, std::wstring id, std::wstring text) {
            Add(kind, std::move(id), std::move(text), {0, y, kNavWidth, y + kNavItem});
            y += kNavItem;
        };
        for (const HostEntry& e : kHostEntries) {
            if (e.idMso == before || (!known && e.idMso == kAfterLastTab)) {
                add(Kind::Tab, tab.id, ribbon_.Label(tab.id));
            }
            add(Kind::HostTab, std::wstring(e.idMso), std::wstring(e.label));
            if (e.idMso == after) {
                add(Kind::Tab, tab.id, ribbon_.Label(tab.id));
            }
        }
    }

    // The first column: task groups, their categories and tasks.
    void TaskColumn(const RibbonElement& column, int left, int width) {
        int y = kMargin;
        for (const RibbonElement* group : Children(column, L"taskGroup")) {
            y = Heading(*group, left, width, y);
            for (const RibbonElement* category : Children(*group, L"category")) {
                y = Heading(*category, left, width, y);
                for (const RibbonElement* task : Children(*category, L"task")) {
                    y = Task(*task, left, width, y);
                }
                y += kGap * 2;
            }
        }
    }

    // The second column: groups and their items, top items first.
    void GroupColumn(const RibbonElement& column, int left, int width) {
        int y = kMargin;
        for (const RibbonElement* group : Children(column, L"group")) {
            y = Heading(*group, left, width, y);
            for (const wchar_t* items : {L"topItems", L"bottomItems"}) {
                for (const RibbonElement* list : Children(*group, items)) {
                    y = Stack(*list, false, left, y, width).bottom;
                }
            }
            y += kMargin;
        }
    }

    void Separator(int x, int bottom) { Add(Kind::Separator, {}, {}, {x, kMargin, x + 1, bottom}); }

  private:
    std::vector<const RibbonElement*> Children(const RibbonElement& parent,
                                               std::wstring_view kind) const {
        return ChildrenOf(ribbon_, parent, kind);
    }

    void Add(Kind kind, std::wstring id, std::wstring text, RECT place) {
        BackstagePart part;
        part.kind = kind;
        part.id = std::move(id);
        part.text = std::move(text);
        part.place = place;
        parts_.push_back(std::move(part));
    }

    // A text wrapped to `width`; where it ends (nothing drawn for an empty text).
    RECT Text(Kind kind, const std::wstring& id, const std::wstring& text, int left, int top,
              int width) {
        RECT r{left, top, left + width, top};
        if (text.empty()) {
            return r;
        }
        const ScopedSelect font(dc_, fonts_.For(kind));
        DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        r.right = std::min<LONG>(r.right, left + width);
        Add(kind, id, text, r);
        return r;
    }

    // A category's or group's label with its rule across the column; where the next part goes.
    int Heading(const RibbonElement& e, int left, int width, int y) {
        const std::wstring label = ribbon_.Label(e.id);
        if (label.empty()) {
            return y;
        }
        RECT r = Text(Kind::Heading, e.id, label, left, y, width);
        parts_.back().place = {left, r.top, left + width, r.bottom + kHeadingRule};
        return r.bottom + kHeadingRule + kGap;
    }

    // The control's image in `box`, a picture scaled to fit it keeping its proportions.
    RECT Image(const RibbonElement& e, RibbonImage image, RECT box) {
        if (image.picture && image.size.cx > 0 && image.size.cy > 0) {
            const double scale = std::min(
                {1.0, double(Width(box)) / image.size.cx, double(Height(box)) / image.size.cy});
            box.right = box.left + static_cast<LONG>(image.size.cx * scale);
            box.bottom = box.top + static_cast<LONG>(image.size.cy * scale);
            Add(Kind::Picture, e.id, {}, box);
            parts_.back().pictureSize = image.size;
            parts_.back().picture = std::move(image.object);
            return box;
        }
        if (!image.imageMso.empty()) {
            Add(Kind::BuiltInImage, e.id, image.imageMso, box);
            return box;
        }
        return {box.left, box.top, box.left, box.top};
    }

    // A task: its image on the left, its label and description beside it; the next row's top.
    int Task(const RibbonElement& task, int left, int width, int y) {
        const int top = y + kGap / 2;
        const RECT image = Image(task, ribbon_.Image(task.id),
                                 {left + kGap, top, left + kGap + kTaskImage, top + kTaskImage});
        const int textLeft = left + kGap + kTaskImage + kGap * 2;
        const int textWidth = left + width - textLeft;
        const RECT label =
            Text(Kind::Label, task.id, ribbon_.Label(task.id), textLeft, top, textWidth);
        const RECT description = Text(Kind::Description, task.id, ribbon_.Description(task.id),
                                      textLeft, label.bottom + 2, textWidth);
        return std::max<int>(image.bottom, std::max(top + kTaskImage, int(description.bottom))) +
               kGap * 2;
    }

    // One item of a group at (left, top) within `width`; the rectangle it takes.
    RECT Item(const RibbonElement& e, int left, int top, int width) {
        if (e.kind == L"imageControl") {
            // A picture at its own size, a built-in image at the small size.
            RibbonImage image = ribbon_.Image(e.id);
            const SIZE size = image.picture ? image.size : SIZE{kSmallImage, kSmallImage};
            return Image(e, std::move(image),
                         {left, top, left + std::min<int>(size.cx, width), top + size.cy});
        }
        if (e.kind == L"labelControl") {
            return Text(Kind::Text, e.id, ribbon_.Label(e.id), left, top, width);
        }
        if (e.kind == L"hyperlink") {
            return Text(Kind::Link, e.id, ribbon_.Label(e.id), left, top, width);
        }
        if (e.kind == L"layoutContainer") {
            return Stack(e, e.Attribute(L"layoutChildren") == L"horizontal", left, top, width);
        }
        return {left, top, left, top};
    }

    // The element's items one below the other, or side by side and centred on their row.
    RECT Stack(const RibbonElement& e, bool sideBySide, int left, int top, int width) {
        RECT all{left, top, left, top};
        std::vector<std::pair<std::size_t, RECT>> placed;  // first part of each item, its extent
        for (const RibbonElement* child : ribbon_.Children(e)) {
            const std::size_t first = parts_.size();
            const int x = sideBySide && !placed.empty() ? int(all.right) + kGap : left;
            const int y = !sideBySide && !placed.empty() ? int(all.bottom) + kGap : top;
            const RECT r = Item(*child, x, y, left + width - x);
            if (parts_.size() == first) {
                continue;
            }
            placed.emplace_back(first, r);
            all.right = std::max(all.right, r.right);
            all.bottom = std::max(all.bottom, r.bottom);
        }
        if (sideBySide) {
            for (std::size_t i = 0; i < placed.size(); ++i) {
                const std::size_t end = i + 1 < placed.size() ? placed[i + 1].first : parts_.size();
                const int down = (Height(all) - Height(placed[i].second)) / 2;
                for (std::size_t p = placed[i].first; p < end; ++p) {
                    OffsetRect(&parts_[p].place, 0, down);
                }
            }
        }
        return all;
    }

    RibbonHost& ribbon_;
    HDC dc_;
    const BackstageFonts& fonts_;
    std::vector<BackstagePart> parts_;
};

// The first element of one kind directly inside `parent`, or nullptr.
const RibbonElement* Child(const RibbonHost& ribbon, const RibbonElement& parent,
                           std::wstring_view kind) {
    const auto found = ChildrenOf(ribbon, parent, kind);
    return found.empty() ? nullptr : found.front();
}

// The first backstage tab of the document, or nullptr.
const RibbonElement* BackstageTab(const RibbonHost& ribbon) {
    for (const RibbonElement& e : ribbon.Elements()) {
        if (e.kind == L"backstage") {
            return Child(ribbon, e, L"tab");
        }
    }
    return nullptr;
}

// A column's width in pixels from the tab's attribute; `fallback` when it gives none.
int MaxWidth(const RibbonElement& tab, const wchar_t* attribute, int fallback) {
    const std::wstring text = tab.Attribute(attribute);
    const long value = text.empty() ? 0 : std::wcstol(text.c_str(), nullptr, 10);
    return value > 0 ? static_cast<int>(value) : fallback;
}

GdiFont MakeFont(const LOGFONTW& base, int height, int weight, bool underline = false) {
    LOGFONTW face = base;
    face.lfHeight = -height;
    face.lfWeight = weight;
    face.lfUnderline = underline ? TRUE : FALSE;
    return GdiFont(CreateFontIndirectW(&face));
}

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Write(HDC dc, const BackstagePart& part, const BackstageFonts& fonts, COLORREF ink,
           UINT format) {
    const ScopedSelect font(dc, fonts.For(part.kind));
    SetTextColor(dc, ink);
    RECT r = part.place;
    DrawTextW(dc, part.text.c_str(), static_cast<int>(part.text.size()), &r, format | DT_NOPREFIX);
}

void PaintPicture(HDC dc, const BackstagePart& part) {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    part.picture->get_Width(&width);
    part.picture->get_Height(&height);
    const RECT& r = part.place;
    // A picture's own coordinates run upwards: its top row is at `height`.
    part.picture->Render(dc, r.left, r.top, Width(r), Height(r), 0, height, width, -height,
                         nullptr);
}

// A built-in image of the host's own: a framed tile with the image name's first letter.
void PaintBuiltInImage(HDC dc, const BackstagePart& part, const BackstageFonts& fonts) {
    const RECT& r = part.place;
    const ScopedSelect brush(dc, GetStockObject(DC_BRUSH));
    const ScopedSelect pen(dc, GetStockObject(DC_PEN));
    SetDCBrushColor(dc, kStandInBack);
    SetDCPenColor(dc, kNavEdge);
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 6, 6);
    BackstagePart letter = part;
    letter.kind = Height(r) > kSmallImage ? Kind::Heading : Kind::Description;
    letter.text = part.text.substr(0, 1);
    Write(dc, letter, fonts, kSelected, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

BackstageFonts::BackstageFonts() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const LOGFONTW& base = metrics.lfMessageFont;
    tab = MakeFont(base, 15, FW_NORMAL);
    heading = MakeFont(base, 17, FW_BOLD);
    label = MakeFont(base, 14, FW_BOLD);
    text = MakeFont(base, 13, FW_NORMAL);
    link = MakeFont(base, 13, FW_NORMAL, true);
}

HFONT BackstageFonts::For(BackstagePart::Kind kind) const {
    switch (kind) {
        case Kind::HostTab:
        case Kind::Tab:
            return tab.Get();
        case Kind::Heading:
            return heading.Get();
        case Kind::Label:
            return label.Get();
        case Kind::Link:
            return link.Get();
        default:
            return text.Get();
    }
}

std::vector<BackstagePart> LayOutBackstage(RibbonHost& ribbon, HDC dc, const BackstageFonts& fonts,
                                           SIZE area) {
    const RibbonElement* tab = BackstageTab(ribbon);
    if (!tab) {
        return {};
    }
    Layout layout(ribbon, dc, fonts);
    layout.Tabs(*tab);
    const RibbonElement* first = Child(ribbon, *tab, L"firstColumn");
    const RibbonElement* second = Child(ribbon, *tab, L"secondColumn");
    const int left = kNavWidth + kMargin;
    const int room = std::max(0, int(area.cx) - left - kMargin);
    const int firstWidth =
        second ? std::min(MaxWidth(*tab, L"firstColumnMaxWidth", room / 2), room / 2) : room;
    if (first) {
        layout.TaskColumn(*first, left, firstWidth);
    }
    if (second) {
        const int separator = left + firstWidth + kMargin;
        const int secondLeft = separator + 1 + kMargin;
        const int secondWidth = std::min(MaxWidth(*tab, L"secondColumnMaxWidth", room),
                                         std::max(0, int(area.cx) - secondLeft - kMargin));
        layout.Separator(separator, area.cy - kMargin);
        layout.GroupColumn(*second, secondLeft, secondWidth);
    }
    return layout.Take();
}

void PaintBackstage(HDC dc, const RECT& area, const std::vector<BackstagePart>& parts,
                    const BackstageFonts& fonts) {
    Fill(dc, area, RGB(255, 255, 255));
    Fill(dc, {area.left, area.top, area.left + kNavWidth, area.bottom}, kNavBack);
    Fill(dc, {area.left + kNavWidth, area.top, area.left + kNavWidth + 1, area.bottom}, kNavEdge);
    SetBkMode(dc, TRANSPARENT);
    constexpr UINT kOneLine = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    for (const BackstagePart& part : parts) {
        BackstagePart indented = part;
        indented.place.left += 2 * kGap;
        switch (part.kind) {
            case Kind::HostTab:
                Write(dc, indented, fonts, kInk, kOneLine);
                break;
            case Kind::Tab:
                Fill(dc, part.place, kSelected);
                Write(dc, indented, fonts, RGB(255, 255, 255), kOneLine);
                break;
            case Kind::Heading:
                Write(dc, part, fonts, kHeadingInk, DT_WORDBREAK);
                Fill(dc,
                     {part.place.left, part.place.bottom - 2, part.place.right,
                      part.place.bottom - 1},
                     kRule);
                break;
            case Kind::Label:
            case Kind::Text:
                Write(dc, part, fonts, kInk, DT_WORDBREAK);
                break;
            case Kind::Description:
                Write(dc, part, fonts, kGreyInk, DT_WORDBREAK);
                break;
            case Kind::Link:
                Write(dc, part, fonts, kLinkInk, DT_WORDBREAK);
                break;
            case Kind::Picture:
                PaintPicture(dc, part);
                break;
            case Kind::BuiltInImage:
                PaintBuiltInImage(dc, part, fonts);
                break;
            case Kind::Separator:
                Fill(dc, part.place, kRule);
                break;
        }
    }
}

}  // namespace morvane::standin
