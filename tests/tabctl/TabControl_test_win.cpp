#include "tabctl/TabControl_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tabctl/Appearance.h"
#include "tabctl/DibCanvas_win.h"
#include "shared/GdiObject_win.h"

namespace morvane::tabctl {
namespace {

// Records every event as text, in order; optional hooks run inside the event.
struct Recorder : TabControlEvents {
    void SelectionChanged(int tab) override {
        log.push_back(L"select " + std::to_wstring(tab));
        if (onSelect) {
            onSelect(tab);
        }
    }
    void MouseDown(int button, int shift, float x, float y) override {
        log.push_back(L"down " + std::to_wstring(button) + L" " + std::to_wstring(shift) + L" " +
                      std::to_wstring(static_cast<int>(x)) + L" " +
                      std::to_wstring(static_cast<int>(y)));
    }
    void CloseButtonClick(bool& cancel) override {
        log.push_back(L"close");
        cancel = cancelClose;
    }
    void TabMoved(int tab, int newIndex) override {
        log.push_back(L"moved " + std::to_wstring(tab) + L" " + std::to_wstring(newIndex));
        if (onMoved) {
            onMoved(newIndex);
        }
    }
    std::vector<std::wstring> log;
    bool cancelClose = false;
    std::function<void(int)> onSelect;
    std::function<void(int)> onMoved;
};

int ScreenTwipsPerPixel() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return 1440 / dpi;
}

// Client pixels as OLE colours, painted through WM_PRINTCLIENT into a memory bitmap.
class Snapshot {
  public:
    Snapshot(HWND hwnd, int width, int height) : width_(width), height_(height) {
        const DibCanvas canvas(width, height);
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
        GdiFlush();
        pixels_.assign(canvas.Pixels(), canvas.Pixels() + width * height);
    }

    OleColor At(int x, int y) const {
        const std::uint32_t p = pixels_[y * width_ + x];
        return Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

    // How many pixels of a rectangle have exactly this colour.
    int Count(const PixelRect& r, OleColor color) const {
        int n = 0;
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y) {
            for (int x = std::max(r.left, 0); x < std::min(r.right, width_); ++x) {
                n += At(x, y) == color;
            }
        }
        return n;
    }

  private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

class TabControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 300, nullptr, nullptr,
                                  nullptr, nullptr);
        ASSERT_NE(parent_, nullptr);
        control_ = TabControl::Create(parent_, 0, 0, kWidth, kHeight);
        ASSERT_TRUE(control_);
        control_->SetEvents(&events_);
        control_->SetCount(3);
        control_->SetCaption(0, L"Alpha");
        control_->SetCaption(1, L"Beta");
        control_->SetCaption(2, L"Gamma");
    }
    void TearDown() override {
        control_.reset();
        DestroyWindow(parent_);
    }

    HWND Hwnd() const { return control_->Hwnd(); }
    void Send(UINT message, WPARAM keys, int x, int y) {
        SendMessageW(Hwnd(), message, keys, MAKELPARAM(x, y));
    }
    void Click(int x, int y) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y);
        Send(WM_LBUTTONUP, 0, x, y);
    }
    POINT Centre(int tab) const {
        const PixelRect r = control_->TabRect(tab);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    std::wstring Twips(int pixels) const { return std::to_wstring(pixels * twips_); }

    static constexpr int kWidth = 400;
    static constexpr int kHeight = 120;
    const int twips_ = ScreenTwipsPerPixel();
    HWND parent_ = nullptr;
    std::unique_ptr<TabControl> control_;
    Recorder events_;
};

using Log = std::vector<std::wstring>;

TEST_F(TabControlTest, SelectingFromCodeRaisesTheEventBeforeTheCallReturns) {
    int seenInside = -1;
    events_.onSelect = [&](int) { seenInside = control_->SelectedIndex(); };
    EXPECT_TRUE(control_->SetSelected(2, true));
    EXPECT_EQ(events_.log, Log{L"select 2"});
    EXPECT_EQ(seenInside, 2);
    EXPECT_TRUE(control_->Selected(2));
    // Already selected, deselecting and bad indexes raise nothing.
    control_->SetSelectedIndex(2);
    control_->SetSelected(1, false);
    EXPECT_FALSE(control_->SetSelected(7, true));
    EXPECT_EQ(events_.log, Log{L"select 2"});
}

TEST_F(TabControlTest, AClickSelectsFirstAndThenReportsTheMouseDownInTwips) {
    const POINT p = Centre(1);
    Click(p.x, p.y);
    EXPECT_EQ(events_.log, (Log{L"select 1", L"down 1 0 " + Twips(p.x) + L" " + Twips(p.y)}));
    events_.log.clear();
    Send(WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT | MK_CONTROL, 5, 3);
    Send(WM_MBUTTONDOWN, MK_MBUTTON, kWidth - 5, 3);
    EXPECT_EQ(events_.log, (Log{L"down 2 3 " + Twips(5) + L" " + Twips(3),
                                L"down 4 0 " + Twips(kWidth - 5) + L" " + Twips(3)}));
}

TEST_F(TabControlTest, WhileReorderingOnlyTheSecondClickOfADoubleClickOnATabIsReported) {
    control_->SetReorder(true);
    const POINT tab = Centre(1);
    Click(tab.x, tab.y);
    EXPECT_EQ(events_.log, Log{L"select 1"});
    Click(tab.x, tab.y);
    EXPECT_EQ(events_.log, (Log{L"select 1", L"down 1 0 " + Twips(tab.x) + L" " + Twips(tab.y)}));
    events_.log.clear();

    // Two single clicks on different tabs are no double-click.
    const POINT other = Centre(2);
    Click(tab.x, tab.y);
    Click(other.x, other.y);
    EXPECT_EQ(events_.log, Log{L"select 2"});
    events_.log.clear();

    // The blank part and the other buttons report every mouse-down.
    Click(kWidth - 40, 5);
    Send(WM_RBUTTONDOWN, MK_RBUTTON, tab.x, tab.y);
    EXPECT_EQ(events_.log, (Log{L"down 1 0 " + Twips(kWidth - 40) + L" " + Twips(5),
                                L"down 2 0 " + Twips(tab.x) + L" " + Twips(tab.y)}));
}

TEST_F(TabControlTest, DraggingATabMovesItThenRaisesTabMovedWithTheNewIndex) {
    control_->SetReorder(true);
    control_->SetTag(0, L"100");
    std::wstring captionAtEvent;
    events_.onMoved = [&](int index) { captionAtEvent = control_->Caption(index); };
    const POINT from = Centre(0);
    const PixelRect last = control_->TabRect(2);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, from.x, from.y);
    Send(WM_MOUSEMOVE, MK_LBUTTON, from.x + 20, from.y);
    EXPECT_TRUE(control_->Dragging());
    Send(WM_MOUSEMOVE, MK_LBUTTON, last.right - 2, from.y);
    Send(WM_LBUTTONUP, 0, last.right - 2, from.y);
    EXPECT_FALSE(control_->Dragging());
    EXPECT_EQ(events_.log, Log{L"moved 2 2"});
    EXPECT_EQ(captionAtEvent, L"Alpha");
    EXPECT_EQ(control_->Caption(0), L"Beta");
    EXPECT_EQ(control_->Tag(2), L"100");
    EXPECT_EQ(control_->SelectedIndex(), 2);  // the selection stays on the dragged tab

    // Back to the front.
    events_.log.clear();
    const POINT back = Centre(2);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, back.x, back.y);
    Send(WM_MOUSEMOVE, MK_LBUTTON, 3, back.y);
    Send(WM_LBUTTONUP, 0, 3, back.y);
    EXPECT_EQ(events_.log, Log{L"moved 0 0"});
    EXPECT_EQ(control_->Caption(0), L"Alpha");
}

TEST_F(TabControlTest, NoDragWithoutReorderingNorForASmallTwitch) {
    const POINT from = Centre(0);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, from.x, from.y);
    Send(WM_MOUSEMOVE, MK_LBUTTON, kWidth - 50, from.y);
    Send(WM_LBUTTONUP, 0, kWidth - 50, from.y);
    EXPECT_EQ(control_->Caption(0), L"Alpha");

    control_->SetReorder(true);
    events_.log.clear();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, from.x, from.y);
    Send(WM_MOUSEMOVE, MK_LBUTTON, from.x + 1, from.y);
    Send(WM_LBUTTONUP, 0, from.x + 1, from.y);
    EXPECT_TRUE(events_.log.empty());
    EXPECT_EQ(control_->Caption(0), L"Alpha");
}

TEST_F(TabControlTest, CancelInTheCloseEventStopsTheControlsOwnClosing) {
    control_->SetPaintSwitch(PaintSwitch::CloseButton, true);
    control_->SetSelectedIndex(1);
    events_.log.clear();
    const int x = kWidth - 8;
    const POINT close{x, Centre(0).y};
    // The close button stands for the selected tab, as an owner's hit test finds.
    EXPECT_EQ(control_->HitTest(close.x, close.y), 1);
    events_.cancelClose = true;
    Click(close.x, close.y);
    EXPECT_EQ(control_->Count(), 3);
    EXPECT_EQ(events_.log[1], L"close");

    // Without cancel the control closes the selected tab, and its neighbour takes over.
    events_.cancelClose = false;
    events_.log.clear();
    Click(close.x, close.y);
    EXPECT_EQ(control_->Count(), 2);
    EXPECT_EQ(control_->Caption(1), L"Gamma");
    EXPECT_EQ(events_.log,
              (Log{L"down 1 0 " + Twips(close.x) + L" " + Twips(close.y), L"close", L"select 1"}));

    // Released away from the button, nothing closes.
    events_.log.clear();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, close.x, close.y);
    Send(WM_LBUTTONUP, 0, close.x - 100, close.y);
    EXPECT_EQ(control_->Count(), 2);
}

TEST_F(TabControlTest, RectanglesHitTestsAndPageAreaOnEverySideAndLayout) {
    for (TabSide side : {TabSide::Top, TabSide::Left, TabSide::Bottom, TabSide::Right}) {
        for (TabLayout layout : {TabLayout::AutoSize, TabLayout::SizeToFit, TabLayout::Fixed}) {
            control_->SetSide(side);
            control_->SetLayout(layout);
            control_->SetFixedWidth(90);
            SCOPED_TRACE(testing::Message() << "side " << static_cast<int>(side) << " layout "
                                            << static_cast<int>(layout));
            const PixelRect first = control_->TabRect(0);
            const PixelRect last = control_->TabRect(2);
            EXPECT_FALSE(first.IsEmpty());
            for (int tab = 0; tab < 3; ++tab) {
                const POINT c = Centre(tab);
                EXPECT_EQ(control_->HitTest(c.x, c.y), tab);
                EXPECT_EQ(control_->HitTestTwips(c.x * twips_, c.y * twips_), tab);
            }
            const double widthTwips = kWidth * twips_;
            const double heightTwips = kHeight * twips_;
            if (IsVertical(side)) {
                EXPECT_EQ(first.right - first.left,
                          (widthTwips - control_->PageAreaWidth()) / twips_);
                EXPECT_EQ(control_->PageAreaHeight(), heightTwips);
                EXPECT_EQ(first.left, side == TabSide::Left ? 0 : kWidth - first.Width());
                EXPECT_LT(first.top, last.top);
            } else {
                EXPECT_EQ(first.Height(), (heightTwips - control_->PageAreaHeight()) / twips_);
                EXPECT_EQ(control_->PageAreaWidth(), widthTwips);
                EXPECT_EQ(first.top, side == TabSide::Top ? 0 : kHeight - first.Height());
                EXPECT_LT(first.left, last.left);
            }
            if (layout == TabLayout::Fixed) {
                EXPECT_EQ(IsVertical(side) ? first.Width() - Look(0).raise - 1 : first.Width(),
                          90 * control_->Dpi() / 96);
            }
        }
    }
}

TEST_F(TabControlTest, HiddenTabsTakeNoRoomAndCountChangesKeepTheFields) {
    const PixelRect before = control_->TabRect(2);
    control_->SetVisible(1, false);
    EXPECT_TRUE(control_->TabRect(1).IsEmpty());
    EXPECT_LT(control_->TabRect(2).left, before.left);
    EXPECT_EQ(control_->TabRect(2).left, control_->TabRect(0).right);

    control_->SetTag(0, L"4711");
    control_->SetToolTip(0, L"C:\\Plans\\Alpha.mpp");
    control_->SetImage(0, 1);
    control_->SetEnabled(2, false);
    control_->SetCount(1);
    control_->SetCount(5);
    EXPECT_EQ(control_->Count(), 5);
    EXPECT_EQ(control_->Caption(0), L"Alpha");
    EXPECT_EQ(control_->Tag(0), L"4711");
    EXPECT_EQ(control_->ToolTip(0), L"C:\\Plans\\Alpha.mpp");
    EXPECT_EQ(control_->Image(0), 1);
    EXPECT_EQ(control_->Caption(2), L"");
    EXPECT_TRUE(control_->Enabled(2));
    EXPECT_TRUE(control_->Visible(1));
    EXPECT_TRUE(events_.log.empty());
}

TEST_F(TabControlTest, ChangesRepaintOnceTheMessagesComeRound) {
    ShowWindow(parent_, SW_SHOWNOACTIVATE);
    UpdateWindow(parent_);
    MSG msg;
    auto pump = [&] {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE)) {
            DispatchMessageW(&msg);
        }
    };
    pump();
    ValidateRect(Hwnd(), nullptr);
    for (int i = 0; i < 3; ++i) {
        control_->SetCaption(i, L"Changed " + std::to_wstring(i));
    }
    pump();
    EXPECT_TRUE(GetUpdateRect(Hwnd(), nullptr, FALSE));
    UpdateWindow(Hwnd());
    EXPECT_FALSE(GetUpdateRect(Hwnd(), nullptr, FALSE));
}

TEST_F(TabControlTest, ScrollArrowsShowOnlyWhenTheTabsDoNotFit) {
    EXPECT_FALSE(control_->ScrollArrowsShown());
    control_->SetCount(30);
    EXPECT_TRUE(control_->ScrollArrowsShown());
    // Selecting a tab beyond the end scrolls it into view.
    control_->SetSelectedIndex(29);
    const PixelRect r = control_->TabRect(29);
    EXPECT_LE(r.right, kWidth);
    EXPECT_EQ(control_->HitTest(Centre(29).x, Centre(29).y), 29);
    control_->SetCount(3);
    EXPECT_FALSE(control_->ScrollArrowsShown());
}

TEST_F(TabControlTest, ArrowKeysMoveTheSelectionPastDisabledTabs) {
    control_->SetEnabled(1, false);
    SendMessageW(Hwnd(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(Hwnd(), WM_KEYDOWN, VK_RIGHT, 0);
    SendMessageW(Hwnd(), WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(events_.log, (Log{L"select 2", L"select 0"}));
    EXPECT_EQ(SendMessageW(Hwnd(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
    // Screen readers find the selected tab in the window's text.
    wchar_t text[32] = {};
    GetWindowTextW(Hwnd(), text, 32);
    EXPECT_EQ(std::wstring(text), L"Alpha");
}

BOOL CALLBACK FindToolTip(HWND hwnd, LPARAM found) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (std::wstring(name) == TOOLTIPS_CLASSW) {
        *reinterpret_cast<HWND*>(found) = hwnd;
    }
    return TRUE;
}

TEST_F(TabControlTest, EachTabInViewHasAToolTipWithItsText) {
    control_->SetToolTip(1, L"C:\\Plans\\Beta.mpp");
    const POINT p = Centre(1);
    Send(WM_MOUSEMOVE, 0, p.x, p.y);
    HWND tip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindToolTip, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip, nullptr);
    // A pop-up belongs to the control's top-level window.
    EXPECT_EQ(GetWindow(tip, GW_OWNER), parent_);
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 3);
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = Hwnd();
    tool.uId = 2;
    tool.lpszText = text;
    SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    EXPECT_EQ(std::wstring(text), L"C:\\Plans\\Beta.mpp");
}

TEST_F(TabControlTest, ColourStylesLoadTheirColoursAndRefuseOtherValues) {
    EXPECT_TRUE(control_->SetColorStyle(ColorStyle::ColorSet));
    control_->SetColor(ColorRole::SelectedTab, Rgb(1, 2, 3));
    EXPECT_EQ(control_->Color(ColorRole::SelectedTab), Rgb(1, 2, 3));
    EXPECT_TRUE(control_->SetColorStyle(ColorStyle::ColorSet));
    EXPECT_EQ(control_->Colors(), StyleColors(ColorStyle::ColorSet, 0));
    EXPECT_TRUE(control_->SetColorStyle(ColorStyle::Office));
    EXPECT_EQ(control_->Color(ColorRole::NormalTab), 12762810u);
    EXPECT_FALSE(control_->SetColorStyle(static_cast<ColorStyle>(3)));
    EXPECT_EQ(control_->ColorStyleValue(), ColorStyle::Office);
    EXPECT_FALSE(control_->SetAppearance(12));
    EXPECT_TRUE(control_->SetAppearance(11));
    EXPECT_EQ(control_->Appearance(), 11);
    EXPECT_FALSE(control_->SetFontName(L""));
    EXPECT_TRUE(control_->SetFontName(L"Arial"));
    EXPECT_TRUE(control_->SetFontSize(12));
    EXPECT_EQ(control_->FontName(), L"Arial");
    EXPECT_FALSE(control_->SetFontSize(0));
}

// ---- Drawing

constexpr OleColor kSelected = Rgb(250, 200, 10);
constexpr OleColor kNormal = Rgb(20, 160, 60);
constexpr OleColor kText = Rgb(200, 0, 0);
constexpr OleColor kSelectedText = Rgb(0, 0, 230);
constexpr OleColor kFaceLight = Rgb(90, 90, 200);
constexpr OleColor kFaceDark = Rgb(60, 60, 160);

class TabDrawingTest : public TabControlTest {
  protected:
    void SetUp() override {
        TabControlTest::SetUp();
        control_->SetLayout(TabLayout::Fixed);
        control_->SetFixedWidth(110);
        control_->SetCaption(0, L"WWWW");
        control_->SetCaption(1, L"MMMM");
        control_->SetColorStyle(ColorStyle::ColorSet);
        control_->SetColor(ColorRole::FaceDark, kFaceDark);
        control_->SetColor(ColorRole::FaceLight, kFaceLight);
        control_->SetColor(ColorRole::NormalTab, kNormal);
        control_->SetColor(ColorRole::SelectedTab, kSelected);
        control_->SetColor(ColorRole::NormalText, kText);
        control_->SetColor(ColorRole::SelectedText, kSelectedText);
    }

    // A body pixel of a tab away from its caption and its sheen: towards the page edge, and a
    // quarter along a horizontal tab or beyond the caption of a vertical one.
    POINT Body(int tab) const {
        const PixelRect r = control_->TabRect(tab);
        switch (control_->Side()) {
            case TabSide::Top:
                return {r.left + r.Width() / 4, r.top + r.Height() * 2 / 3};
            case TabSide::Bottom:
                return {r.left + r.Width() / 4, r.bottom - 1 - r.Height() * 2 / 3};
            case TabSide::Left:
                return {r.left + r.Width() * 7 / 8, r.top + r.Height() / 2};
            case TabSide::Right:
                return {r.right - 1 - r.Width() * 7 / 8, r.top + r.Height() / 2};
        }
        return {};
    }
    OleColor BodyColor(const Snapshot& shot, int tab) const {
        const POINT p = Body(tab);
        return shot.At(p.x, p.y);
    }
    // The middle band of a tab, where its caption is written.
    PixelRect TextBand(int tab) const {
        const PixelRect r = control_->TabRect(tab);
        return {r.left + r.Width() / 4, r.top + 4, r.right - r.Width() / 4, r.bottom - 4};
    }
};

TEST_F(TabDrawingTest, TabsAreFilledWithColourSetMembersSixAndSeven) {
    for (int appearance : {0, 1, 2, 3, 5, 6, 7, 8, 9}) {
        for (TabSide side : {TabSide::Top, TabSide::Bottom, TabSide::Left, TabSide::Right}) {
            control_->SetAppearance(appearance);
            control_->SetSide(side);
            const Snapshot shot(Hwnd(), kWidth, kHeight);
            SCOPED_TRACE(testing::Message()
                         << "appearance " << appearance << " side " << static_cast<int>(side));
            EXPECT_EQ(BodyColor(shot, 0), kSelected);
            EXPECT_EQ(BodyColor(shot, 1), kNormal);
        }
    }
}

TEST_F(TabDrawingTest, CaptionsAreWrittenInColourSetMembersEightAndTen) {
    for (int appearance : {0, 1, 5, 9}) {
        control_->SetAppearance(appearance);
        const Snapshot shot(Hwnd(), kWidth, kHeight);
        SCOPED_TRACE(testing::Message() << "appearance " << appearance);
        EXPECT_GT(shot.Count(TextBand(0), kSelectedText), 4);
        EXPECT_EQ(shot.Count(TextBand(0), kText), 0);
        EXPECT_GT(shot.Count(TextBand(1), kText), 4);
        EXPECT_EQ(shot.Count(TextBand(1), kSelectedText), 0);
    }
}

TEST_F(TabDrawingTest, TheFaceShowsMembersOneAndTwoBesideTheTabs) {
    control_->SetAppearance(1);  // flat: the face is member 1 alone
    const Snapshot flat(Hwnd(), kWidth, kHeight);
    EXPECT_EQ(flat.At(kWidth - 30, 5), kFaceLight);
    control_->SetAppearance(0);  // shaded from member 1 at the edge to member 2 at the page
    const Snapshot shaded(Hwnd(), kWidth, kHeight);
    EXPECT_EQ(shaded.At(kWidth - 30, 0), kFaceLight);
    const OleColor inner = shaded.At(kWidth - 30, control_->TabRect(0).bottom - 2);
    EXPECT_LT(BlueOf(inner), 200);
    EXPECT_GT(BlueOf(inner), 160);
}

TEST_F(TabDrawingTest, OwnColourAppearancesIgnoreTheColourSet) {
    for (int appearance : {4, 10, 11}) {
        control_->SetAppearance(appearance);
        const Snapshot shot(Hwnd(), kWidth, kHeight);
        SCOPED_TRACE(testing::Message() << "appearance " << appearance);
        EXPECT_EQ(BodyColor(shot, 0), Look(appearance).palette.selectedTab);
        EXPECT_EQ(BodyColor(shot, 1), Look(appearance).palette.normalTab);
        EXPECT_EQ(shot.Count({0, 0, kWidth, kHeight}, kSelected), 0);
    }
}

TEST_F(TabDrawingTest, OfficeColourStyleWithThePresetsOfTheSchemes) {
    control_->SetAppearance(2);
    control_->SetColorStyle(ColorStyle::Office);
    const Snapshot silver(Hwnd(), kWidth, kHeight);
    EXPECT_EQ(BodyColor(silver, 0), 15790320u);
    EXPECT_EQ(BodyColor(silver, 1), 12762810u);
    // The tab bar puts the blue scheme on the control, member by member.
    const OfficePreset blue = *OfficeSchemePreset(1);
    control_->SetColor(ColorRole::FaceDark, blue.faceDark);
    control_->SetColor(ColorRole::FaceLight, blue.faceLight);
    control_->SetColor(ColorRole::SelectedTab, blue.selectedTab);
    control_->SetColor(ColorRole::NormalTab, blue.normalTab);
    const Snapshot shot(Hwnd(), kWidth, kHeight);
    EXPECT_EQ(BodyColor(shot, 0), 15790320u);
    EXPECT_EQ(BodyColor(shot, 1), 12690311u);
    EXPECT_EQ(shot.At(kWidth - 30, 0), 15451044u);
}

TEST_F(TabDrawingTest, ImagesAreDrawnFromTheAttachedList) {
    control_->AttachImageList(std::make_shared<TabImageList>(TabImageList::TabBarImages()));
    const Snapshot without(Hwnd(), kWidth, kHeight);
    control_->SetImage(1, 1);
    const Snapshot with(Hwnd(), kWidth, kHeight);
    const PixelRect r = control_->TabRect(1);
    const PixelRect left{r.left, r.top, r.left + r.Width() / 3, r.bottom};
    EXPECT_LT(with.Count(left, kNormal), without.Count(left, kNormal) - 60);
    // An index past the list draws nothing.
    control_->SetImage(1, 5);
    const Snapshot bad(Hwnd(), kWidth, kHeight);
    EXPECT_EQ(bad.Count(left, kNormal), without.Count(left, kNormal));
}

TEST(TabControlResources, EveryGdiObjectIsGivenBack) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 600, 300, nullptr, nullptr,
                                  nullptr, nullptr);
    const long start = GdiLiveCount();
    for (int round = 0; round < 3; ++round) {
        auto control = TabControl::Create(parent, 0, 0, 300, 40);
        ASSERT_TRUE(control);
        control->AttachImageList(std::make_shared<TabImageList>(TabImageList::TabBarImages()));
        control->SetCount(20);
        control->SetFontSize(11);
        control->SetAppearance(round * 4);
        RedrawWindow(control->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const Snapshot shot(control->Hwnd(), 300, 40);
        EXPECT_GT(GdiLiveCount(), start);
    }
    EXPECT_EQ(GdiLiveCount(), start);
    // A control whose window went first gives its objects back too.
    auto orphan = TabControl::Create(parent, 0, 0, 300, 40);
    DestroyWindow(parent);
    EXPECT_EQ(orphan->Hwnd(), nullptr);
    orphan.reset();
    EXPECT_EQ(GdiLiveCount(), start);
}

}  // namespace
}  // namespace morvane::tabctl
