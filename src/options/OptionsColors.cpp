#include "options/OptionsModel.h"

#include "shared/Numbers.h"
#include "shared/mdReg.h"
#include "tabctl/Appearance.h"

namespace morvane {

namespace {

constexpr tabctl::OleColor kDarkBlueText = tabctl::Rgb(21, 66, 139);
// The scheme Office uses when none is stored.
constexpr std::int32_t kSilverScheme = 2;

// The Office scheme's colour of a face or tab member.
std::optional<tabctl::OleColor> PresetColor(std::int32_t scheme, tabctl::ColorRole member) {
    const auto preset = tabctl::OfficeSchemePreset(scheme);
    if (!preset) {
        return std::nullopt;
    }
    switch (member) {
        case tabctl::ColorRole::FaceLight:
            return preset->faceLight;
        case tabctl::ColorRole::FaceDark:
            return preset->faceDark;
        case tabctl::ColorRole::SelectedTab:
            return preset->selectedTab;
        case tabctl::ColorRole::NormalTab:
            return preset->normalTab;
        default:
            return std::nullopt;
    }
}

// A stored colour, read again into its settings field.
std::optional<tabctl::OleColor> ReadColor(RegistryApi& registry, Setting id,
                                          TabSettings& settings) {
    if (!ReadSetting(registry, id, settings)) {
        return std::nullopt;
    }
    return static_cast<tabctl::OleColor>(IntFieldOf(id, settings));
}

bool IsTextButton(std::size_t button) {
    return button == 3 || button == 4;
}

}  // namespace

// Office 2010's colours in the appearance preview: the add-in asks its host's version as a
// number, the settings center compares Office's version text.
bool OptionsModel::OfficePreview() const {
    if (context_.kind == DialogKind::Center) {
        return context_.version == L"14.0";
    }
    return HostVersionNumber(context_.version) > 12;
}

// Missing text colours are dark blue under Office 2010, black before.
bool OptionsModel::OfficeTextColors() const {
    if (context_.kind == DialogKind::Center) {
        return context_.version == L"14.0";
    }
    return HostVersionNumber(context_.version) >= 14;
}

void OptionsModel::ReadOfficeTheme() {
    if (context_.kind == DialogKind::Center) {
        // The settings center compares the scheme as text: only "1", "2" and "3" name one.
        std::wstring text;
        if (!mdReg::GetRegValue(registry_, RootKey::CurrentUser, std::wstring(OfficeThemeKey),
                                std::wstring(OfficeThemeValue), text)) {
            text = L"2";
        }
        officeTheme_ = text == L"1" ? 1 : text == L"2" ? 2 : text == L"3" ? 3 : 0;
        return;
    }
    if (!mdReg::GetRegValue(registry_, RootKey::CurrentUser, std::wstring(OfficeThemeKey),
                            std::wstring(OfficeThemeValue), officeTheme_)) {
        officeTheme_ = kSilverScheme;
    }
}

void OptionsModel::LoadColorButtons() {
    auto& preview = controls_.colorPreview;
    const bool office = HostVersionNumber(context_.version) > 12;
    // The add-in read the scheme with its settings; the settings center reads it here.
    if (office && context_.kind == DialogKind::Center) {
        ReadOfficeTheme();
    }
    if (!office) {
        preview.paintSwitch8 = false;
        preview.SetColorStyle(tabctl::ColorStyle::ColorSet);
    }
    // A scheme other than 1 to 3 falls back to silver, the scheme Office assumes.
    const std::int32_t scheme =
        tabctl::OfficeSchemePreset(officeTheme_) ? officeTheme_ : kSilverScheme;
    // The face and tab colours first, then the text colours.
    for (const std::size_t i : {0U, 1U, 2U, 5U, 4U, 3U}) {
        const auto& role = kColorButtons[i];
        const auto stored = ReadColor(registry_, role.value, settings_);
        auto& color = controls_.colorButtons[i].color;
        if (stored) {
            color = *stored;
        } else if (IsTextButton(i)) {
            color = OfficeTextColors() ? kDarkBlueText : 0;
        } else if (office) {
            color = *PresetColor(scheme, role.member);
        } else {
            color = preview.colors.Get(role.member);
        }
    }
}

void OptionsModel::ShowThemePreview() {
    auto& preview = controls_.appearancePreview;
    if (!OfficePreview()) {
        preview.paintSwitch8 = false;
        preview.SetColorStyle(tabctl::ColorStyle::ColorSet);
        return;
    }
    // Read again: the scheme may have changed in Office since the settings were loaded.
    ReadOfficeTheme();
    preview.SetColorStyle(tabctl::ColorStyle::Office);
    preview.paintSwitch8 = true;
    if (tabctl::OfficeSchemePreset(officeTheme_)) {
        for (const auto member : {tabctl::ColorRole::FaceDark, tabctl::ColorRole::FaceLight,
                                  tabctl::ColorRole::SelectedTab, tabctl::ColorRole::NormalTab}) {
            preview.SetColor(member, *PresetColor(officeTheme_, member));
        }
    }
}

void OptionsModel::ApplyCustomColors(ColorPreview& preview) const {
    preview.paintSwitch8 = false;
    preview.SetColorStyle(tabctl::ColorStyle::ColorSet);
    // Members 2, 1, 7, 6, 8, 10 from buttons 5, 2, 1, 0, 4, 3.
    for (const std::size_t i : {5U, 2U, 1U, 0U, 4U, 3U}) {
        preview.SetColor(kColorButtons[i].member, controls_.colorButtons[i].color);
    }
}

void OptionsModel::ShowColorPreviews() {
    const auto& c = controls_;
    if (!c.customColors.checked || ThemeHasOwnColors(c.appearance.index)) {
        ShowThemePreview();
    } else {
        ApplyCustomColors(controls_.colorPreview);
        ApplyCustomColors(controls_.appearancePreview);
    }
}

void OptionsModel::EnableColorControls(bool enabled) {
    controls_.colorButtonsEnabled = enabled;
    controls_.colorPreview.tabsEnabled = enabled;
}

void OptionsModel::SetCustomColors(bool checked) {
    auto& c = controls_;
    c.customColors.checked = checked;
    EnableColorControls(checked);
    // The settings center keeps its colour preview enabled and greys only its tabs.
    if (context_.kind == DialogKind::Options) {
        c.colorPreview.enabled = checked;
    }
    if (checked) {
        ApplyCustomColors(c.colorPreview);
        ApplyCustomColors(c.appearancePreview);
    } else {
        c.colorPreview.SetColorStyle(tabctl::ColorStyle::Appearance);
        ShowThemePreview();
    }
}

void OptionsModel::SelectAppearance(std::int32_t index) {
    auto& c = controls_;
    if (index < 0) {
        return;
    }
    c.appearance.index = index;
    c.appearancePreview.SetAppearance(AppearanceFor(index));
    const bool ownColors = ThemeHasOwnColors(index);
    if (c.customColors.checked && !ownColors) {
        ApplyCustomColors(c.appearancePreview);
    } else {
        ShowThemePreview();
    }
    c.colorPreview.SetAppearance(AppearanceFor(index));
    // The box keeps its check while the appearance brings its own colours.
    c.customColors.enabled = !ownColors;
    const bool custom = !ownColors && c.customColors.checked;
    EnableColorControls(custom);
    if (custom) {
        ApplyCustomColors(c.colorPreview);
    } else {
        c.colorPreview.SetColorStyle(tabctl::ColorStyle::Appearance);
    }
}

void OptionsModel::ChooseColor(std::size_t button, std::optional<tabctl::OleColor> color) {
    auto& c = controls_;
    if (button >= c.colorButtons.size()) {
        return;
    }
    // A cancel changes nothing; the settings center writes the appearance preview again all the
    // same, with the colours unchanged.
    if (!color) {
        if (context_.kind == DialogKind::Center) {
            ApplyCustomColors(c.appearancePreview);
        }
        return;
    }
    c.colorButtons[button].color = *color;
    // The settings center's preview leaves the style's own look for the plain colours at once.
    if (context_.kind == DialogKind::Center) {
        c.colorPreview.paintSwitch8 = false;
    }
    c.colorPreview.SetColor(kColorButtons[button].member, *color);
    ApplyCustomColors(c.appearancePreview);
}

}  // namespace morvane
