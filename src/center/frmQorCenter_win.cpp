#include "center/frmQorCenter_win.h"

#include <optional>

#include "addin/dialogs/Dialogs_win.h"
#include "options/ColorButton_win.h"
#include "options/ColorPreview_win.h"
#include "options/FocusRefused_win.h"
#include "options/OptionsPictures_win.h"
#include "shared/Browser_win.h"
#include "shared/WebPages.h"
#include "shared/WindowText_win.h"

namespace morvane::center {

namespace {

constexpr INT_PTR kClosed = 1;

// The check boxes that the model keeps: the control, its event and its state.
struct BoxBinding {
    int id;
    OptionsBox box;
    CheckBoxState OptionsControls::*state;
};
constexpr BoxBinding kBoxes[] = {
    {CheckBox_ExitInfor, OptionsBox::ExitInfor, &OptionsControls::exitInfor},
    {CheckBox_onehide, OptionsBox::OneHide, &OptionsControls::oneHide},
    {Check_allwin, OptionsBox::ShowAll, &OptionsControls::showAll},
    {CheckBox_Mid, OptionsBox::MiddleClick, &OptionsControls::middleClick},
    {CheckBox1, OptionsBox::DoubleClick, &OptionsControls::doubleClick},
    {CheckBox_Blank, OptionsBox::BlankClick, &OptionsControls::blankClick},
    {CheckBox_Reorder, OptionsBox::Reorder, &OptionsControls::reorder},
    {CheckBox_Alt, OptionsBox::AltKeys, &OptionsControls::altKeys},
    {CheckBox3, OptionsBox::BarHotKey, &OptionsControls::barHotKey},
    {CheckBox4, OptionsBox::TabHotKey, &OptionsControls::tabHotKey},
    {CheckBox_Font, OptionsBox::FontName, &OptionsControls::fontName},
    {CheckBox_FontSize, OptionsBox::FontSize, &OptionsControls::fontSize},
    {CheckBox_color, OptionsBox::CustomColors, &OptionsControls::customColors},
};

const BoxBinding* BoxOf(int id) {
    for (const auto& binding : kBoxes) {
        if (binding.id == id) {
            return &binding;
        }
    }
    return nullptr;
}

// The add-in box is the window's own; the others are the model's.
const CheckBoxState* BoxState(const OptionsControls& c, int id) {
    if (id == CheckBox_Enbeld) {
        return &c.addin;
    }
    const auto* binding = BoxOf(id);
    return binding ? &(c.*(binding->state)) : nullptr;
}

const ListState& ListState_(const OptionsControls& c, OptionsList list) {
    switch (list) {
        case OptionsList::Position:
            return c.position;
        case OptionsList::Appearance:
            return c.appearance;
        case OptionsList::Layout:
            return c.layout;
        case OptionsList::FontNames:
            return c.fontNames;
        case OptionsList::FontSizes:
            break;
    }
    return c.fontSizes;
}

// The six colour buttons lie in the model's button order.
bool IsColorButton(int id) {
    return id >= PushButton8 && id <= PushButton6;
}
std::size_t ColorButtonIndex(int id) {
    return static_cast<std::size_t>(id - PushButton8);
}

RECT AsRect(const dialogs::PixelRect& place) {
    return {place.left, place.top, place.right, place.bottom};
}

}  // namespace

frmQorCenter::frmQorCenter(OptionsModel& model, dialogs::TextLookup texts, bool elevated)
    : model_(model), texts_(std::move(texts)), elevated_(elevated), controls_(CenterControls()) {}

frmQorCenter::~frmQorCenter() = default;

dialogs::FormDesign frmQorCenter::Form_Load() {
    auto form = CenterFormDesign(texts_);
    form.caption = CenterCaption(texts_, elevated_);
    return form;
}

std::unique_ptr<tabctl::TabControl> frmQorCenter::MakePageStrip(int id,
                                                                const dialogs::TwipsRect& place,
                                                                int pages) {
    const auto pixels = dialogs::ToPixels(place, dpiX_, dpiY_);
    auto strip =
        tabctl::TabControl::Create(hwnd_, pixels.left, pixels.top, pixels.Width(), pixels.Height(),
                                   WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, id);
    if (!strip) {
        return nullptr;
    }
    strip->SetCount(pages);
    strip->SetSelected(0, true);
    // The pages lie behind the controls on them.
    SetWindowPos(strip->Hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return strip;
}

void frmQorCenter::Loaded(HWND dialog) {
    hwnd_ = dialog;
    const HDC screen = GetDC(nullptr);
    dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
    dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    const auto places = CenterPlacesOf();
    const auto& c = model_.Controls();
    optionsPages_ = MakePageStrip(TabControl_Dorrik0, places.options, 2);
    aboutPage_ = MakePageStrip(TabControl_Dorrik1, places.about, 1);
    appearancePreview_ = MakePreviewTabs(
        hwnd_, AsRect(dialogs::ToPixels(places.appearancePreview, dpiX_, dpiY_)), TabControl2);
    colorPreview_ = MakePreviewTabs(
        hwnd_, AsRect(dialogs::ToPixels(places.colorPreview, dpiX_, dpiY_)), TabControl3);
    if (optionsPages_) {
        optionsPages_->SetCaption(0, c.pageCaptions[0]);
        optionsPages_->SetCaption(1, c.pageCaptions[1]);
        optionsPages_->SetEvents(this);
    }
    if (aboutPage_) {
        aboutPage_->SetCaption(0, c.pageCaptions[2]);
    }
    barKeyEdit_.emplace(GetDlgItem(hwnd_, FlatEdit4), model_, HotKeyEdit::Bar);
    tabKeyEdit_.emplace(GetDlgItem(hwnd_, FlatEdit5), model_, HotKeyEdit::Tab);
    ShowPage(OptionsPage::PopularPosition);
}

void frmQorCenter::SelectionChanged(int tab) {
    if (!refreshing_) {
        ShowPage(tab == 1 ? OptionsPage::AppearanceColor : OptionsPage::PopularPosition);
    }
}

void frmQorCenter::ShowPage(OptionsPage page) {
    model_.SelectPage(page);
    Refresh();
}

void frmQorCenter::PushButton_Top_Click(int index) {
    if (index == 1) {
        ShowPage(OptionsPage::About);
        return;
    }
    const bool second = optionsPages_ && optionsPages_->SelectedIndex() == 1;
    ShowPage(second ? OptionsPage::AppearanceColor : OptionsPage::PopularPosition);
}

void frmQorCenter::Click(int id, dialogs::FormView& view) {
    switch (id) {
        case PushButton_Top0:
        case PushButton_Top1:
            PushButton_Top_Click(id == PushButton_Top1 ? 1 : 0);
            return;
        case PushButton_Apply:
            PushButton_Apply_Click();
            return;
        case PushButton_Cancel:
            Close();
            return;
        case Labelblog:
            OpenInBrowser(std::wstring(HomePage));
            return;
        case CheckBox_Enbeld:
            model_.SetAddinOn(view.Checked(id));
            break;
        default:
            if (IsColorButton(id)) {
                PickButtonColor(hwnd_, model_, ColorButtonIndex(id));
            } else if (const auto* binding = BoxOf(id)) {
                model_.SetChecked(binding->box, view.Checked(id));
            }
            break;
    }
    Refresh();
}

void frmQorCenter::PushButton_Apply_Click() {
    const auto rejected = model_.SaveCenter(*this);
    if (!rejected) {
        return;
    }
    ShowMessage(texts_(std::wstring(rejected->messageKey), std::wstring(rejected->messageDefault)));
    // The page that holds the refused input, also over the about page; its control gets the
    // focus.
    ShowPage(rejected->page);
    FocusRefused(hwnd_, GetDlgItem(hwnd_, kModelControls.ControlOf(rejected->field)));
}

void frmQorCenter::ShowMessage(const std::wstring& text) {
    MessageBeep(MB_OK);
    dialogs::ShowMessage(hwnd_, texts_, text);
}

void frmQorCenter::Close() {
    EndDialog(hwnd_, kClosed);
}

bool frmQorCenter::Message(HWND, UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_ACTIVATE:
            // The caption is looked up again whenever the window becomes active.
            if (LOWORD(wParam) != WA_INACTIVE) {
                SetWindowTextW(hwnd_, CenterCaption(texts_, elevated_).c_str());
            }
            return false;
        case WM_DRAWITEM:
            if (Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                result = TRUE;
                return true;
            }
            return false;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == GetDlgItem(hwnd_, Labelblog)) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                SetTextColor(dc, RGB(0, 0, 204));
                SetBkMode(dc, TRANSPARENT);
                result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
                return true;
            }
            return false;
        case WM_COMMAND:
            break;
        default:
            return false;
    }
    if (refreshing_) {
        return false;
    }
    const int id = LOWORD(wParam);
    const auto list = kModelControls.ListOf(id);
    switch (HIWORD(wParam)) {
        case CBN_SELCHANGE:
            if (list) {
                model_.SelectItem(*list, static_cast<std::int32_t>(SendMessageW(
                                             reinterpret_cast<HWND>(lParam), CB_GETCURSEL, 0, 0)));
                Refresh();
            }
            return list.has_value();
        case CBN_EDITCHANGE:
            if (list) {
                model_.SetListText(*list, WindowText(reinterpret_cast<HWND>(lParam)));
            }
            return list.has_value();
        case CBN_DROPDOWN:
            if (id == ComboBox_Font) {
                model_.DropDownFontNames();
                Refresh();
            }
            return list.has_value();
        case EN_CHANGE:
            if (id == FlatEdit3 || id == FlatEdit2) {
                model_.SetWidthText(id == FlatEdit3 ? WidthEdit::Max : WidthEdit::Fix,
                                    WindowText(reinterpret_cast<HWND>(lParam)));
                return true;
            }
            return false;
        default:
            return false;
    }
}

bool frmQorCenter::Draw(const DRAWITEMSTRUCT& item) {
    const int id = static_cast<int>(item.CtlID);
    const auto& c = model_.Controls();
    if (id == Picture4) {
        DrawPositionPicture(item.hDC, item.rcItem, c.positionPicture.value_or(-1),
                            c.positionPictureGreyed);
        return true;
    }
    if (id == Image_About) {
        DrawProductIcon(item.hDC, item.rcItem);
        return true;
    }
    if (IsColorButton(id)) {
        DrawColorButton(item, c.colorButtons[ColorButtonIndex(id)].color);
        return true;
    }
    return false;
}

bool frmQorCenter::OwnEnabled(int id) const {
    const auto& c = model_.Controls();
    switch (id) {
        case FlatEdit4:
            return c.barHotKeyEdit.enabled;
        case FlatEdit5:
            return c.tabHotKeyEdit.enabled;
        case FlatEdit3:
        case Label1:
        case Label3:
            return c.maxWidth.enabled;
        case FlatEdit2:
        case Label2:
        case Label9:
            return c.fixWidth.enabled;
        case Label7:
        case Label8_0:
            return c.colorButtonsEnabled;
        default:
            break;
    }
    if (IsColorButton(id)) {
        return c.colorButtonsEnabled;
    }
    if (const auto* box = BoxState(c, id)) {
        return box->enabled;
    }
    if (const auto list = kModelControls.ListOf(id)) {
        return ListState_(c, *list).enabled;
    }
    return true;
}

void frmQorCenter::SetTextIfChanged(int id, const std::wstring& text) {
    const HWND control = GetDlgItem(hwnd_, id);
    if (control && WindowText(control) != text) {
        SetWindowTextW(control, text.c_str());
    }
}

void frmQorCenter::Refresh() {
    if (!hwnd_ || refreshing_) {
        return;
    }
    refreshing_ = true;
    RefreshPages();
    RefreshLists();
    RefreshControls();
    if (appearancePreview_) {
        ShowPreview(*appearancePreview_, model_.Controls().appearancePreview);
    }
    if (colorPreview_) {
        ShowPreview(*colorPreview_, model_.Controls().colorPreview);
    }
    refreshing_ = false;
}

void frmQorCenter::RefreshPages() {
    const OptionsPage page = model_.Controls().page;
    const CenterPage shown = page == OptionsPage::About             ? CenterPage::About
                             : page == OptionsPage::AppearanceColor ? CenterPage::AppearanceColor
                                                                    : CenterPage::PopularPosition;
    if (optionsPages_ && page != OptionsPage::About) {
        optionsPages_->SetSelected(page == OptionsPage::AppearanceColor ? 1 : 0, true);
    }
    // Exactly one page control shows, and its button looks pressed.
    const auto show = [](HWND window, bool visible) {
        EnableWindow(window, visible);
        ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
    };
    if (optionsPages_) {
        show(optionsPages_->Hwnd(), shown != CenterPage::About);
    }
    if (aboutPage_) {
        show(aboutPage_->Hwnd(), shown == CenterPage::About);
    }
    SendDlgItemMessageW(hwnd_, PushButton_Top0, BM_SETSTATE, shown != CenterPage::About, 0);
    SendDlgItemMessageW(hwnd_, PushButton_Top1, BM_SETSTATE, shown == CenterPage::About, 0);
    for (const auto& control : controls_) {
        if (control.page != CenterPage::None) {
            ShowWindow(GetDlgItem(hwnd_, control.spec.id),
                       control.page == shown ? SW_SHOWNA : SW_HIDE);
        }
    }
    for (const auto* preview : {appearancePreview_.get(), colorPreview_.get()}) {
        if (preview) {
            ShowWindow(preview->Hwnd(), shown == CenterPage::AppearanceColor ? SW_SHOWNA : SW_HIDE);
        }
    }
}

void frmQorCenter::RefreshLists() {
    const auto& c = model_.Controls();
    for (const int id : {ComboBox2, ComboBox1, ComboBox3, ComboBox_Font, ComboBox_FontSize}) {
        const HWND combo = GetDlgItem(hwnd_, id);
        const ListState& list = ListState_(c, *kModelControls.ListOf(id));
        auto& listed = listed_[id];
        if (listed != list.items) {
            SendMessageW(combo, CB_RESETCONTENT, 0, 0);
            for (const auto& item : list.items) {
                SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
            }
            listed = list.items;
        }
        if (id == ComboBox_Font || id == ComboBox_FontSize) {
            SetTextIfChanged(id, list.text);
        } else {
            SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(list.index), 0);
        }
    }
}

void frmQorCenter::RefreshControls() {
    const auto& c = model_.Controls();
    for (const auto& control : controls_) {
        const int id = control.spec.id;
        const bool enabled = !SwitchedByAddinBox(control) || (c.optionsEnabled && OwnEnabled(id));
        EnableWindow(GetDlgItem(hwnd_, id), enabled);
        if (const auto* box = BoxState(c, id)) {
            CheckDlgButton(hwnd_, id, box->checked ? BST_CHECKED : BST_UNCHECKED);
        }
    }
    SetTextIfChanged(FlatEdit4, c.barHotKeyEdit.text);
    SetTextIfChanged(FlatEdit5, c.tabHotKeyEdit.text);
    SetTextIfChanged(FlatEdit3, c.maxWidth.text);
    SetTextIfChanged(FlatEdit2, c.fixWidth.text);
    InvalidateRect(GetDlgItem(hwnd_, Picture4), nullptr, TRUE);
    for (int id = PushButton8; id <= PushButton6; ++id) {
        InvalidateRect(GetDlgItem(hwnd_, id), nullptr, TRUE);
    }
}

void ShowCenter(OptionsModel& model, const dialogs::TextLookup& texts, bool elevated) {
    frmQorCenter form(model, texts, elevated);
    dialogs::ShowModal(form, nullptr);
}

}  // namespace morvane::center
