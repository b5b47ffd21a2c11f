#pragma once
// The tab control: a strip of tabs in a child window, drawn with GDI, for the tab bar, the
// dialogs' page strips and their colour previews.
//
// Positions of the mouse, hit tests and the page area are in twips (1/1440 inch at the
// screen's logical resolution); tab rectangles and tab widths are in pixels of the control.
// Tabs count from 0. Setters take effect at once and repaint; nothing here throws.
//
// Captions use '&' as the mnemonic prefix ("Popular && Postion" shows one ampersand); an owner
// showing file names turns that off with SetMnemonics(false).

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "shared/GdiObject_win.h"
#include "shared/Window_win.h"
#include "tabctl/ClickRule.h"
#include "tabctl/DibCanvas_win.h"
#include "tabctl/StripLayout.h"
#include "tabctl/TabEvents.h"
#include "tabctl/TabImageList_win.h"
#include "tabctl/TabModel.h"
#include "tabctl/TabTypes.h"

namespace morvane::tabctl {

class TabControl final : public Window {
  public:
    // A child window of `parent` at (x, y) with size (width, height) in pixels. Add WS_TABSTOP
    // for a control that takes the focus when clicked (the dialogs' page strips); without it
    // the control leaves the focus where it is (the tab bar).
    static std::unique_ptr<TabControl> Create(HWND parent, int x, int y, int width, int height,
                                              DWORD style = WS_CHILD | WS_VISIBLE, int id = 0);
    ~TabControl() override;

    void SetEvents(TabControlEvents* events) { model_.SetEvents(events); }

    // Tabs.
    int Count() const { return model_.Count(); }
    void SetCount(int count);
    std::wstring Caption(int tab) const;
    bool SetCaption(int tab, const std::wstring& caption);
    std::wstring Tag(int tab) const;
    bool SetTag(int tab, const std::wstring& tag);
    std::wstring ToolTip(int tab) const;
    bool SetToolTip(int tab, const std::wstring& text);
    int Image(int tab) const;
    bool SetImage(int tab, int image);
    bool Visible(int tab) const;
    bool SetVisible(int tab, bool visible);
    bool Enabled(int tab) const;
    bool SetEnabled(int tab, bool enabled);
    bool Selected(int tab) const { return tab >= 0 && tab == model_.Selected(); }
    // Setting true selects the tab and raises the selection event before returning; false
    // changes nothing (a strip always has a selected tab while it has tabs).
    bool SetSelected(int tab, bool selected);
    int SelectedIndex() const { return model_.Selected(); }
    bool SetSelectedIndex(int tab) { return SetSelected(tab, true); }
    // Client pixels; an empty rectangle for a hidden tab or a bad index.
    PixelRect TabRect(int tab) const;
    // The tab under a point, or -1. Over the close button the answer is the selected tab, the
    // one that button closes.
    int HitTest(int xPixels, int yPixels) const;
    // The tab under a point given in twips, or -1.
    int HitTestTwips(double xTwips, double yTwips) const;

    // Behaviour.
    bool Reorder() const { return reorder_; }
    void SetReorder(bool reorder);
    bool Dragging() const { return drag_.active; }
    bool Mnemonics() const { return mnemonics_; }
    void SetMnemonics(bool on);

    // Layout and look.
    TabSide Side() const { return side_; }
    void SetSide(TabSide side);
    TabLayout Layout() const { return layout_; }
    void SetLayout(TabLayout layout);
    // Tab widths in pixels at 96 dpi (scaled with the window's dpi); 0 for none.
    int FixedWidth() const { return fixedWidth_; }
    void SetFixedWidth(int pixels);
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int pixels);
    int Appearance() const { return appearance_; }
    // 0 to 11; other values are refused.
    bool SetAppearance(int appearance);
    ColorStyle ColorStyleValue() const { return colorStyle_; }
    // Loads that style's colours into the colour set. A value outside the enum is refused.
    bool SetColorStyle(ColorStyle style);
    OleColor Color(ColorRole role) const { return colors_.Get(role); }
    void SetColor(ColorRole role, OleColor color);
    const ColorSet& Colors() const { return colors_; }
    bool PaintSwitchOn(PaintSwitch which) const;
    void SetPaintSwitch(PaintSwitch which, bool on);
    // The tool-tip context's style and switches: kept for the owner.
    ToolTipStyle ToolTipStyleValue() const { return toolTipStyle_; }
    void SetToolTipStyle(ToolTipStyle style) { toolTipStyle_ = style; }
    bool ToolTipSwitchOn(ToolTipSwitch which) const;
    void SetToolTipSwitch(ToolTipSwitch which, bool on);

    std::wstring FontName() const { return fontName_; }
    bool SetFontName(const std::wstring& name);
    double FontSize() const { return fontSize_; }
    bool SetFontSize(double points);

    // The client area beside the strip, in twips; the control's extent less this is the strip's
    // thickness.
    double PageAreaWidth() const;
    double PageAreaHeight() const;
    PixelRect PageAreaRect() const;
    // Whether the strip shows its scroll arrows (the tabs do not fit).
    bool ScrollArrowsShown() const;
    // The control's own buttons at the strip's far end, in pixels along the strip at the
    // control's dpi: the close button (0 while it is off) and the two scroll arrows together.
    int CloseButtonLength() const;
    int ScrollArrowsLength() const;

    // Images: the list is shared, so that several controls can show one list.
    void AttachImageList(std::shared_ptr<const TabImageList> images);

    // Draws the whole client area into `dc` (WM_PRINTCLIENT does the same).
    void Paint(HDC dc);
    int Dpi() const { return dpi_; }

  private:
    struct DragState {
        bool pending = false;  // left button down on a tab, not yet moved far enough
        bool active = false;
        int from = -1;
        int to = -1;
        POINT start{};
    };

    explicit TabControl(int screenDpi);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnMouseDown(int button, WPARAM keys, int x, int y);
    void OnMouseMove(WPARAM keys, int x, int y);
    void OnLeftUp(int x, int y);
    void OnKeyDown(WPARAM key);
    void OnTimer();
    void OnPaintMessage();
    void RaiseMouseDown(int button, WPARAM keys, int x, int y);
    void PressButton(StripButton button);
    void Scroll(int step);
    void EndDrag(bool drop, int x, int y);
    void SetHot(int tab, StripButton button);
    void SelectTab(int tab);
    void CloseClicked();

    template <typename T>
    T Field(int tab, T TabData::*field, T missing) const;
    template <typename T>
    bool SetField(int tab, T TabData::*field, const T& value, bool geometry);
    void Changed(bool geometry);
    // The window's text names the selected tab, for screen readers.
    void UpdateAccessibleName();
    const StripLayout& CurrentLayout() const;
    void MeasureCaptions() const;
    void UpdateFont();
    void UpdateDpi();
    void SyncToolTips();
    PixelRect Client() const;

    HWND toolTip_ = nullptr;
    int screenDpi_;
    int dpi_;
    TabModel model_;
    bool reorder_ = false;
    bool mnemonics_ = true;
    TabSide side_ = TabSide::Top;
    TabLayout layout_ = TabLayout::AutoSize;
    int fixedWidth_ = 0;
    int maxWidth_ = 0;
    int appearance_ = 0;
    ColorStyle colorStyle_ = ColorStyle::Appearance;
    ColorSet colors_;
    bool hotTracking_ = false;
    bool gloss_ = false;
    bool spareSwitch_ = false;
    bool closeButton_ = false;
    ToolTipStyle toolTipStyle_ = ToolTipStyle::Unset;
    bool toolTipSpare9_ = false;
    bool toolTipSpare10_ = false;
    std::wstring fontName_;
    double fontSize_ = 8;
    GdiFont font_;
    int textHeight_ = 13;
    std::shared_ptr<const TabImageList> images_;

    mutable int firstTab_ = 0;
    mutable int ensureVisible_ = -1;  // a tab to scroll into view at the next layout
    int hotTab_ = -1;
    StripButton hotButton_ = StripButton::None;
    StripButton pressedButton_ = StripButton::None;
    bool trackingLeave_ = false;
    DragState drag_;
    DoubleClickRule doubleClick_;

    mutable std::vector<int> textWidths_;  // -1 until measured
    mutable bool layoutDirty_ = true;
    mutable StripLayout strip_;
    mutable MemoryDc measureDc_;
    bool toolTipsDirty_ = true;
    int toolCount_ = 0;  // tool-tip tools 1 to toolCount_ are registered

    std::unique_ptr<DibCanvas> buffer_;  // the back buffer of WM_PAINT
    bool repaintPosted_ = false;
    std::wstring accessibleName_;
};

}  // namespace morvane::tabctl
