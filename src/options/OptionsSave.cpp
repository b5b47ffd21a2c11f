#include "options/OptionsModel.h"

#include "options/TabWidthText.h"
#include "shared/AddinKeys.h"
#include "shared/HotKeyCombination.h"
#include "shared/Numbers.h"

namespace morvane {

namespace {

std::int32_t OneWhen(bool on) {
    return on ? 1 : 0;
}

// An inverted switch: 0 means on.
std::int32_t ZeroWhen(bool on) {
    return on ? 0 : 1;
}

// A list without a choice (a stored value it does not have) keeps the stored value.
std::int32_t Chosen(const ListState& list, std::int32_t stored) {
    return list.index >= 0 ? list.index : stored;
}

// The settings center applies nothing to a running add-in.
class NoLiveApply : public LiveApply {
  public:
    void SetShowAllInTaskbar(bool) override {}
    std::wstring HostName() override { return {}; }
    void SetAppearance(std::int32_t) override {}
    void SetPaintSwitch8(bool) override {}
    void SetColorStyle(tabctl::ColorStyle) override {}
    void SetColor(tabctl::ColorRole, tabctl::OleColor) override {}
    void ChangeDefaultColor() override {}
    void SetReorder(bool) override {}
    void UnregisterBarHotKey() override {}
    void RegisterBarHotKey() override {}
    void UnregisterNextTabHotKey() override {}
    void RegisterNextTabHotKey() override {}
    void UnregisterTabNumberHotKeys() override {}
    void RegisterTabNumberHotKeys() override {}
    void SetPlacementPending() override {}
    void UpdateMenu() override {}
    void PlaceTabControl(BarPosition) override {}
    void ReframeClient() override {}
    void RefreshTabBar() override {}
};

// The key to change is the bar key, unless only the next-tab key collides.
Rejection HotKeyConflict(OptionsField field) {
    return {OptionsPage::PopularPosition, field, L"HotKey", L"Shortcuts conflict, Please change."};
}

Rejection WidthRejected(OptionsField field) {
    return {OptionsPage::AppearanceColor, field, L"Number",
            L"The number of width must be between 70-400."};
}

}  // namespace

std::optional<Rejection> OptionsModel::CheckHotKeys() const {
    // What the keys will register, a default key as its built-in combination; the two keys'
    // switches do not matter, Alt+1 to Alt+9 count while their box is checked.
    const KeyCombination bar = RegisteredCombination(barKey_, BuiltInBarKey);
    const KeyCombination tab = RegisteredCombination(tabKey_, BuiltInNextTabKey);
    const auto selectsATab = [this](KeyCombination key) {
        if (!controls_.altKeys.checked) {
            return false;
        }
        for (std::int32_t number = FirstTabNumber; number <= LastTabNumber; ++number) {
            if (key == TabNumberKey(number)) {
                return true;
            }
        }
        return false;
    };
    if (bar == tab || selectsATab(bar)) {
        return HotKeyConflict(FocusableFor(HotKeyEdit::Bar));
    }
    if (selectsATab(tab)) {
        return HotKeyConflict(FocusableFor(HotKeyEdit::Tab));
    }
    return std::nullopt;
}

OptionsField OptionsModel::FocusableFor(HotKeyEdit edit) const {
    const auto& c = controls_;
    if (!c.optionsEnabled) {
        return OptionsField::AddinBox;
    }
    if (edit == HotKeyEdit::Bar) {
        return c.barHotKeyEdit.enabled ? OptionsField::BarHotKeyEdit : OptionsField::BarHotKeyBox;
    }
    return c.tabHotKeyEdit.enabled ? OptionsField::TabHotKeyEdit : OptionsField::TabHotKeyBox;
}

std::optional<Rejection> OptionsModel::CheckWidths() const {
    // Only the width of the chosen layout is enabled and read.
    const auto& c = controls_;
    if (c.maxWidth.enabled && !TabWidthOf(c.maxWidth.text)) {
        return WidthRejected(OptionsField::MaxWidthEdit);
    }
    if (c.fixWidth.enabled && !TabWidthOf(c.fixWidth.text)) {
        return WidthRejected(OptionsField::FixWidthEdit);
    }
    return std::nullopt;
}

std::optional<Rejection> OptionsModel::Check() const {
    if (auto rejected = CheckHotKeys()) {
        return rejected;
    }
    return CheckWidths();
}

void OptionsModel::SaveWidths() {
    const auto& c = controls_;
    if (c.maxWidth.enabled) {
        WriteInt(Setting::MaxWidth, *TabWidthOf(c.maxWidth.text));
    }
    if (c.fixWidth.enabled) {
        WriteInt(Setting::FixWidth, *TabWidthOf(c.fixWidth.text));
    }
}

void OptionsModel::WriteInt(Setting id, std::int32_t value) {
    SetIntSetting(id, settings_, value);
    WriteSetting(registry_, id, value);
}

std::optional<Rejection> OptionsModel::Save(LiveApply& live, DialogShell& shell) {
    if (auto rejected = Check()) {
        return rejected;
    }
    const auto& c = controls_;
    SaveWidths();
    SaveBehaviour(live);
    SaveFonts();
    SaveColors(live);
    SaveHotKey(HotKeyEdit::Bar, live);
    SaveHotKey(HotKeyEdit::Tab, live);
    WriteInt(Setting::EnableAlt, ZeroWhen(c.altKeys.checked));
    live.UnregisterTabNumberHotKeys();
    if (settings_.EnableAlt == 0) {
        live.RegisterTabNumberHotKeys();
    }

    // The tab bar takes its font only when it is made.
    if (FontsChanged()) {
        shell.ShowMessage(Text(L"RestartApp",
                               L"You have changed the Font Options. For these changes to take "
                               L"effect,you must restart") +
                          L" " + live.HostName() + L".");
    }
    shell.Close();

    if (settings_.Position != opened_.Position) {
        live.SetPlacementPending();
    }
    live.SetReorder(settings_.EnableReorder == 0);
    live.UpdateMenu();
    live.PlaceTabControl(settings_.Position);
    live.ReframeClient();
    live.RefreshTabBar();
    return std::nullopt;
}

std::optional<Rejection> OptionsModel::SaveCenter(DialogShell& shell) {
    // A conflict stops switching the add-in off too.
    if (auto rejected = CheckHotKeys()) {
        return rejected;
    }
    if (!controls_.addin.checked) {
        // Switched off: the other values stay as stored, whatever the controls show.
        WriteLoadBehavior(false);
    } else {
        if (auto rejected = CheckWidths()) {
            return rejected;
        }
        SaveWidths();
        WriteLoadBehavior(true);
        SaveCenterBehaviour();
        SaveFonts();
        NoLiveApply none;
        SaveColors(none);
    }
    shell.ShowMessage(
        Text(L"SettingSaved", L"Settings have been saved,Please restart your office application!"));
    shell.Close();
    return std::nullopt;
}

void OptionsModel::WriteLoadBehavior(bool addinOn) {
    morvane::WriteLoadBehavior(registry_, MorvaneAddinKey, addinOn ? LoadAtStartup : NotLoaded);
    WriteInt(Setting::EnabledApp, addinOn ? 0 : 1);
}

void OptionsModel::SaveCenterBehaviour() {
    const auto& c = controls_;
    WriteInt(Setting::TbLayout, Chosen(c.layout, settings_.TbLayout));
    WriteInt(Setting::Position, Chosen(c.position, settings_.Position));
    WriteInt(Setting::Theme, Chosen(c.appearance, settings_.Theme));
    WriteInt(Setting::DoubleC, ZeroWhen(c.doubleClick.checked));
    NoLiveApply none;
    SaveHotKey(HotKeyEdit::Bar, none);
    SaveHotKey(HotKeyEdit::Tab, none);
    WriteInt(Setting::EnableAlt, ZeroWhen(c.altKeys.checked));
    WriteInt(Setting::OneHide, OneWhen(c.oneHide.checked));
    WriteInt(Setting::ShowAll, OneWhen(c.showAll.checked));
    WriteInt(Setting::ExitInfor, ZeroWhen(c.exitInfor.checked));
    WriteInt(Setting::EnableCreate, ZeroWhen(c.blankClick.checked));
    WriteInt(Setting::EnableReorder, ZeroWhen(c.reorder.checked));
    WriteInt(Setting::EnableMiddle, ZeroWhen(c.middleClick.checked));
}

void OptionsModel::SaveBehaviour(LiveApply& live) {
    const auto& c = controls_;
    WriteInt(Setting::Position, Chosen(c.position, settings_.Position));
    WriteInt(Setting::Theme, Chosen(c.appearance, settings_.Theme));
    live.SetAppearance(AppearanceFor(settings_.Theme));
    WriteInt(Setting::TbLayout, Chosen(c.layout, settings_.TbLayout));
    WriteInt(Setting::OneHide, OneWhen(c.oneHide.checked));
    WriteInt(Setting::ExitInfor, ZeroWhen(c.exitInfor.checked));
    WriteInt(Setting::DoubleC, ZeroWhen(c.doubleClick.checked));
    WriteInt(Setting::ShowAll, OneWhen(c.showAll.checked));
    live.SetShowAllInTaskbar(settings_.ShowAll != 0);
    WriteInt(Setting::EnableCreate, ZeroWhen(c.blankClick.checked));
    WriteInt(Setting::EnableReorder, ZeroWhen(c.reorder.checked));
    WriteInt(Setting::EnableMiddle, ZeroWhen(c.middleClick.checked));
}

void OptionsModel::SaveFonts() {
    const auto& c = controls_;
    WriteInt(Setting::EnableFontSize, OneWhen(c.fontSize.checked));
    // A size that is no number is not saved in the add-in, as a switch that is off saves none;
    // the settings center writes the size it loaded again.
    if (settings_.EnableFontSize == 1) {
        if (const auto size = TextToInt32(c.fontSizes.text)) {
            WriteInt(Setting::TabFontSize, *size);
        } else if (context_.kind == DialogKind::Center) {
            WriteInt(Setting::TabFontSize, opened_.TabFontSize);
        }
    }
    WriteInt(Setting::EnableFontName, OneWhen(c.fontName.checked));
    if (settings_.EnableFontName == 1) {
        settings_.TabFontName = c.fontNames.text;
        WriteSetting(registry_, Setting::TabFontName, settings_.TabFontName);
    }
}

void OptionsModel::SaveColors(LiveApply& live) {
    const auto& c = controls_;
    WriteInt(Setting::CusColor, OneWhen(c.customColors.checked));
    // Styles with their own colours show those, with the box checked or not.
    if (settings_.CusColor == 0 || ThemeHasOwnColors(settings_.Theme)) {
        live.SetPaintSwitch8(false);
        if (HostVersionNumber(context_.version) > 12) {
            live.ChangeDefaultColor();
        } else {
            live.SetColorStyle(tabctl::ColorStyle::ColorSet);
        }
        return;
    }
    // Written in the order CoSelect, CoNormal, CoBack, CoBackii, CoText, CoTextSe.
    for (const std::size_t i : {0U, 1U, 2U, 5U, 4U, 3U}) {
        WriteInt(kColorButtons[i].value, static_cast<std::int32_t>(c.colorButtons[i].color));
    }
    live.SetPaintSwitch8(false);
    live.SetColorStyle(tabctl::ColorStyle::ColorSet);
    // Members 2, 1, 7, 6, 8, 10.
    for (const std::size_t i : {5U, 2U, 1U, 0U, 4U, 3U}) {
        live.SetColor(kColorButtons[i].member, c.colorButtons[i].color);
    }
}

void OptionsModel::SaveHotKey(HotKeyEdit edit, LiveApply& live) {
    const bool bar = edit == HotKeyEdit::Bar;
    const bool on = (bar ? controls_.barHotKey : controls_.tabHotKey).checked;
    WriteInt(bar ? Setting::EnableTa : Setting::EnableTi, ZeroWhen(on));
    bar ? live.UnregisterBarHotKey() : live.UnregisterNextTabHotKey();
    // A key that is off keeps what is stored for it.
    if (!on) {
        return;
    }
    // The captured key reaches the running add-in only now; a default key is stored as such.
    HotKeyInfo key = Captured(edit);
    if (key.KeyCode == 0) {
        key = {std::wstring(bar ? DefaultBarKeyName : DefaultTabitKeyName), 0, 0};
    }
    (bar ? settings_.HotKeyBar : settings_.HotKeyTabit) = key;
    bar ? live.RegisterBarHotKey() : live.RegisterNextTabHotKey();
    WriteSetting(registry_, bar ? Setting::HotKeyBarKeyName : Setting::HotKeyTabitKeyName,
                 key.KeyName);
    WriteSetting(registry_, bar ? Setting::HotKeyBarKeyCode : Setting::HotKeyTabitKeyCode,
                 key.KeyCode);
    WriteSetting(registry_, bar ? Setting::HotKeyBarModKeyCode : Setting::HotKeyTabitModKeyCode,
                 key.ModKeyCode);
}

bool OptionsModel::FontsChanged() const {
    const TabSettings& s = settings_;
    return s.TabFontName != opened_.TabFontName || s.EnableFontName != opened_.EnableFontName ||
           s.EnableFontSize != opened_.EnableFontSize || s.TabFontSize != opened_.TabFontSize;
}

}  // namespace morvane
