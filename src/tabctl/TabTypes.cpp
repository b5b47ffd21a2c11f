#include "tabctl/TabTypes.h"

namespace morvane::tabctl {

OleColor ColorSet::Get(ColorRole role) const {
    switch (role) {
        case ColorRole::FaceLight:
            return faceLight;
        case ColorRole::FaceDark:
            return faceDark;
        case ColorRole::SelectedTab:
            return selectedTab;
        case ColorRole::NormalTab:
            return normalTab;
        case ColorRole::NormalText:
            return normalText;
        case ColorRole::SelectedText:
            return selectedText;
    }
    return 0;
}

void ColorSet::Set(ColorRole role, OleColor color) {
    switch (role) {
        case ColorRole::FaceLight:
            faceLight = color;
            return;
        case ColorRole::FaceDark:
            faceDark = color;
            return;
        case ColorRole::SelectedTab:
            selectedTab = color;
            return;
        case ColorRole::NormalTab:
            normalTab = color;
            return;
        case ColorRole::NormalText:
            normalText = color;
            return;
        case ColorRole::SelectedText:
            selectedText = color;
            return;
    }
}

}  // namespace morvane::tabctl
