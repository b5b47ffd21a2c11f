// The settings center's add-in box and the colour preview it opens with.

#include "options/OptionsModel.h"

namespace morvane {

void OptionsModel::ShowStoredColors() {
    auto& preview = controls_.colorPreview;
    preview.paintSwitch8 = false;
    preview.SetColorStyle(tabctl::ColorStyle::ColorSet);
    // Members 2, 1, 7, 6, 8, 10.
    for (const std::size_t i : {5U, 2U, 1U, 0U, 4U, 3U}) {
        preview.SetColor(kColorButtons[i].member, static_cast<tabctl::OleColor>(IntFieldOf(
                                                      kColorButtons[i].value, settings_)));
    }
}

void OptionsModel::SetAddinOn(bool on) {
    auto& c = controls_;
    c.addin.checked = on;
    c.optionsEnabled = on;
    c.positionPictureGreyed = !on;
    if (!on) {
        // The controls keep their values; only the previews change their look.
        c.colorPreview.tabsEnabled = false;
        c.appearancePreview.tabsEnabled = false;
        c.appearancePreview.SetColorStyle(tabctl::ColorStyle::Appearance);
        c.colorPreview.SetColorStyle(tabctl::ColorStyle::Appearance);
        return;
    }
    // Every dependent state again from the controls' current values.
    SelectItem(OptionsList::Layout, c.layout.index);
    c.appearancePreview.SetColorStyle(tabctl::ColorStyle::ColorSet);
    if (c.position.index >= 0) {
        c.positionPicture = c.position.index;
    }
    const bool ownColors = ThemeHasOwnColors(c.appearance.index);
    c.customColors.enabled = !ownColors;
    const bool custom = c.customColors.checked && !ownColors;
    EnableColorControls(custom);
    if (!custom) {
        c.colorPreview.paintSwitch8 = true;
        c.colorPreview.SetColorStyle(tabctl::ColorStyle::Appearance);
    }
    ShowColorPreviews();
    // The font switches come back as they were loaded.
    SetChecked(OptionsBox::FontSize, opened_.EnableFontSize != 0);
    SetChecked(OptionsBox::FontName, opened_.EnableFontName != 0);
    c.appearancePreview.tabsEnabled = true;
    c.barHotKeyEdit.enabled = c.barHotKey.checked;
    c.tabHotKeyEdit.enabled = c.tabHotKey.checked;
}

}  // namespace morvane
