#include "options/OptionsControlIds.h"

#include <array>
#include <utility>

namespace morvane {

std::optional<OptionsList> OptionsControlIds::ListOf(int id) const {
    const std::array<std::pair<int, OptionsList>, 5> lists{{
        {positionList, OptionsList::Position},
        {appearanceList, OptionsList::Appearance},
        {layoutList, OptionsList::Layout},
        {fontNameList, OptionsList::FontNames},
        {fontSizeList, OptionsList::FontSizes},
    }};
    for (const auto& [listId, list] : lists) {
        if (listId == id) {
            return list;
        }
    }
    return std::nullopt;
}

int OptionsControlIds::ControlOf(OptionsField field) const {
    switch (field) {
        case OptionsField::BarHotKeyEdit:
            return barHotKeyEdit;
        case OptionsField::TabHotKeyEdit:
            return tabHotKeyEdit;
        case OptionsField::MaxWidthEdit:
            return maxWidthEdit;
        case OptionsField::FixWidthEdit:
            return fixWidthEdit;
        case OptionsField::BarHotKeyBox:
            return barHotKeyBox;
        case OptionsField::TabHotKeyBox:
            return tabHotKeyBox;
        case OptionsField::AddinBox:
            break;
    }
    return addinBox;
}

}  // namespace morvane
