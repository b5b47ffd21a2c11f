#pragma once
// In-memory double of the bar's tab control: records every setting and raises the selection
// event through a callback, as the real control does before Select returns.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "addin/tabbar/TabBarControl.h"

namespace morvane::test {

struct FakeTab {
    std::wstring caption, toolTip, tag;
    std::int32_t image = -1;
    bool visible = true;
    // Hit-test band along the strip, in twips, and the rectangle in pixels.
    std::int32_t from = 0, to = 0;
    std::optional<TabRectangle> rectangle;
};

class FakeTabStrip : public TabBarControl {
  public:
    std::vector<FakeTab> tabs;
    std::int32_t selected = -1;
    std::vector<std::int32_t> selections;
    std::function<void(std::int32_t)> onSelectionChanged;

    std::int32_t layout = -1, maxWidth = -1, fixedWidth = -1, side = -1;
    std::int32_t left = 0, top = 0, width = 0, height = 0, pageWidth = 0, pageHeight = 0;
    bool reorder = false;
    std::int32_t blindZoneValue = 0;
    FarEndButtons buttonLengths{16, 42};  // the control's buttons at 96 dpi
    bool hitAlongY = false;               // vertical bars hit-test along y
    WindowHandle controlWindow = 0;
    std::vector<std::pair<std::int32_t, std::int32_t>> hitTests;

    std::wstring fontName;
    std::int32_t fontPoints = 0;
    bool imagesAttached = false;
    std::int32_t appearance = -1, colorStyle = -1, toolTipStyle = -1;
    std::map<std::int32_t, bool> paintSwitches, toolTipSwitches;
    std::map<std::int32_t, std::uint32_t> colors;
    // Every style call in order, such as "style 32", "color 2", "switch 8 0".
    std::vector<std::string> styleCalls;
    int refreshes = 0;

    std::int32_t Count() const override { return static_cast<std::int32_t>(tabs.size()); }
    void SetCount(std::int32_t count) override;
    std::wstring Caption(std::int32_t i) const override { return Field(i, &FakeTab::caption); }
    void SetCaption(std::int32_t i, const std::wstring& c) override {
        SetField(i, &FakeTab::caption, c);
    }
    std::wstring ToolTip(std::int32_t i) const override { return Field(i, &FakeTab::toolTip); }
    void SetToolTip(std::int32_t i, const std::wstring& t) override {
        SetField(i, &FakeTab::toolTip, t);
    }
    void SetImage(std::int32_t i, TabImage image) override {
        SetField(i, &FakeTab::image, static_cast<std::int32_t>(image));
    }
    std::wstring Tag(std::int32_t i) const override { return Field(i, &FakeTab::tag); }
    void SetTag(std::int32_t i, const std::wstring& tag) override {
        SetField(i, &FakeTab::tag, tag);
    }
    bool Visible(std::int32_t i) const override { return Field(i, &FakeTab::visible); }
    void SetVisible(std::int32_t i, bool v) override { SetField(i, &FakeTab::visible, v); }
    // Raises the selection event only when the selection changes, as the real control does.
    void Select(std::int32_t i) override;
    std::int32_t SelectedIndex() const override { return selected; }

    void SetLayout(tabctl::TabLayout v) override { layout = static_cast<std::int32_t>(v); }
    void SetMaxTabWidth(std::int32_t v) override { maxWidth = v; }
    void SetFixedTabWidth(std::int32_t v) override { fixedWidth = v; }
    void SetSide(tabctl::TabSide v) override { side = static_cast<std::int32_t>(v); }
    std::int32_t Left() const override { return left; }
    std::int32_t Top() const override { return top; }
    void SetLeft(std::int32_t v) override { left = v; }
    void SetTop(std::int32_t v) override { top = v; }
    std::int32_t Width() const override { return width; }
    std::int32_t Height() const override { return height; }
    void SetWidth(std::int32_t v) override { width = v; }
    void SetHeight(std::int32_t v) override { height = v; }
    std::int32_t PageAreaWidth() const override { return pageWidth; }
    std::int32_t PageAreaHeight() const override { return pageHeight; }
    std::optional<std::int32_t> HitTest(std::int32_t x, std::int32_t y) const override;
    bool Reorder() const override { return reorder; }
    std::int32_t BlindZoneValue() const override { return blindZoneValue; }
    FarEndButtons ButtonLengths() const override { return buttonLengths; }
    std::optional<TabRectangle> Rectangle(std::int32_t i) const override;
    WindowHandle ControlWindow() const override { return controlWindow; }

    void SetFont(const std::wstring& name, std::int32_t points) override;
    void AttachImages() override { imagesAttached = true; }
    void SetReorder(bool allowed) override { reorder = allowed; }
    void SetAppearance(std::int32_t v) override { appearance = v; }
    void SetPaintSwitch(tabctl::PaintSwitch which, bool on) override;
    void SetColorStyle(tabctl::ColorStyle style) override;
    void SetColor(tabctl::ColorRole role, tabctl::OleColor color) override;
    void SetToolTipStyle(tabctl::ToolTipStyle v) override {
        toolTipStyle = static_cast<std::int32_t>(v);
    }
    void SetToolTipSwitch(tabctl::ToolTipSwitch which, bool on) override {
        toolTipSwitches[static_cast<std::int32_t>(which)] = on;
    }
    void Refresh() override { ++refreshes; }

    // Lays the tabs out one after another along the strip, each `span` twips long.
    void LayOut(std::int32_t span);

  private:
    static std::size_t Index(std::int32_t i) { return static_cast<std::size_t>(i); }
    bool Has(std::int32_t i) const { return i >= 0 && Index(i) < tabs.size(); }
    // As the real control: an index without a tab reads empty and changes nothing.
    template <typename T>
    T Field(std::int32_t i, T FakeTab::*field) const {
        return Has(i) ? tabs[Index(i)].*field : T{};
    }
    template <typename T>
    void SetField(std::int32_t i, T FakeTab::*field, const T& value) {
        if (Has(i)) {
            tabs[Index(i)].*field = value;
        }
    }
};

}  // namespace morvane::test
