#pragma once
// The bar's tab control: our own tab control window inside the tab bar form, by the roles the
// bar uses. Sizes and places are kept in twips and put on the window in whole pixels; the
// control's events reach the sink, and nothing the sink throws leaves the control's window
// procedure.

#include <windows.h>

#include <memory>

#include "addin/tabbar/TabBarControl.h"
#include "tabctl/TabControl_win.h"

namespace morvane {

class Win32TabBarControl final : public TabBarControl, private tabctl::TabControlEvents {
  public:
    // The control as a child of the form window; nullptr when the window cannot be made.
    static std::unique_ptr<Win32TabBarControl> Create(WindowHandle form, TabEventSink& events);
    ~Win32TabBarControl() override;
    Win32TabBarControl(const Win32TabBarControl&) = delete;
    Win32TabBarControl& operator=(const Win32TabBarControl&) = delete;

    tabctl::TabControl& Control() { return *control_; }

    std::int32_t Count() const override;
    void SetCount(std::int32_t count) override;
    std::wstring Caption(std::int32_t index) const override;
    void SetCaption(std::int32_t index, const std::wstring& caption) override;
    std::wstring ToolTip(std::int32_t index) const override;
    void SetToolTip(std::int32_t index, const std::wstring& toolTip) override;
    void SetImage(std::int32_t index, TabImage image) override;
    std::wstring Tag(std::int32_t index) const override;
    void SetTag(std::int32_t index, const std::wstring& tag) override;
    bool Visible(std::int32_t index) const override;
    void SetVisible(std::int32_t index, bool visible) override;
    void Select(std::int32_t index) override;
    std::int32_t SelectedIndex() const override;

    void SetLayout(tabctl::TabLayout layout) override;
    void SetMaxTabWidth(std::int32_t pixels) override;
    void SetFixedTabWidth(std::int32_t pixels) override;
    void SetSide(tabctl::TabSide side) override;

    std::int32_t Left() const override { return left_; }
    std::int32_t Top() const override { return top_; }
    void SetLeft(std::int32_t twips) override;
    void SetTop(std::int32_t twips) override;
    std::int32_t Width() const override { return width_; }
    std::int32_t Height() const override { return height_; }
    void SetWidth(std::int32_t twips) override;
    void SetHeight(std::int32_t twips) override;
    std::int32_t PageAreaWidth() const override;
    std::int32_t PageAreaHeight() const override;

    std::optional<std::int32_t> HitTest(std::int32_t x, std::int32_t y) const override;
    bool Reorder() const override;
    // 1 while the strip shows its scroll arrows beside the close button, so the blind zone
    // covers them too.
    std::int32_t BlindZoneValue() const override;
    std::optional<TabRectangle> Rectangle(std::int32_t index) const override;
    FarEndButtons ButtonLengths() const override;
    WindowHandle ControlWindow() const override;

    void SetFont(const std::wstring& name, std::int32_t points) override;
    void AttachImages() override;
    void SetReorder(bool allowed) override;
    void SetAppearance(std::int32_t appearance) override;
    void SetPaintSwitch(tabctl::PaintSwitch which, bool on) override;
    void SetColorStyle(tabctl::ColorStyle style) override;
    void SetColor(tabctl::ColorRole role, tabctl::OleColor color) override;
    void SetToolTipStyle(tabctl::ToolTipStyle style) override;
    void SetToolTipSwitch(tabctl::ToolTipSwitch which, bool on) override;
    void Refresh() override;

  private:
    Win32TabBarControl(std::unique_ptr<tabctl::TabControl> control, TabEventSink& events);
    // Puts the twips place and size on the window.
    void Place();
    double TwipsPerPixel() const;

    void SelectionChanged(int tab) override;
    void MouseDown(int button, int shift, float xTwips, float yTwips) override;
    void CloseButtonClick(bool& cancel) override;
    void TabMoved(int tab, int newIndex) override;

    std::unique_ptr<tabctl::TabControl> control_;
    TabEventSink& events_;
    std::int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace morvane
