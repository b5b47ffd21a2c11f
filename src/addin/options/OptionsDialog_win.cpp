#include "addin/options/OptionsDialog_win.h"

#include <array>
#include <map>
#include <memory>

#include "addin/dialogs/Dialogs_win.h"
#include "addin/dialogs/ModalDialog_win.h"
#include "addin/options/frmOption.h"
#include "options/CaptureEdit_win.h"
#include "options/ColorButton_win.h"
#include "options/ColorPreview_win.h"
#include "options/FocusRefused_win.h"
#include "options/OptionsPictures_win.h"
#include "options/ScreenFonts_win.h"
#include "options/SystemKeyNamer_win.h"
#include "shared/Browser_win.h"
#include "shared/WebPages.h"
#include "shared/GdiObject_win.h"
#include "shared/Trace.h"
#include "shared/WindowText_win.h"
#include "tabctl/TabControl_win.h"

namespace morvane {

namespace {

using namespace frmOption;
using tabctl::TabControl;

// The colour of the home-page link.
constexpr COLORREF kLinkColor = RGB(0, 102, 204);

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
            PickButtonColor(dialog_, model_, static_cast<std::size_t>(id - PushButton_Color0));
            Show();
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

    RECT PlaceRect(int id) {
        const auto place = Place(id);
        return {place.left, place.top, place.right, place.bottom};
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
            barKeyEdit_.emplace(Item(FlatEdit3), model_, HotKeyEdit::Bar);
            tabKeyEdit_.emplace(Item(FlatEdit4), model_, HotKeyEdit::Tab);
        } else if (page == OptionsPage::AppearanceColor) {
            appearancePreview_ = MakePreviewTabs(dialog_, PlaceRect(TabControl2), TabControl2);
            colorPreview_ = MakePreviewTabs(dialog_, PlaceRect(TabControl3), TabControl3);
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
        // The "Pixels" labels beside the two edits stay as they are.
        ShowEdit(FlatEdit1, c.maxWidth, {Label9});
        ShowEdit(FlatEdit2, c.fixWidth, {Label15});
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
        if (WindowText(list) != state.text) {
            SetWindowTextW(list, state.text.c_str());
        }
        EnableWindow(list, state.enabled);
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
        const auto list = kModelControls.ListOf(id);
        if (code == CBN_SELCHANGE && list) {
            const auto index = SendMessageW(Item(id), CB_GETCURSEL, 0, 0);
            model_.SelectItem(*list, static_cast<std::int32_t>(index));
        } else if (code == CBN_DROPDOWN && id == ComboBox_Font) {
            model_.DropDownFontNames();
            syncing_ = true;
            FillList(ComboBox_Font, model_.Controls().fontNames.items);
            syncing_ = false;
        } else if (code == CBN_EDITCHANGE && list) {
            model_.SetListText(*list, WindowText(Item(id)));
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

    void DrawLink(const DRAWITEMSTRUCT& item) const {
        const GdiBrush face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
        FillRect(item.hDC, &item.rcItem, face.Get());
        RECT text = item.rcItem;
        InflateRect(&text, -4, -3);
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, kLinkColor);
        const ScopedSelect select(item.hDC, linkFont_.Get());
        const std::wstring caption = WindowText(item.hwndItem);
        DrawTextW(item.hDC, caption.c_str(), -1, &text,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        if (item.itemState & ODS_FOCUS) {
            DrawFocusRect(item.hDC, &text);
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
        // The page that holds the refused input, whose control gets the focus.
        pages_->SetSelectedIndex(static_cast<int>(rejected->page));
        ShowPage(rejected->page);
        FocusRefused(dialog_, Item(kModelControls.ControlOf(rejected->field)));
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
    std::optional<CaptureEdit> barKeyEdit_;
    std::optional<CaptureEdit> tabKeyEdit_;
    // Set while the controls are being brought to the model's values.
    bool syncing_ = false;
};

}  // namespace

void ShowOptionsDialog(HWND owner, OptionsDialogParts parts, OptionsPage page) {
    OptionsDialog dialog(std::move(parts), page);
    dialogs::ShowModal(dialog, owner);
}

}  // namespace morvane
