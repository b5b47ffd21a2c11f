#include "options/ColorPreview.h"

#include "tabctl/Appearance.h"

namespace morvane {

void ColorPreview::SetColorStyle(tabctl::ColorStyle style) {
    colorStyle = style;
    colors = tabctl::StyleColors(style, appearance);
}

void ColorPreview::SetAppearance(std::int32_t value) {
    if (tabctl::IsAppearance(value)) {
        appearance = value;
    }
}

}  // namespace morvane
