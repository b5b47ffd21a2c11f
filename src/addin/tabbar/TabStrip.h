#pragma once
// The tab control of the bar, by the roles the tab bar uses. Positions, sizes and mouse points
// are in twips, tab rectangles in pixels of the control, indexes from 0. Selecting a tab
// raises the control's selection event before Select returns.

#include <cstdint>
#include <optional>
#include <string>

#include "shared/WindowHandle.h"
#include "tabctl/TabTypes.h"

namespace morvane {

struct TabRectangle {
    std::int32_t left, top, right, bottom;
};

// A tab's image from the bar's list (TabStyle::AttachImages), by its index there.
enum class TabImage { Project = 0, LockedProject = 1 };

// The control's own buttons at the strip's far end, in pixels along the strip: the close
// button, and the close button with the scroll arrows beside it.
struct FarEndButtons {
    std::int32_t close;
    std::int32_t closeAndArrows;
};

class TabStrip {
  public:
    virtual ~TabStrip() = default;

    // Tabs. After SetCount(n) tabs 0 to n - 1 exist; a new tab starts empty.
    virtual std::int32_t Count() const = 0;
    virtual void SetCount(std::int32_t count) = 0;
    virtual std::wstring Caption(std::int32_t index) const = 0;
    virtual void SetCaption(std::int32_t index, const std::wstring& caption) = 0;
    virtual std::wstring ToolTip(std::int32_t index) const = 0;
    virtual void SetToolTip(std::int32_t index, const std::wstring& toolTip) = 0;
    virtual void SetImage(std::int32_t index, TabImage image) = 0;
    // The tag holds the tab's window handle as decimal text.
    virtual std::wstring Tag(std::int32_t index) const = 0;
    virtual void SetTag(std::int32_t index, const std::wstring& tag) = 0;
    virtual bool Visible(std::int32_t index) const = 0;
    virtual void SetVisible(std::int32_t index, bool visible) = 0;
    virtual void Select(std::int32_t index) = 0;
    // -1 when no tab is selected.
    virtual std::int32_t SelectedIndex() const = 0;

    // Paint manager: layout, tab widths in pixels, the edge that holds the strip.
    virtual void SetLayout(tabctl::TabLayout layout) = 0;
    virtual void SetMaxTabWidth(std::int32_t pixels) = 0;
    virtual void SetFixedTabWidth(std::int32_t pixels) = 0;
    virtual void SetSide(tabctl::TabSide side) = 0;

    // The control's place in the bar and its extent; the page area is what the strip leaves.
    virtual std::int32_t Left() const = 0;
    virtual std::int32_t Top() const = 0;
    virtual void SetLeft(std::int32_t twips) = 0;
    virtual void SetTop(std::int32_t twips) = 0;
    virtual std::int32_t Width() const = 0;
    virtual std::int32_t Height() const = 0;
    virtual void SetWidth(std::int32_t twips) = 0;
    virtual void SetHeight(std::int32_t twips) = 0;
    virtual std::int32_t PageAreaWidth() const = 0;
    virtual std::int32_t PageAreaHeight() const = 0;

    // Mouse roles: the tab under a point, whether tabs can be dragged, the control's value
    // that widens the blind zone, a tab's rectangle and the lengths of the control's buttons.
    virtual std::optional<std::int32_t> HitTest(std::int32_t x, std::int32_t y) const = 0;
    virtual bool Reorder() const = 0;
    virtual std::int32_t BlindZoneValue() const = 0;
    virtual std::optional<TabRectangle> Rectangle(std::int32_t index) const = 0;
    // They scale with the screen's resolution.
    virtual FarEndButtons ButtonLengths() const = 0;
    // The control's own window.
    virtual WindowHandle ControlWindow() const = 0;
};

}  // namespace morvane
