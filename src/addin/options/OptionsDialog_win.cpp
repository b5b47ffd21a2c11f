#include "addin/options/OptionsDialog_win.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

#include "addin/dialogs/Dialogs_win.h"
#include "addin/dialogs/ModalDialog_win.h"
#include "addin/options/OptionsPictures_win.h"
#include "addin/options/frmOption.h"
#include "options/CaptionPlate.h"
#include "options/ScreenFonts_win.h"
#include "options/SystemKeyNamer_win.h"
#include "shared/Browser_win.h"
#include "shared/WebPages.h"
#include "shared/GdiObject_win.h"
#include "shared/Trace.h"
#include "tabctl/TabControl_win.h"

namespace morvane {

namespace {

using namespace frmOption;
using tabctl::TabControl;

// The window property that leads a capture edit's procedure to its dialog.
constexpr const wchar_t* kDialogProp = L"MorvaneOptionsDialog";
// The colour of the home-page link.
constexpr COLORREF kLinkColor = RGB(0, 102, 204);

bool KeyHeld(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

// The key event's Shift argument: 1 Shift, 2 Ctrl, 4 Alt.
std::int32_t ShiftState() {
    return (KeyHeld(VK_SHIFT) ? 1 : 0) | (KeyHeld(VK_CONTROL) ? 2 : 0) | (KeyHeld(VK_MENU) ? 4 : 0);
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring ComboText(HWND combo) {
    return WindowText(combo);
}

class OptionsDialog final : public dialogs::WindowForm,
                            public DialogShell,
                            private tabctl::TabControlEvents {
  public:
    OptionsDialog(OptionsDialogParts parts, OptionsPage page)
        : parts_(std::move(parts)),
          model_(DialogContext{DialogKind::Options, parts_.hostVersion}, parts_.settings,
                 parts_.officeTheme, parts_.registry, parts_.texts, keys_, fonts_,
                 parts_.hostShowsAll) {
        if (!parts_.texts) {
            parts_.texts = [](const std::wstring&, const std::wstring& def) { return def; };
        }
        model_.SelectPage(page);
    }

    // The form.
    dialogs::FormDesign Form_Load() override {
        auto form = Layout(parts_.texts, Caption());
        // Only the page shown at opening is made now; each other page at its first showing.
        const auto& c = model_.Controls();
        for (auto& control : form.controls) {
            const auto page = PageOf(control.id);
            control.deferred = page && *page != c.page;
        }
        // The edits are made with their text rather than given it afterwards.
        const std::array<std::pair<int, const EditState*>, 4> edits{{
            {FlatEdit1, &c.maxWidth},
            {FlatEdit2, &c.fixWidth},
            {FlatEdit3, &c.barHotKeyEdit},
            {FlatEdit4, &c.tabHotKeyEdit},
        }};
        for (const auto& [id, edit] : edits) {
            form.Find(id)->text = edit->text;
        }
        spec_ = form;
        return form;
    }

    void Click(int id, dialogs::FormView& view) override {
        view_ = &view;
        if (const auto box = BoxOf(id)) {
            model_.SetChecked(*box, view.Checked(id));
            Show();
        } else if (id >= PushButton_Color0 && id < PushButton_Color0 + 6) {
            PickColor(static_cast<std::size_t>(id - PushButton_Color0));
        } else if (id == Labelblog) {
            OpenHomePage();
        } else if (id == cmdOK) {
            Ok();
        } else if (id == PushButton_Cancel) {
            // Nothing is written or applied; what was typed stays in this dialog.
            view.Unload();
        }
    }

    void Form_QueryUnload() override {}

    // The window.
    void Loaded(HWND dialog) override {
        dialog_ = dialog;
        // The controls' font and the screen's resolution, as the dialog made its controls.
        const auto font = reinterpret_cast<HFONT>(SendMessageW(Item(cmdOK), WM_GETFONT, 0, 0));
        font_ = font;
        const HDC screen = GetDC(nullptr);
        dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
        dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        const auto& c = model_.Controls();
        pages_ = MakeTabs(Place(TabControl1), TabControl1, WS_TABSTOP,
                          {c.pageCaptions.begin(), c.pageCaptions.end()});
        // The page strip comes first in the tab order.
        SetWindowPos(pages_->Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        MakeLinkFont(font);
        Prepare(c.page);
        Show();
        pages_->SetEvents(this);
        pages_->SetSelectedIndex(static_cast<int>(c.page));
        ShowPage(c.page);
    }

    bool Message(HWND, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override {
        const auto handled = Handle(message, wParam, lParam);
        if (handled) {
            result = *handled;
        }
        return handled.has_value();
    }

    std::optional<INT_PTR> Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_COMMAND:
                return Command(LOWORD(wParam), HIWORD(wParam));
            case WM_DRAWITEM:
                return Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            case WM_ACTIVATE:
                // The caption's language is settled each time the dialog becomes active.
                if (LOWORD(wParam) != WA_INACTIVE) {
                    SetWindowTextW(dialog_, Caption().c_str());
                }
                return std::nullopt;
            case WM_DESTROY:
                RestoreEdits();
                return std::nullopt;
            default:
                return std::nullopt;
        }
    }

    // The shell around the model.
    void ShowMessage(const std::wstring& text) override {
        // Over this dialog, so that the message cannot fall behind it.
        dialogs::ShowMessage(dialog_, parts_.texts, text);
    }
    void Close() override {
        if (view_) {
            view_->Unload();
        }
    }

  private:
    std::wstring Caption() const {
        return parts_.captionTexts ? parts_.captionTexts(kCaptionKey, kCaptionDefault)
                                   : std::wstring(kCaptionDefault);
    }

    dialogs::PixelRect Place(int id) {
        return dialogs::ToPixels(spec_.Find(id)->place, dpiX_, dpiY_);
    }

    // Makes the page's deferred controls, right after the page strip in the tab order (only
    // one page shows at a time), and gives its lists, previews and capture edits their work.
    void Build(OptionsPage page) {
        HWND after = pages_->Hwnd();
        for (const bool frames : {false, true}) {
            for (const auto& control : spec_.controls) {
                if (!control.deferred || PageOf(control.id) != page ||
                    (control.kind == dialogs::ControlKind::Frame) != frames) {
                    continue;
                }
                const HWND made = dialogs::MakeDialogControl(dialog_, control, font_, dpiX_, dpiY_);
                if (made && !frames) {
                    SetWindowPos(made, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                    after = made;
                } else if (made) {
                    SetWindowPos(made, HWND_BOTTOM, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
                }
            }
        }
        Prepare(page);
    }

    void Prepare(OptionsPage page) {
        built_[static_cast<std::size_t>(page)] = true;
        const auto& c = model_.Controls();
        if (page == OptionsPage::PopularPosition) {
            FillList(ComboBox1, c.position.items);
            for (const int id : {FlatEdit3, FlatEdit4}) {
                const HWND edit = Item(id);
                SetPropW(edit, kDialogProp, this);
                editProcs_[EditIndex(id)] = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                    edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CaptureProc)));
            }
        } else if (page == OptionsPage::AppearanceColor) {
            appearancePreview_ = MakeTabs(Place(TabControl2), TabControl2, 0, {L"", L""});
            colorPreview_ = MakeTabs(Place(TabControl3), TabControl3, 0, {L"", L""});
            // The two tabs of a preview share its width, whatever the appearance.
            appearancePreview_->SetLayout(tabctl::TabLayout::SizeToFit);
            colorPreview_->SetLayout(tabctl::TabLayout::SizeToFit);
            FillList(ComboBox2, c.appearance.items);
            FillList(ComboBox3, c.layout.items);
            FillList(ComboBox_FontSize, c.fontSizes.items);
            FillList(ComboBox_Font, c.fontNames.items);
        }
    }

    std::unique_ptr<TabControl> MakeTabs(const dialogs::PixelRect& place, int id, DWORD style,
                                         const std::vector<std::wstring>& captions) const {
        auto tabs = TabControl::Create(dialog_, place.left, place.top, place.Width(),
                                       place.Height(), WS_CHILD | WS_VISIBLE | style, id);
        tabs->SetCount(static_cast<int>(captions.size()));
        for (std::size_t i = 0; i < captions.size(); ++i) {
            tabs->SetCaption(static_cast<int>(i), captions[i]);
        }
        return tabs;
    }

    void MakeLinkFont(HFONT font) {
        LOGFONTW face{};
        if (font && GetObjectW(font, sizeof(face), &face) != 0) {
            face.lfUnderline = TRUE;
            linkFont_.Reset(CreateFontIndirectW(&face));
        }
    }

    // The system finds a control by walking every window of the dialog, so each is found once;
    // a control of a page not made yet is not looked for.
    HWND Item(int id) const {
        const auto page = PageOf(id);
        if (page && !built_[static_cast<std::size_t>(*page)]) {
            return nullptr;
        }
        HWND& found = items_[id];
        if (!found) {
            found = GetDlgItem(dialog_, id);
        }
        return found;
    }

    // A control of a page not made yet has nothing to repaint.
    void Repaint(int id) const {
        if (const HWND control = Item(id)) {
            InvalidateRect(control, nullptr, TRUE);
        }
    }

    void FillList(int id, const std::vector<std::wstring>& items) const {
        const HWND list = Item(id);
        SendMessageW(list, CB_RESETCONTENT, 0, 0);
        for (const auto& item : items) {
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
    }

    // Every control as the model has it.
    void Show() {
        syncing_ = true;
        const auto& c = model_.Controls();
        const std::array<std::pair<int, const CheckBoxState*>, 13> boxes{{
            {Check1, &c.showAll},
            {CheckBox_ExitInfor, &c.exitInfor},
            {CheckBox1, &c.oneHide},
            {CheckBox4, &c.doubleClick},
            {CheckBox_Mid, &c.middleClick},
            {CheckBox_Blank, &c.blankClick},
            {CheckBox_Reorder, &c.reorder},
            {CheckBox_Alt, &c.altKeys},
            {CheckBox5, &c.barHotKey},
            {CheckBox2, &c.tabHotKey},
            {CheckBox_Font, &c.fontName},
            {CheckBox_FontSize, &c.fontSize},
            {CheckBox3, &c.customColors},
        }};
        for (const auto& [id, box] : boxes) {
            SendMessageW(Item(id), BM_SETCHECK, box->checked ? BST_CHECKED : BST_UNCHECKED, 0);
            EnableWindow(Item(id), box->enabled);
        }
        ShowEdit(FlatEdit3, c.barHotKeyEdit, {});
        ShowEdit(FlatEdit4, c.tabHotKeyEdit, {});
        ShowEdit(FlatEdit1, c.maxWidth, {Label9, Label16_0});
        ShowEdit(FlatEdit2, c.fixWidth, {Label15, Label16_1});
        ShowList(ComboBox1, c.position);
        ShowList(ComboBox2, c.appearance);
        ShowList(ComboBox3, c.layout);
        ShowTypedList(ComboBox_Font, c.fontNames);
        ShowTypedList(ComboBox_FontSize, c.fontSizes);
        for (const int id : {Label4, Label7}) {
            EnableWindow(Item(id), c.colorButtonsEnabled);
        }
        for (int i = 0; i < 6; ++i) {
            EnableWindow(Item(PushButton_Color0 + i), c.colorButtonsEnabled);
            Repaint(PushButton_Color0 + i);
        }
        if (appearancePreview_ && colorPreview_) {
            ShowPreview(*appearancePreview_, c.appearancePreview);
            ShowPreview(*colorPreview_, c.colorPreview);
        }
        Repaint(Picture3);
        syncing_ = false;
    }

    void ShowEdit(int id, const EditState& state, std::initializer_list<int> labels) const {
        const HWND edit = Item(id);
        if (WindowText(edit) != state.text) {
            SetWindowTextW(edit, state.text.c_str());
        }
        EnableWindow(edit, state.enabled);
        for (const int label : labels) {
            EnableWindow(Item(label), state.enabled);
        }
    }

    void ShowList(int id, const ListState& state) const {
        const HWND list = Item(id);
        if (SendMessageW(list, CB_GETCURSEL, 0, 0) != state.index) {
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(state.index), 0);
        }
        EnableWindow(list, state.enabled);
    }

    // A list that can be typed into shows the model's text.
    void ShowTypedList(int id, const ListState& state) const {
        const HWND list = Item(id);
        if (ComboText(list) != state.text) {
            SetWindowTextW(list, state.text.c_str());
        }
        EnableWindow(list, state.enabled);
    }

    static void ShowPreview(TabControl& tabs, const ColorPreview& preview) {
        for (int i = 0; i < 2; ++i) {
            tabs.SetCaption(i, preview.captions[static_cast<std::size_t>(i)]);
            tabs.SetEnabled(i, preview.tabsEnabled);
        }
        tabs.SetAppearance(preview.appearance);
        tabs.SetColorStyle(preview.colorStyle);
        tabs.SetPaintSwitch(tabctl::PaintSwitch::Gloss, preview.paintSwitch8);
        for (const auto role : tabctl::kColorRoles) {
            tabs.SetColor(role, preview.colors.Get(role));
        }
        EnableWindow(tabs.Hwnd(), preview.enabled);
    }

    // The page strip's selection.
    void SelectionChanged(int tab) override {
        try {
            ShowPage(static_cast<OptionsPage>(tab));
        } catch (...) {
            // The strip's event reaches us from its window procedure.
            TraceException(L"the options dialog's page change");
        }
    }

    void ShowPage(OptionsPage page) {
        model_.SelectPage(page);
        if (!built_[static_cast<std::size_t>(page)]) {
            Build(page);
            Show();
        }
        for (const auto& control : spec_.controls) {
            const auto on = PageOf(control.id);
            const HWND window = on ? Item(control.id) : nullptr;
            const bool shown = on == page;
            if (window && ((GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0) != shown) {
                ShowWindow(window, shown ? SW_SHOWNA : SW_HIDE);
            }
        }
        const HWND focus = GetFocus();
        if (!focus || !IsWindowVisible(focus)) {
            SetFocus(pages_->Hwnd());
        }
    }

    std::optional<INT_PTR> Command(int id, int code) {
        if (syncing_) {
            return std::nullopt;
        }
        const auto list = ListOf(id);
        if (code == CBN_SELCHANGE && list) {
            const auto index = SendMessageW(Item(id), CB_GETCURSEL, 0, 0);
            model_.SelectItem(*list, static_cast<std::int32_t>(index));
        } else if (code == CBN_DROPDOWN && id == ComboBox_Font) {
            model_.DropDownFontNames();
            syncing_ = true;
            FillList(ComboBox_Font, model_.Controls().fontNames.items);
            syncing_ = false;
        } else if (code == CBN_EDITCHANGE && list) {
            model_.SetListText(*list, ComboText(Item(id)));
            return TRUE;
        } else if (code == EN_CHANGE && (id == FlatEdit1 || id == FlatEdit2)) {
            model_.SetWidthText(id == FlatEdit1 ? WidthEdit::Max : WidthEdit::Fix,
                                WindowText(Item(id)));
            return TRUE;
        } else {
            return std::nullopt;
        }
        Show();
        return TRUE;
    }

    static std::optional<OptionsList> ListOf(int id) {
        switch (id) {
            case ComboBox1:
                return OptionsList::Position;
            case ComboBox2:
                return OptionsList::Appearance;
            case ComboBox3:
                return OptionsList::Layout;
            case ComboBox_Font:
                return OptionsList::FontNames;
            case ComboBox_FontSize:
                return OptionsList::FontSizes;
            default:
                return std::nullopt;
        }
    }

    std::optional<INT_PTR> Draw(const DRAWITEMSTRUCT& item) {
        const int id = static_cast<int>(item.CtlID);
        if (id == Picture3) {
            if (const auto picture = model_.Controls().positionPicture) {
                DrawPositionPicture(item.hDC, item.rcItem, *picture);
            }
        } else if (id == Image2) {
            DrawProductIcon(item.hDC, item.rcItem);
        } else if (id >= PushButton_Color0 && id < PushButton_Color0 + 6) {
            const auto& button =
                model_.Controls().colorButtons[static_cast<std::size_t>(id - PushButton_Color0)];
            DrawColorButton(item, button.color);
        } else if (id == Labelblog) {
            DrawLink(item);
        } else {
            return std::nullopt;
        }
        return TRUE;
    }

    // A push button whose caption is drawn in `color`.
    void DrawColorButton(const DRAWITEMSTRUCT& item, tabctl::OleColor color) const {
        RECT box = item.rcItem;
        const bool pushed = (item.itemState & ODS_SELECTED) != 0;
        DrawFrameControl(item.hDC, &box, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
        const bool enabled = (item.itemState & ODS_DISABLED) == 0;
        // A swatch along the bottom keeps a light colour visible on the button's face.
        if (enabled) {
            const RECT swatch{box.left + 4, box.bottom - 8, box.right - 4, box.bottom - 3};
            const GdiBrush brush(CreateSolidBrush(color));
            FillRect(item.hDC, &swatch, brush.Get());
            const GdiBrush edge(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
            FrameRect(item.hDC, &swatch, edge.Get());
        }
        // A colour that melts into the face gets a plate behind the caption.
        DrawCaption(item, color, nullptr, DT_CENTER,
                    enabled ? CaptionPlate(color, GetSysColor(COLOR_BTNFACE)) : std::nullopt);
    }

    void DrawLink(const DRAWITEMSTRUCT& item) const {
        const GdiBrush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
        FillRect(item.hDC, &item.rcItem, face.Get());
        DrawCaption(item, kLinkColor, linkFont_.Get(), DT_LEFT);
    }

    void DrawCaption(const DRAWITEMSTRUCT& item, COLORREF color, HFONT font, UINT align,
                     std::optional<COLORREF> plate = std::nullopt) const {
        const std::wstring caption = WindowText(item.hwndItem);
        RECT text = item.rcItem;
        InflateRect(&text, -4, -3);
        SetBkMode(item.hDC, TRANSPARENT);
        const bool disabled = (item.itemState & ODS_DISABLED) != 0;
        SetTextColor(item.hDC, disabled ? GetSysColor(COLOR_GRAYTEXT) : color);
        const ScopedSelect select(item.hDC, font ? static_cast<HGDIOBJ>(font)
                                                 : reinterpret_cast<HGDIOBJ>(SendMessageW(
                                                       item.hwndItem, WM_GETFONT, 0, 0)));
        if (plate) {
            DrawPlate(item.hDC, caption, text, *plate);
        }
        DrawTextW(item.hDC, caption.c_str(), -1, &text,
                  align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (item.itemState & ODS_FOCUS) {
            DrawFocusRect(item.hDC, &text);
        }
    }

    // A plate just larger than the caption, centred in `text` as the caption is.
    static void DrawPlate(HDC dc, const std::wstring& caption, const RECT& text, COLORREF color) {
        RECT extent = text;
        DrawTextW(dc, caption.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        const int width = std::min(extent.right - extent.left + 8, text.right - text.left);
        const int height = std::min(extent.bottom - extent.top + 2, text.bottom - text.top);
        const int left = text.left + (text.right - text.left - width) / 2;
        const int top = text.top + (text.bottom - text.top - height) / 2;
        const RECT plate{left, top, left + width, top + height};
        const GdiBrush brush(CreateSolidBrush(color));
        FillRect(dc, &plate, brush.Get());
    }

    // The system's colour chooser over this dialog, with the colour of the button preselected.
    void PickColor(std::size_t button) {
        auto& saved = model_.ChooserColors();
        std::array<COLORREF, 16> custom{};
        std::copy(saved.begin(), saved.end(), custom.begin());
        CHOOSECOLORW chooser{};
        chooser.lStructSize = sizeof(chooser);
        chooser.hwndOwner = dialog_;
        chooser.rgbResult = model_.Controls().colorButtons[button].color;
        chooser.lpCustColors = custom.data();
        chooser.Flags = CC_RGBINIT | CC_FULLOPEN;
        const bool chosen = ChooseColorW(&chooser) != FALSE;
        // The custom colours the user left are offered again at the next click.
        std::copy(custom.begin(), custom.end(), saved.begin());
        if (chosen) {
            model_.ChooseColor(button, static_cast<tabctl::OleColor>(chooser.rgbResult));
            Show();
        }
    }

    void OpenHomePage() const {
        const std::wstring address(HomePage);
        parts_.openWebPage ? parts_.openWebPage(address) : OpenInBrowser(address);
    }

    void Ok() {
        const auto rejected = model_.Save(parts_.live, *this);
        if (!rejected) {
            return;
        }
        MessageBeep(MB_OK);
        ShowMessage(parts_.texts(std::wstring(rejected->messageKey),
                                 std::wstring(rejected->messageDefault)));
        pages_->SetSelectedIndex(static_cast<int>(rejected->page));
        const int id = rejected->field == OptionsField::BarHotKeyEdit  ? FlatEdit3
                       : rejected->field == OptionsField::MaxWidthEdit ? FlatEdit1
                                                                       : FlatEdit2;
        SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
        SendMessageW(Item(id), EM_SETSEL, 0, -1);
    }

    // The hot-key edits: every key press is captured, no character is typed.
    static std::size_t EditIndex(int id) { return id == FlatEdit3 ? 0 : 1; }

    static LRESULT CALLBACK CaptureProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<OptionsDialog*>(GetPropW(edit, kDialogProp));
        if (!self) {
            return DefWindowProcW(edit, message, wParam, lParam);
        }
        const WNDPROC previous = self->editProcs_[EditIndex(GetDlgCtrlID(edit))];
        try {
            if (const auto handled = self->Capture(edit, message, wParam)) {
                return *handled;
            }
        } catch (...) {
            TraceException(L"the options dialog's hot-key capture");
            return 0;
        }
        const LRESULT result = CallWindowProcW(previous, edit, message, wParam, lParam);
        if (message == WM_GETDLGCODE &&
            (KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU) || KeyHeld(VK_LWIN))) {
            // With a modifier held, Tab, Enter, Esc and access keys are keys to capture.
            return result | DLGC_WANTALLKEYS;
        }
        return result;
    }

    std::optional<LRESULT> Capture(HWND edit, UINT message, WPARAM key) {
        const HotKeyEdit which =
            GetDlgCtrlID(edit) == FlatEdit3 ? HotKeyEdit::Bar : HotKeyEdit::Tab;
        switch (message) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN: {
                model_.KeyDown(which, static_cast<std::int32_t>(key), ShiftState());
                const auto& c = model_.Controls();
                const std::wstring& text =
                    which == HotKeyEdit::Bar ? c.barHotKeyEdit.text : c.tabHotKeyEdit.text;
                SetWindowTextW(edit, text.c_str());
                const auto end = static_cast<WPARAM>(text.size());
                SendMessageW(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
                return 0;
            }
            case WM_KEYUP:
            case WM_SYSKEYUP:
                model_.KeyUp(which, static_cast<std::int32_t>(key));
                return 0;
            case WM_CHAR:
            case WM_SYSCHAR:
                return 0;
            default:
                return std::nullopt;
        }
    }

    void RestoreEdits() {
        for (const int id : {FlatEdit3, FlatEdit4}) {
            const HWND edit = Item(id);
            if (edit && editProcs_[EditIndex(id)]) {
                SetWindowLongPtrW(edit, GWLP_WNDPROC,
                                  reinterpret_cast<LONG_PTR>(editProcs_[EditIndex(id)]));
            }
            RemovePropW(edit, kDialogProp);
        }
    }

    OptionsDialogParts parts_;
    SystemKeyNamer keys_;
    ScreenFonts fonts_;
    OptionsModel model_;
    HWND dialog_ = nullptr;
    dialogs::FormDesign spec_;
    dialogs::FormView* view_ = nullptr;
    std::unique_ptr<TabControl> pages_;
    std::unique_ptr<TabControl> appearancePreview_;
    std::unique_ptr<TabControl> colorPreview_;
    GdiFont linkFont_;
    HFONT font_ = nullptr;
    int dpiX_ = 96;
    int dpiY_ = 96;
    std::array<bool, 3> built_{};
    mutable std::map<int, HWND> items_;
    std::array<WNDPROC, 2> editProcs_{};
    // Set while the controls are being brought to the model's values.
    bool syncing_ = false;
};

}  // namespace

void ShowOptionsDialog(HWND owner, OptionsDialogParts parts, OptionsPage page) {
    OptionsDialog dialog(std::move(parts), page);
    dialogs::ShowModal(dialog, owner);
}

}  // namespace morvane
