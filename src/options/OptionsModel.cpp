#include "options/OptionsModel.h"

#include <utility>

namespace morvane {

namespace {

// The capture edits' text while no usable key is pressed.
std::wstring DefaultCaptureText(DialogKind kind, HotKeyEdit edit) {
    if (kind == DialogKind::Options) {
        return L"Default";
    }
    return std::wstring(edit == HotKeyEdit::Bar ? DefaultBarKeyName : DefaultTabitKeyName);
}

// A stored list index, when the list has that item.
std::int32_t IndexIn(const ListState& list, std::int32_t stored) {
    return stored >= 0 && static_cast<std::size_t>(stored) < list.items.size() ? stored : -1;
}

// Inverted switches are on at 0.
CheckBoxState OnWhenZero(std::int32_t value) {
    return {value == 0, true};
}

CheckBoxState OnWhenNonZero(std::int32_t value) {
    return {value != 0, true};
}

}  // namespace

std::wstring OptionsCaptionSection(const std::wstring& langSection, std::int32_t systemLocale) {
    const std::wstring systemSection = L"UID_" + std::to_wstring(systemLocale);
    return langSection == systemSection ? langSection : L"UID_1033";
}

OptionsModel::OptionsModel(DialogContext context, TabSettings& settings, std::int32_t& officeTheme,
                           RegistryApi& registry, TextLookup texts, const KeyNamer& keys,
                           const FontSource& fonts, std::optional<bool> hostShowsAll)
    : context_(std::move(context)),
      settings_(settings),
      officeTheme_(officeTheme),
      registry_(registry),
      texts_(std::move(texts)),
      keys_(keys),
      fonts_(fonts),
      opened_(settings),
      barKey_(settings.HotKeyBar),
      tabKey_(settings.HotKeyTabit),
      barCapture_(DefaultCaptureText(context_.kind, HotKeyEdit::Bar)),
      tabCapture_(DefaultCaptureText(context_.kind, HotKeyEdit::Tab)) {
    // Greys from RGB(15, 15, 15) to RGB(240, 240, 240).
    for (std::size_t i = 0; i < chooserColors_.size(); ++i) {
        const int level = 15 * static_cast<int>(i + 1);
        chooserColors_[i] = tabctl::Rgb(level, level, level);
    }
    FillLists();
    ShowSettings(hostShowsAll);
}

std::wstring OptionsModel::Text(const wchar_t* key, const wchar_t* def) const {
    return texts_ ? texts_(key, def) : std::wstring(def);
}

void OptionsModel::FillLists() {
    auto& c = controls_;
    c.pageCaptions = {Text(L"PopularPostion", L"Popular && Postion"),
                      Text(L"AppearanceColor", L"Appearance && Color"),
                      Text(L"AboutKovo", L"About Morvane")};
    c.appearancePreview.captions = {Text(L"AppearancePreviewSelect", L"TabSelected"),
                                    Text(L"AppearancePreviewNormal", L"TabNormal")};
    c.colorPreview.captions = {Text(L"ColorPreviewSelect", L"TabSelected"),
                               Text(L"ColorPreviewNormal", L"TabNormal")};

    // A translation carries its own separator after the digit.
    c.position.items = {
        L"1" + Text(L"Above", L"-Above WorkSpace"), L"2" + Text(L"Below", L"-Below WorkSpace"),
        L"3" + Text(L"Left", L"-Left WorkSpace"), L"4" + Text(L"Right", L"-Right WorkSpace")};
    const std::wstring appearance = Text(L"Appearance", L"Appearance");
    for (int i = 1; i <= 11; ++i) {
        c.appearance.items.push_back(appearance + L" - " + std::to_wstring(i));
    }
    c.layout.items = {Text(L"AutoSize", L"AutoSize"), Text(L"SizeToFit", L"SizeToFit"),
                      Text(L"Fixed", L"Fixed")};
    c.fontSizes.items = {L"8",  L"9",  L"10", L"11", L"12", L"14", L"15", L"16", L"18",
                         L"20", L"22", L"24", L"26", L"28", L"36", L"48", L"69", L"72"};
}

void OptionsModel::ShowSettings(std::optional<bool> hostShowsAll) {
    const TabSettings& s = settings_;
    auto& c = controls_;
    // A stored value outside a list leaves the list without a choice.
    c.position.index = IndexIn(c.position, s.Position);
    c.appearance.index = IndexIn(c.appearance, s.Theme);
    c.layout.index = IndexIn(c.layout, s.TbLayout);
    c.fontSizes.text = std::to_wstring(s.TabFontSize);
    c.fontNames.items = {s.TabFontName};
    c.fontNames.text = s.TabFontName;

    const bool fixed = s.TbLayout == 2;
    c.maxWidth = {std::to_wstring(s.MaxWidth), !fixed};
    c.fixWidth = {std::to_wstring(s.FixWidth), fixed};

    c.blankClick = OnWhenZero(s.EnableCreate);
    c.reorder = OnWhenZero(s.EnableReorder);
    c.middleClick = OnWhenZero(s.EnableMiddle);
    c.barHotKey = OnWhenZero(s.EnableTa);
    c.barHotKeyEdit = {s.HotKeyBar.KeyName, s.EnableTa == 0};
    c.tabHotKey = OnWhenZero(s.EnableTi);
    c.tabHotKeyEdit = {s.HotKeyTabit.KeyName, s.EnableTi == 0};
    c.altKeys = OnWhenZero(s.EnableAlt);
    c.doubleClick = OnWhenZero(s.DoubleC);
    c.exitInfor = OnWhenZero(s.ExitInfor);
    c.oneHide = OnWhenNonZero(s.OneHide);
    if (s.Position >= 0 && s.Position <= 3) {
        c.positionPicture = s.Position;
    }
    // The host's own state shows as well as the stored one; a host that cannot be asked
    // leaves the stored one.
    c.showAll.checked = hostShowsAll.value_or(false) || s.ShowAll != 0;

    c.appearancePreview.SetAppearance(AppearanceFor(s.Theme));
    c.colorPreview.SetAppearance(AppearanceFor(s.Theme));
    if (context_.kind == DialogKind::Center) {
        ShowStoredColors();
    }
    c.customColors.checked = s.CusColor != 0;
    if (!c.customColors.checked) {
        EnableColorControls(false);
    }
    LoadColorButtons();
    ShowColorPreviews();

    c.fontSize = OnWhenNonZero(s.EnableFontSize);
    c.fontSizes.enabled = s.EnableFontSize != 0;
    c.fontName = OnWhenNonZero(s.EnableFontName);
    c.fontNames.enabled = s.EnableFontName != 0;

    if (context_.kind == DialogKind::Center) {
        c.addin.checked = s.EnabledApp == 0;
        if (!c.addin.checked) {
            // Switched off: the normal picture still shows which position is stored.
            c.optionsEnabled = false;
            c.appearancePreview.tabsEnabled = false;
            c.colorPreview.tabsEnabled = false;
        }
    }
}

void OptionsModel::SetChecked(OptionsBox box, bool checked) {
    auto& c = controls_;
    switch (box) {
        case OptionsBox::ShowAll:
            c.showAll.checked = checked;
            break;
        case OptionsBox::ExitInfor:
            c.exitInfor.checked = checked;
            break;
        case OptionsBox::OneHide:
            c.oneHide.checked = checked;
            break;
        case OptionsBox::DoubleClick:
            c.doubleClick.checked = checked;
            break;
        case OptionsBox::MiddleClick:
            c.middleClick.checked = checked;
            break;
        case OptionsBox::BlankClick:
            c.blankClick.checked = checked;
            break;
        case OptionsBox::Reorder:
            c.reorder.checked = checked;
            break;
        case OptionsBox::AltKeys:
            c.altKeys.checked = checked;
            break;
        case OptionsBox::BarHotKey:
            c.barHotKey.checked = checked;
            c.barHotKeyEdit.enabled = checked;
            break;
        case OptionsBox::TabHotKey:
            c.tabHotKey.checked = checked;
            c.tabHotKeyEdit.enabled = checked;
            break;
        case OptionsBox::FontName:
            c.fontName.checked = checked;
            c.fontNames.enabled = checked;
            break;
        case OptionsBox::FontSize:
            c.fontSize.checked = checked;
            c.fontSizes.enabled = checked;
            break;
        case OptionsBox::CustomColors:
            SetCustomColors(checked);
            break;
    }
}

void OptionsModel::SelectItem(OptionsList list, std::int32_t index) {
    auto& c = controls_;
    switch (list) {
        case OptionsList::Position:
            c.position.index = IndexIn(c.position, index);
            if (c.position.index >= 0) {
                c.positionPicture = c.position.index;
            }
            break;
        case OptionsList::Appearance:
            SelectAppearance(IndexIn(c.appearance, index));
            break;
        case OptionsList::Layout:
            c.layout.index = IndexIn(c.layout, index);
            // Only the width of the chosen layout applies.
            c.maxWidth.enabled = c.layout.index < 2;
            c.fixWidth.enabled = !c.maxWidth.enabled;
            break;
        case OptionsList::FontNames:
            if (const auto i = IndexIn(c.fontNames, index); i >= 0) {
                c.fontNames.index = i;
                c.fontNames.text = c.fontNames.items[static_cast<std::size_t>(i)];
            }
            break;
        case OptionsList::FontSizes:
            if (const auto i = IndexIn(c.fontSizes, index); i >= 0) {
                c.fontSizes.index = i;
                c.fontSizes.text = c.fontSizes.items[static_cast<std::size_t>(i)];
            }
            break;
    }
}

void OptionsModel::SetListText(OptionsList list, const std::wstring& text) {
    if (list == OptionsList::FontNames) {
        controls_.fontNames.text = text;
    } else if (list == OptionsList::FontSizes) {
        controls_.fontSizes.text = text;
    }
}

void OptionsModel::SetWidthText(WidthEdit edit, const std::wstring& text) {
    (edit == WidthEdit::Max ? controls_.maxWidth : controls_.fixWidth).text = text;
}

void OptionsModel::DropDownFontNames() {
    if (fontsListed_) {
        return;
    }
    fontsListed_ = true;
    auto& list = controls_.fontNames;
    list.items.clear();
    list.index = -1;
    // Vertical-writing faces ("@" names) are left out; the system's order is kept.
    for (const auto& name : fonts_.ScreenFontNames()) {
        if (name.empty() || name.front() != L'@') {
            list.items.push_back(name);
        }
    }
    list.text = settings_.TabFontName;
}

HotKeyInfo& OptionsModel::Captured(HotKeyEdit edit) {
    return edit == HotKeyEdit::Bar ? barKey_ : tabKey_;
}

const HotKeyInfo& OptionsModel::CapturedKey(HotKeyEdit edit) const {
    return edit == HotKeyEdit::Bar ? barKey_ : tabKey_;
}

HotKeyCapture& OptionsModel::CaptureOf(HotKeyEdit edit) {
    return edit == HotKeyEdit::Bar ? barCapture_ : tabCapture_;
}

void OptionsModel::KeyDown(HotKeyEdit edit, std::int32_t keyCode, std::int32_t shift) {
    auto& text = (edit == HotKeyEdit::Bar ? controls_.barHotKeyEdit : controls_.tabHotKeyEdit).text;
    text = CaptureOf(edit).KeyDown(keyCode, shift, Captured(edit), keys_);
}

void OptionsModel::KeyUp(HotKeyEdit edit, std::int32_t keyCode) {
    CaptureOf(edit).KeyUp(keyCode);
}

}  // namespace morvane
