#include "addin/dialogs/FormDesign.h"

#include <algorithm>

#include "tabctl/Units.h"

namespace morvane::dialogs {

namespace {

// Room left of nothing: the right and bottom margin of every form, in twips.
constexpr int kMargin = 120;

// Keeps [start, start + length) inside [low, high), the start first when it cannot fit.
int Clamp(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

}  // namespace

TextLookup LanguageTexts(mdLang::Language& language, std::wstring file, std::wstring section) {
    return [&language, file = std::move(file), section = std::move(section)](
               const std::wstring& key, const std::wstring& def) {
        return language.GetLangText(file, section, key, def);
    };
}

ControlSpec* FormDesign::Find(int id) {
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [id](const ControlSpec& control) { return control.id == id; });
    return found == controls.end() ? nullptr : &*found;
}

void LocalizeTags(FormDesign& form, const TextLookup& texts) {
    for (ControlSpec& control : form.controls) {
        if (!control.tag.empty()) {
            control.text = texts(control.tag, control.text);
        }
    }
}

std::wstring EditText(const std::wstring& text) {
    std::wstring shown;
    shown.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') {
            shown += L"\r\n";
            ++i;
        } else if (c == L'\r' || c == L'\n') {
            shown += L"\r\n";
        } else {
            shown += c;
        }
    }
    return shown;
}

TwipsRect ClientPlace(const FormDesign& form) {
    int right = 0;
    int bottom = 0;
    for (const ControlSpec& control : form.controls) {
        right = std::max(right, control.place.left + control.place.width);
        bottom = std::max(bottom, control.place.top + control.place.height);
    }
    return {0, 0, right + kMargin, bottom + kMargin};
}

PixelRect ToPixels(const TwipsRect& place, int dpiX, int dpiY) {
    return {tabctl::TwipsToPixels(place.left, dpiX), tabctl::TwipsToPixels(place.top, dpiY),
            tabctl::TwipsToPixels(place.left + place.width, dpiX),
            tabctl::TwipsToPixels(place.top + place.height, dpiY)};
}

PixelRect CenterOver(const PixelRect& owner, int width, int height, const PixelRect& workArea) {
    const int left =
        Clamp(owner.left + (owner.Width() - width) / 2, width, workArea.left, workArea.right);
    const int top =
        Clamp(owner.top + (owner.Height() - height) / 2, height, workArea.top, workArea.bottom);
    return {left, top, left + width, top + height};
}

}  // namespace morvane::dialogs
