#pragma once
// The ids a window gives the controls that the options model knows by role. The options dialog
// and the settings center number their controls differently; each names its own ids here and
// both find a role the same way.

#include <optional>

#include "options/OptionsModel.h"

namespace morvane {

struct OptionsControlIds {
    int positionList = 0;
    int appearanceList = 0;
    int layoutList = 0;
    int fontNameList = 0;
    int fontSizeList = 0;
    int barHotKeyEdit = 0;
    int tabHotKeyEdit = 0;
    int maxWidthEdit = 0;
    int fixWidthEdit = 0;
    int barHotKeyBox = 0;
    int tabHotKeyBox = 0;
    int addinBox = 0;  // the settings center's only

    // The list a control is; none for any other control.
    std::optional<OptionsList> ListOf(int id) const;
    // The control that gets the focus when saving refuses an input.
    int ControlOf(OptionsField field) const;
};

}  // namespace morvane
