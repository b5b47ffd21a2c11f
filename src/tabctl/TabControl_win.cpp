#include "tabctl/TabControl_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "shared/Trace.h"
#include "shared/WindowHandle_win.h"
#include "tabctl/Appearance.h"
#include "tabctl/TabPainter_win.h"
#include "tabctl/Units.h"

namespace morvane::tabctl {

namespace {

constexpr wchar_t kClassName[] = L"MorvaneTabControl";
constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kRepaintMessage = WM_USER + 0x100;
constexpr UINT kScrollDelayMs = 400;
constexpr UINT kScrollRepeatMs = 80;
// Not in every SDK's headers for the Windows 7 target.
constexpr UINT kDpiChanged = 0x02E0;
constexpr UINT kDpiChangedAfterParent = 0x02E3;

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : kBaseDpi;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : kBaseDpi;
}

// The window's own dpi where the system knows it (Windows 10 and later), else the screen's.
int WindowDpi(HWND hwnd, int fallback) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpi = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    const UINT dpi = getDpi && hwnd ? getDpi(hwnd) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : fallback;
}

// The tips window of the common controls, once per process.
void LoadCommonControls() {
    static const bool loaded = [] {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        if (!InitCommonControlsEx(&controls)) {
            TraceFailure(L"InitCommonControlsEx", HRESULT_FROM_WIN32(GetLastError()));
        }
        return true;
    }();
    (void)loaded;
}

int ShiftState(WPARAM keys) {
    int shift = 0;
    if (keys & MK_SHIFT) {
        shift |= kShiftKey;
    }
    if (keys & MK_CONTROL) {
        shift |= kCtrlKey;
    }
    if (GetKeyState(VK_MENU) < 0) {
        shift |= kAltKey;
    }
    return shift;
}

}  // namespace

std::unique_ptr<TabControl> TabControl::Create(HWND parent, int x, int y, int width, int height,
                                               DWORD style, int id) {
    LoadCommonControls();
    std::unique_ptr<TabControl> control(new TabControl(ScreenDpi()));
    if (!control->Window::Create(kClassName, 0, style | WS_CHILD, parent, {x, y, width, height, id},
                                 CS_HREDRAW | CS_VREDRAW)) {
        return nullptr;
    }
    control->UpdateDpi();
    control->toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                        WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                        control->Hwnd(), nullptr, ThisModule(), nullptr);
    if (!control->toolTip_) {
        TraceFailure(L"CreateWindowExW tooltips_class32", HRESULT_FROM_WIN32(GetLastError()));
    }
    return control;
}

TabControl::TabControl(int screenDpi) : screenDpi_(screenDpi), dpi_(screenDpi) {
    colors_ = StyleColors(colorStyle_, appearance_);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        fontName_ = metrics.lfMessageFont.lfFaceName;
        if (metrics.lfMessageFont.lfHeight != 0) {
            fontSize_ = std::abs(metrics.lfMessageFont.lfHeight) * 72.0 / screenDpi;
        }
    }
    if (fontName_.empty()) {
        fontName_ = L"Tahoma";
    }
}

TabControl::~TabControl() {
    // The owner is going: no event reaches it while the window goes.
    model_.SetEvents(nullptr);
    Destroy();
}

LRESULT TabControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    switch (message) {
        case WM_PAINT:
            OnPaintMessage();
            return 0;
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case kRepaintMessage:
            repaintPosted_ = false;
            InvalidateRect(Hwnd(), nullptr, FALSE);
            return 0;
        case WM_DESTROY:
            // The tip belongs to the top-level window, which may live on.
            if (toolTip_) {
                DestroyWindow(toolTip_);
                toolTip_ = nullptr;
            }
            return 0;
        case WM_SIZE:
            Changed(true);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnMouseDown(kLeftButton, wParam, x, y);
            return 0;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            OnMouseDown(kRightButton, wParam, x, y);
            return 0;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            OnMouseDown(kMiddleButton, wParam, x, y);
            return 0;
        case WM_MOUSEMOVE:
            OnMouseMove(wParam, x, y);
            return 0;
        case WM_LBUTTONUP:
            OnLeftUp(x, y);
            return 0;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            SetHot(-1, StripButton::None);
            return 0;
        case WM_CAPTURECHANGED:
            if (drag_.active || drag_.pending || pressedButton_ != StripButton::None) {
                drag_ = {};
                pressedButton_ = StripButton::None;
                KillTimer(Hwnd(), kScrollTimer);
                InvalidateRect(Hwnd(), nullptr, FALSE);
            }
            return 0;
        case WM_TIMER:
            if (wParam == kScrollTimer) {
                OnTimer();
            }
            return 0;
        case WM_KEYDOWN:
            OnKeyDown(wParam);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
            InvalidateRect(Hwnd(), nullptr, FALSE);
            return 0;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header && header->hwndFrom == toolTip_ && header->code == TTN_GETDISPINFOW) {
                auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
                const int tab = static_cast<int>(info->hdr.idFrom) - 1;
                info->lpszText = model_.IsTab(tab)
                                     ? const_cast<wchar_t*>(model_.Tab(tab).toolTip.c_str())
                                     : const_cast<wchar_t*>(L"");
            }
            return 0;
        }
        case kDpiChanged:
        case kDpiChangedAfterParent:
            UpdateDpi();
            return 0;
        default:
            return Window::OnMessage(message, wParam, lParam);
    }
}

// ---- Tabs

void TabControl::SetCount(int count) {
    count = std::max(count, 0);
    textWidths_.resize(static_cast<size_t>(count), -1);
    model_.SetCount(count);
    Changed(true);
    UpdateAccessibleName();
}

template <typename T>
T TabControl::Field(int tab, T TabData::*field, T missing) const {
    return model_.IsTab(tab) ? model_.Tab(tab).*field : missing;
}

template <typename T>
bool TabControl::SetField(int tab, T TabData::*field, const T& value, bool geometry) {
    if (!model_.IsTab(tab)) {
        return false;
    }
    if (model_.Tab(tab).*field != value) {
        model_.EditTab(tab).*field = value;
        Changed(geometry);
    }
    return true;
}

std::wstring TabControl::Caption(int tab) const {
    return Field(tab, &TabData::caption, {});
}

bool TabControl::SetCaption(int tab, const std::wstring& caption) {
    if (model_.IsTab(tab) && model_.Tab(tab).caption != caption) {
        textWidths_[tab] = -1;
    }
    const bool done = SetField(tab, &TabData::caption, caption, true);
    UpdateAccessibleName();
    return done;
}

std::wstring TabControl::Tag(int tab) const {
    return Field(tab, &TabData::tag, {});
}

bool TabControl::SetTag(int tab, const std::wstring& tag) {
    return SetField(tab, &TabData::tag, tag, false);
}

std::wstring TabControl::ToolTip(int tab) const {
    return Field(tab, &TabData::toolTip, {});
}

bool TabControl::SetToolTip(int tab, const std::wstring& text) {
    return SetField(tab, &TabData::toolTip, text, false);
}

int TabControl::Image(int tab) const {
    return Field(tab, &TabData::image, -1);
}

bool TabControl::SetImage(int tab, int image) {
    return SetField(tab, &TabData::image, image, true);
}

bool TabControl::Visible(int tab) const {
    return Field(tab, &TabData::visible, false);
}

bool TabControl::SetVisible(int tab, bool visible) {
    return SetField(tab, &TabData::visible, visible, true);
}

bool TabControl::Enabled(int tab) const {
    return Field(tab, &TabData::enabled, false);
}

bool TabControl::SetEnabled(int tab, bool enabled) {
    return SetField(tab, &TabData::enabled, enabled, false);
}

bool TabControl::SetSelected(int tab, bool selected) {
    if (!model_.IsTab(tab)) {
        return false;
    }
    if (selected) {
        SelectTab(tab);
    }
    return true;
}

void TabControl::SelectTab(int tab) {
    if (!model_.IsTab(tab) || tab == model_.Selected()) {
        return;
    }
    ensureVisible_ = tab;
    Changed(true);
    model_.Select(tab);
    UpdateAccessibleName();
}

PixelRect TabControl::TabRect(int tab) const {
    const StripLayout& strip = CurrentLayout();
    return tab >= 0 && tab < static_cast<int>(strip.tabs.size()) ? strip.tabs[tab] : PixelRect{};
}

int TabControl::HitTest(int xPixels, int yPixels) const {
    return tabctl::HitTest(CurrentLayout(), xPixels, yPixels, model_.Selected());
}

int TabControl::HitTestTwips(double xTwips, double yTwips) const {
    const double perPixel = TwipsPerPixel(screenDpi_);
    return HitTest(static_cast<int>(std::floor(xTwips / perPixel + 1e-6)),
                   static_cast<int>(std::floor(yTwips / perPixel + 1e-6)));
}

// ---- Behaviour and look

void TabControl::SetReorder(bool reorder) {
    reorder_ = reorder;
    doubleClick_.Reset();
}

void TabControl::SetMnemonics(bool on) {
    if (mnemonics_ != on) {
        mnemonics_ = on;
        std::fill(textWidths_.begin(), textWidths_.end(), -1);
        Changed(true);
    }
}

void TabControl::SetSide(TabSide side) {
    side_ = side;
    Changed(true);
}

void TabControl::SetLayout(TabLayout layout) {
    layout_ = layout;
    Changed(true);
}

void TabControl::SetFixedWidth(int pixels) {
    fixedWidth_ = std::max(pixels, 0);
    Changed(true);
}

void TabControl::SetMaxWidth(int pixels) {
    maxWidth_ = std::max(pixels, 0);
    Changed(true);
}

bool TabControl::SetAppearance(int appearance) {
    if (!IsAppearance(appearance)) {
        return false;
    }
    appearance_ = appearance;
    if (colorStyle_ == ColorStyle::Appearance) {
        colors_ = StyleColors(colorStyle_, appearance_);
    }
    std::fill(textWidths_.begin(), textWidths_.end(), -1);
    Changed(true);
    return true;
}

bool TabControl::SetColorStyle(ColorStyle style) {
    if (!IsColorStyle(static_cast<int>(style))) {
        return false;
    }
    colorStyle_ = style;
    colors_ = StyleColors(colorStyle_, appearance_);
    Changed(false);
    return true;
}

void TabControl::SetColor(ColorRole role, OleColor color) {
    colors_.Set(role, color & 0x00FFFFFFu);
    Changed(false);
}

bool TabControl::PaintSwitchOn(PaintSwitch which) const {
    switch (which) {
        case PaintSwitch::HotTracking:
            return hotTracking_;
        case PaintSwitch::Gloss:
            return gloss_;
        case PaintSwitch::Spare:
            return spareSwitch_;
        case PaintSwitch::CloseButton:
            return closeButton_;
    }
    return false;
}

void TabControl::SetPaintSwitch(PaintSwitch which, bool on) {
    switch (which) {
        case PaintSwitch::HotTracking:
            hotTracking_ = on;
            if (!on) {
                hotTab_ = -1;
            }
            break;
        case PaintSwitch::Gloss:
            gloss_ = on;
            break;
        case PaintSwitch::Spare:
            spareSwitch_ = on;
            break;
        case PaintSwitch::CloseButton:
            closeButton_ = on;
            break;
    }
    Changed(which == PaintSwitch::CloseButton);
}

bool TabControl::ToolTipSwitchOn(ToolTipSwitch which) const {
    switch (which) {
        case ToolTipSwitch::Spare9:
            return toolTipSpare9_;
        case ToolTipSwitch::Spare10:
            return toolTipSpare10_;
    }
    return false;
}

void TabControl::SetToolTipSwitch(ToolTipSwitch which, bool on) {
    switch (which) {
        case ToolTipSwitch::Spare9:
            toolTipSpare9_ = on;
            return;
        case ToolTipSwitch::Spare10:
            toolTipSpare10_ = on;
            return;
    }
}

bool TabControl::SetFontName(const std::wstring& name) {
    if (name.empty() || name.size() >= LF_FACESIZE) {
        return false;
    }
    fontName_ = name;
    UpdateFont();
    return true;
}

bool TabControl::SetFontSize(double points) {
    if (!(points >= 1 && points <= 1638)) {
        return false;
    }
    fontSize_ = points;
    UpdateFont();
    return true;
}

double TabControl::PageAreaWidth() const {
    return PixelsToTwips(CurrentLayout().PageWidth(), screenDpi_);
}

double TabControl::PageAreaHeight() const {
    return PixelsToTwips(CurrentLayout().PageHeight(), screenDpi_);
}

PixelRect TabControl::PageAreaRect() const {
    return CurrentLayout().page;
}

bool TabControl::ScrollArrowsShown() const {
    return CurrentLayout().scrollArrows;
}

int TabControl::CloseButtonLength() const {
    return closeButton_ ? MetricsFor(appearance_, side_, dpi_, textHeight_).closeSize : 0;
}

int TabControl::ScrollArrowsLength() const {
    return 2 * MetricsFor(appearance_, side_, dpi_, textHeight_).arrowSize;
}

void TabControl::AttachImageList(std::shared_ptr<const TabImageList> images) {
    images_ = std::move(images);
    Changed(true);
}

// ---- Layout

void TabControl::Changed(bool geometry) {
    if (geometry) {
        layoutDirty_ = true;
        toolTipsDirty_ = true;
    }
    // Many changes come in a row (a refill sets every field of every tab): they share one
    // invalidation, made when the control's message comes round.
    if (Hwnd() && !repaintPosted_) {
        repaintPosted_ = PostMessageW(Hwnd(), kRepaintMessage, 0, 0) != FALSE;
        if (!repaintPosted_) {
            InvalidateRect(Hwnd(), nullptr, FALSE);
        }
    }
}

void TabControl::UpdateAccessibleName() {
    const std::wstring name = Caption(model_.Selected());
    if (Hwnd() && name != accessibleName_) {
        accessibleName_ = name;
        SetWindowTextW(Hwnd(), name.c_str());
    }
}

PixelRect TabControl::Client() const {
    RECT r{};
    if (Hwnd()) {
        GetClientRect(Hwnd(), &r);
    }
    return {r.left, r.top, r.right, r.bottom};
}

void TabControl::MeasureCaptions() const {
    if (!measureDc_) {
        measureDc_.Reset(CreateCompatibleDC(nullptr));
    }
    if (!measureDc_) {
        return;
    }
    ScopedSelect font(measureDc_.Get(), font_ ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
    const UINT format = DT_CALCRECT | DT_SINGLELINE | (mnemonics_ ? 0 : DT_NOPREFIX);
    for (int i = 0; i < model_.Count(); ++i) {
        if (textWidths_[i] >= 0) {
            continue;
        }
        const std::wstring& caption = model_.Tab(i).caption;
        RECT r{0, 0, 0, 0};
        if (!caption.empty()) {
            DrawTextW(measureDc_.Get(), caption.c_str(), static_cast<int>(caption.size()), &r,
                      format);
        }
        textWidths_[i] = r.right - r.left;
    }
}

const StripLayout& TabControl::CurrentLayout() const {
    if (!layoutDirty_) {
        return strip_;
    }
    MeasureCaptions();
    const PixelRect client = Client();
    StripInput in;
    in.side = side_;
    in.layout = layout_;
    in.clientWidth = client.Width();
    in.clientHeight = client.Height();
    in.fixedWidth = fixedWidth_ > 0 ? ScaleToDpi(fixedWidth_, dpi_) : 0;
    in.maxWidth = maxWidth_ > 0 ? ScaleToDpi(maxWidth_, dpi_) : 0;
    in.closeButton = closeButton_;
    in.firstTab = firstTab_;
    in.ensureVisible = ensureVisible_;
    in.metrics = MetricsFor(appearance_, side_, dpi_, textHeight_);
    const int count = model_.Count();
    in.contentWidths.resize(count);
    in.visible.resize(count);
    for (int i = 0; i < count; ++i) {
        const TabData& tab = model_.Tab(i);
        const bool hasImage = images_ && tab.image >= 0 && tab.image < images_->Count();
        in.contentWidths[i] =
            TabContentWidth(appearance_, side_, dpi_, std::max(textWidths_[i], 0), hasImage);
        in.visible[i] = tab.visible;
    }
    strip_ = ComputeStrip(in);
    firstTab_ = strip_.firstTab;
    if (strip_.length > 0) {
        ensureVisible_ = -1;
    }
    layoutDirty_ = false;
    return strip_;
}

void TabControl::UpdateFont() {
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(fontSize_ * dpi_ / 72.0));
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    fontName_.copy(lf.lfFaceName, LF_FACESIZE - 1);
    GdiFont font(CreateFontIndirectW(&lf));
    if (!font) {
        return;
    }
    font_ = std::move(font);
    if (!measureDc_) {
        measureDc_.Reset(CreateCompatibleDC(nullptr));
    }
    if (measureDc_) {
        ScopedSelect select(measureDc_.Get(), font_.Get());
        TEXTMETRICW tm{};
        if (GetTextMetricsW(measureDc_.Get(), &tm)) {
            textHeight_ = tm.tmHeight;
        }
    }
    std::fill(textWidths_.begin(), textWidths_.end(), -1);
    Changed(true);
}

void TabControl::UpdateDpi() {
    dpi_ = WindowDpi(Hwnd(), screenDpi_);
    UpdateFont();
}

// ---- Painting

void TabControl::Paint(HDC dc) {
    const StripLayout& strip = CurrentLayout();
    PaintState state;
    state.strip = &strip;
    state.tabs = &model_.Tabs();
    state.selected = model_.Selected();
    state.appearance = appearance_;
    const AppearanceLook& look = Look(appearance_);
    state.colors = look.ownColors ? look.palette : colors_;
    state.font = font_.Get();
    state.images = images_.get();
    state.dpi = dpi_;
    state.mnemonics = mnemonics_;
    state.enabled = !Hwnd() || IsWindowEnabled(Hwnd());
    state.focused = Hwnd() && GetFocus() == Hwnd();
    state.gloss = gloss_;
    state.hotTab = hotTracking_ ? hotTab_ : -1;
    state.hotButton = hotButton_;
    state.pressedButton = pressedButton_;
    if (drag_.active && drag_.to != drag_.from && model_.IsTab(drag_.to)) {
        const Span s = strip.spans[drag_.to];
        state.dropMark = drag_.to > drag_.from ? s.end : s.begin;
    }
    PaintTabStrip(dc, state);
}

void TabControl::OnPaintMessage() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Hwnd(), &ps);
    if (!dc) {
        return;
    }
    const PixelRect client = Client();
    const int width = std::max(client.Width(), 1);
    const int height = std::max(client.Height(), 1);
    if (!buffer_ || buffer_->Width() != width || buffer_->Height() != height) {
        buffer_ = std::make_unique<DibCanvas>(width, height);
    }
    if (buffer_->Valid()) {
        Paint(buffer_->Dc());
        BitBlt(dc, 0, 0, buffer_->Width(), buffer_->Height(), buffer_->Dc(), 0, 0, SRCCOPY);
    } else {
        Paint(dc);
    }
    EndPaint(Hwnd(), &ps);
}

// ---- Mouse and keyboard

void TabControl::RaiseMouseDown(int button, WPARAM keys, int x, int y) {
    if (TabControlEvents* events = model_.Events()) {
        events->MouseDown(button, ShiftState(keys),
                          static_cast<float>(PixelsToTwips(x, screenDpi_)),
                          static_cast<float>(PixelsToTwips(y, screenDpi_)));
    }
}

void TabControl::OnMouseDown(int button, WPARAM keys, int x, int y) {
    if (GetWindowLongPtrW(Hwnd(), GWL_STYLE) & WS_TABSTOP) {
        SetFocus(Hwnd());
    }
    const StripLayout& strip = CurrentLayout();
    const StripButton pressed = ButtonAt(strip, x, y);
    const int tab = tabctl::HitTest(strip, x, y, model_.Selected());
    bool report = true;
    if (button == kLeftButton && pressed != StripButton::None) {
        doubleClick_.Reset();
        PressButton(pressed);
    } else if (button == kLeftButton && tab >= 0) {
        if (model_.IsSelectable(tab)) {
            SelectTab(tab);
        }
        if (reorder_) {
            const ClickLimits limits{GetDoubleClickTime(), GetSystemMetrics(SM_CXDOUBLECLK) / 2,
                                     GetSystemMetrics(SM_CYDOUBLECLK) / 2};
            report = doubleClick_.IsSecondClick(tab, x, y, GetTickCount(), limits);
            if (!report && model_.IsTab(tab)) {
                drag_ = {true, false, tab, tab, {x, y}};
                SetCapture(Hwnd());
            }
        }
    } else {
        doubleClick_.Reset();
    }
    if (report) {
        RaiseMouseDown(button, keys, x, y);
    }
}

void TabControl::OnMouseMove(WPARAM keys, int x, int y) {
    if (toolTip_) {
        SyncToolTips();
        MSG msg{Hwnd(), WM_MOUSEMOVE, keys, MAKELPARAM(x, y), 0, {x, y}};
        SendMessageW(toolTip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
    }
    if (!trackingLeave_ && Hwnd()) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Hwnd(), 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    const StripLayout& strip = CurrentLayout();
    if (drag_.pending && (keys & MK_LBUTTON)) {
        if (std::abs(x - drag_.start.x) > GetSystemMetrics(SM_CXDRAG) ||
            std::abs(y - drag_.start.y) > GetSystemMetrics(SM_CYDRAG)) {
            drag_.pending = false;
            drag_.active = true;
            doubleClick_.Reset();
        }
    }
    if (drag_.active) {
        const int to = DropIndex(strip, drag_.from, x, y);
        if (to != drag_.to) {
            drag_.to = to;
            InvalidateRect(Hwnd(), nullptr, FALSE);
        }
        return;
    }
    SetHot(tabctl::HitTest(strip, x, y, model_.Selected()), ButtonAt(strip, x, y));
}

void TabControl::OnLeftUp(int x, int y) {
    const StripButton pressed = std::exchange(pressedButton_, StripButton::None);
    const DragState drag = std::exchange(drag_, DragState{});
    KillTimer(Hwnd(), kScrollTimer);
    if (GetCapture() == Hwnd()) {
        ReleaseCapture();
    }
    if (pressed != StripButton::None) {
        InvalidateRect(Hwnd(), nullptr, FALSE);
        if (pressed == StripButton::Close && ButtonAt(CurrentLayout(), x, y) == pressed) {
            CloseClicked();
        }
        return;
    }
    if (drag.active) {
        const int to = DropIndex(CurrentLayout(), drag.from, x, y);
        InvalidateRect(Hwnd(), nullptr, FALSE);
        if (to != drag.from && model_.Move(drag.from, to)) {
            MoveItem(textWidths_, drag.from, to);
            Changed(true);
            if (TabControlEvents* events = model_.Events()) {
                events->TabMoved(to, to);
            }
        }
    }
}

void TabControl::CloseClicked() {
    if (model_.Count() == 0) {
        return;
    }
    bool cancel = false;
    if (TabControlEvents* events = model_.Events()) {
        events->CloseButtonClick(cancel);
    }
    const int selected = model_.Selected();
    if (cancel || !model_.IsTab(selected)) {
        return;
    }
    textWidths_.erase(textWidths_.begin() + selected);
    Changed(true);
    model_.Remove(selected);
    UpdateAccessibleName();
}

void TabControl::PressButton(StripButton button) {
    pressedButton_ = button;
    SetCapture(Hwnd());
    InvalidateRect(Hwnd(), nullptr, FALSE);
    if (button == StripButton::ScrollBack || button == StripButton::ScrollForward) {
        Scroll(button == StripButton::ScrollBack ? -1 : 1);
        SetTimer(Hwnd(), kScrollTimer, kScrollDelayMs, nullptr);
    }
}

void TabControl::OnTimer() {
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(Hwnd(), &cursor);
    if (pressedButton_ != StripButton::ScrollBack && pressedButton_ != StripButton::ScrollForward) {
        KillTimer(Hwnd(), kScrollTimer);
        return;
    }
    if (ButtonAt(CurrentLayout(), cursor.x, cursor.y) == pressedButton_) {
        Scroll(pressedButton_ == StripButton::ScrollBack ? -1 : 1);
    }
    SetTimer(Hwnd(), kScrollTimer, kScrollRepeatMs, nullptr);
}

void TabControl::Scroll(int step) {
    const StripLayout& strip = CurrentLayout();
    if ((step < 0 && !strip.canScrollBack) || (step > 0 && !strip.canScrollForward)) {
        return;
    }
    int first = strip.firstTab + step;
    while (model_.IsTab(first) && !model_.Tab(first).visible) {
        first += step;
    }
    if (model_.IsTab(first)) {
        firstTab_ = first;
        ensureVisible_ = -1;
        Changed(true);
    }
}

void TabControl::SetHot(int tab, StripButton button) {
    if (!hotTracking_) {
        tab = -1;
    }
    if (tab != hotTab_ || button != hotButton_) {
        hotTab_ = tab;
        hotButton_ = button;
        InvalidateRect(Hwnd(), nullptr, FALSE);
    }
}

void TabControl::OnKeyDown(WPARAM key) {
    int target = -1;
    switch (key) {
        case VK_LEFT:
        case VK_UP:
            target = model_.NextSelectable(-1);
            break;
        case VK_RIGHT:
        case VK_DOWN:
            target = model_.NextSelectable(1);
            break;
        case VK_HOME:
            for (int i = 0; i < model_.Count() && target < 0; ++i) {
                target = model_.IsSelectable(i) ? i : -1;
            }
            break;
        case VK_END:
            for (int i = model_.Count() - 1; i >= 0 && target < 0; --i) {
                target = model_.IsSelectable(i) ? i : -1;
            }
            break;
        case VK_ESCAPE:
            if (drag_.active && GetCapture() == Hwnd()) {
                ReleaseCapture();
            }
            return;
        default:
            return;
    }
    if (target >= 0) {
        SelectTab(target);
    }
}

// ---- Tool tips

void TabControl::SyncToolTips() {
    if (!toolTipsDirty_ || !toolTip_) {
        return;
    }
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = Hwnd();
    for (int id = 1; id <= toolCount_; ++id) {
        tool.uId = static_cast<UINT_PTR>(id);
        SendMessageW(toolTip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    const StripLayout& strip = CurrentLayout();
    const PixelRect area = strip.ToDevice({0, strip.tabsEnd}, 0, strip.thickness);
    toolCount_ = 0;
    for (int i = strip.firstTab; i < static_cast<int>(strip.tabs.size()); ++i) {
        const PixelRect& r = strip.tabs[i];
        const RECT shown{std::max(r.left, area.left), std::max(r.top, area.top),
                         std::min(r.right, area.right), std::min(r.bottom, area.bottom)};
        if (shown.right <= shown.left || shown.bottom <= shown.top) {
            continue;
        }
        tool.uFlags = 0;
        tool.uId = static_cast<UINT_PTR>(i + 1);
        tool.rect = shown;
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        toolCount_ = i + 1;
    }
    toolTipsDirty_ = false;
}

}  // namespace morvane::tabctl
