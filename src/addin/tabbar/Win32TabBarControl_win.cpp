#include "addin/tabbar/Win32TabBarControl_win.h"

#include <cmath>

#include "addin/tabbar/WindowSystem_win.h"
#include "shared/Trace.h"
#include "tabctl/TabImageList_win.h"

namespace morvane {

namespace {

// The size the control is made with, in pixels: wider and deeper than any strip, so the first
// measure of the strip's thickness is right before the form has fitted it.
constexpr int InitialWidth = 600;
constexpr int InitialHeight = 200;

}  // namespace

std::unique_ptr<Win32TabBarControl> Win32TabBarControl::Create(WindowHandle form,
                                                               TabEventSink& events) {
    auto control =
        tabctl::TabControl::Create(reinterpret_cast<HWND>(form), 0, 0, InitialWidth, InitialHeight);
    if (!control) {
        return nullptr;
    }
    return std::unique_ptr<Win32TabBarControl>(new Win32TabBarControl(std::move(control), events));
}

Win32TabBarControl::Win32TabBarControl(std::unique_ptr<tabctl::TabControl> control,
                                       TabEventSink& events)
    : control_(std::move(control)), events_(events) {
    // Captions are file names: an ampersand in "R&D.mpp" is a letter, not a mnemonic.
    control_->SetMnemonics(false);
    const double px = TwipsPerPixel();
    width_ = static_cast<std::int32_t>(std::lround(InitialWidth * px));
    height_ = static_cast<std::int32_t>(std::lround(InitialHeight * px));
    control_->SetEvents(this);
}

Win32TabBarControl::~Win32TabBarControl() {
    control_->SetEvents(nullptr);
}

double Win32TabBarControl::TwipsPerPixel() const {
    return Win32WindowSystem().TwipsPerPixel();
}

void Win32TabBarControl::Place() {
    const double px = TwipsPerPixel();
    const auto pixels = [px](std::int32_t twips) {
        return static_cast<int>(std::lround(twips / px));
    };
    SetWindowPos(control_->Hwnd(), nullptr, pixels(left_), pixels(top_), pixels(width_),
                 pixels(height_), SWP_NOZORDER | SWP_NOACTIVATE);
}

std::int32_t Win32TabBarControl::Count() const {
    return control_->Count();
}

void Win32TabBarControl::SetCount(std::int32_t count) {
    control_->SetCount(count);
}

std::wstring Win32TabBarControl::Caption(std::int32_t index) const {
    return control_->Caption(index);
}

void Win32TabBarControl::SetCaption(std::int32_t index, const std::wstring& caption) {
    control_->SetCaption(index, caption);
}

std::wstring Win32TabBarControl::ToolTip(std::int32_t index) const {
    return control_->ToolTip(index);
}

void Win32TabBarControl::SetToolTip(std::int32_t index, const std::wstring& toolTip) {
    control_->SetToolTip(index, toolTip);
}

void Win32TabBarControl::SetImage(std::int32_t index, TabImage image) {
    control_->SetImage(index, static_cast<int>(image));
}

std::wstring Win32TabBarControl::Tag(std::int32_t index) const {
    return control_->Tag(index);
}

void Win32TabBarControl::SetTag(std::int32_t index, const std::wstring& tag) {
    control_->SetTag(index, tag);
}

bool Win32TabBarControl::Visible(std::int32_t index) const {
    return control_->Visible(index);
}

void Win32TabBarControl::SetVisible(std::int32_t index, bool visible) {
    control_->SetVisible(index, visible);
}

void Win32TabBarControl::Select(std::int32_t index) {
    control_->SetSelected(index, true);
}

std::int32_t Win32TabBarControl::SelectedIndex() const {
    return control_->SelectedIndex();
}

void Win32TabBarControl::SetLayout(tabctl::TabLayout layout) {
    control_->SetLayout(layout);
}

void Win32TabBarControl::SetMaxTabWidth(std::int32_t pixels) {
    control_->SetMaxWidth(pixels);
}

void Win32TabBarControl::SetFixedTabWidth(std::int32_t pixels) {
    control_->SetFixedWidth(pixels);
}

void Win32TabBarControl::SetSide(tabctl::TabSide side) {
    control_->SetSide(side);
}

void Win32TabBarControl::SetLeft(std::int32_t twips) {
    left_ = twips;
    Place();
}

void Win32TabBarControl::SetTop(std::int32_t twips) {
    top_ = twips;
    Place();
}

void Win32TabBarControl::SetWidth(std::int32_t twips) {
    width_ = twips < 0 ? 0 : twips;
    Place();
}

void Win32TabBarControl::SetHeight(std::int32_t twips) {
    height_ = twips < 0 ? 0 : twips;
    Place();
}

std::int32_t Win32TabBarControl::PageAreaWidth() const {
    return static_cast<std::int32_t>(std::lround(control_->PageAreaWidth()));
}

std::int32_t Win32TabBarControl::PageAreaHeight() const {
    return static_cast<std::int32_t>(std::lround(control_->PageAreaHeight()));
}

std::optional<std::int32_t> Win32TabBarControl::HitTest(std::int32_t x, std::int32_t y) const {
    const int tab = control_->HitTestTwips(x, y);
    return tab >= 0 ? std::optional<std::int32_t>(tab) : std::nullopt;
}

bool Win32TabBarControl::Reorder() const {
    return control_->Reorder();
}

std::int32_t Win32TabBarControl::BlindZoneValue() const {
    return control_->ScrollArrowsShown() ? 1 : 0;
}

std::optional<TabRectangle> Win32TabBarControl::Rectangle(std::int32_t index) const {
    if (index < 0 || index >= control_->Count()) {
        return std::nullopt;
    }
    const tabctl::PixelRect rect = control_->TabRect(index);
    return TabRectangle{rect.left, rect.top, rect.right, rect.bottom};
}

FarEndButtons Win32TabBarControl::ButtonLengths() const {
    const int close = control_->CloseButtonLength();
    return {close, close + control_->ScrollArrowsLength()};
}

WindowHandle Win32TabBarControl::ControlWindow() const {
    return reinterpret_cast<WindowHandle>(control_->Hwnd());
}

void Win32TabBarControl::SetFont(const std::wstring& name, std::int32_t points) {
    control_->SetFontName(name);
    control_->SetFontSize(points);
}

void Win32TabBarControl::AttachImages() {
    control_->AttachImageList(
        std::make_shared<const tabctl::TabImageList>(tabctl::TabImageList::TabBarImages()));
}

void Win32TabBarControl::SetReorder(bool allowed) {
    control_->SetReorder(allowed);
}

void Win32TabBarControl::SetAppearance(std::int32_t appearance) {
    control_->SetAppearance(appearance);
}

void Win32TabBarControl::SetPaintSwitch(tabctl::PaintSwitch which, bool on) {
    control_->SetPaintSwitch(which, on);
}

void Win32TabBarControl::SetColorStyle(tabctl::ColorStyle style) {
    control_->SetColorStyle(style);
}

void Win32TabBarControl::SetColor(tabctl::ColorRole role, tabctl::OleColor color) {
    control_->SetColor(role, color);
}

void Win32TabBarControl::SetToolTipStyle(tabctl::ToolTipStyle style) {
    control_->SetToolTipStyle(style);
}

void Win32TabBarControl::SetToolTipSwitch(tabctl::ToolTipSwitch which, bool on) {
    control_->SetToolTipSwitch(which, on);
}

void Win32TabBarControl::Refresh() {
    RedrawWindow(control_->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void Win32TabBarControl::SelectionChanged(int tab) {
    Guarded(L"the tab bar's SelectionChanged", [&] { events_.SelectionChanged(tab); });
}

void Win32TabBarControl::MouseDown(int button, int shift, float xTwips, float yTwips) {
    Guarded(L"the tab bar's MouseDown", [&] { events_.MouseDown(button, shift, xTwips, yTwips); });
}

void Win32TabBarControl::CloseButtonClick(bool& cancel) {
    Guarded(L"the tab bar's CloseButtonClick", [&] { events_.CloseButtonClick(cancel); });
}

void Win32TabBarControl::TabMoved(int tab, int newIndex) {
    Guarded(L"the tab bar's TabMoved", [&] { events_.TabMoved(tab, newIndex); });
}

}  // namespace morvane
