#pragma once
// The tab bar's layout and caption rules.

#include <cstdint>
#include <optional>
#include <string>

#include "shared/Numbers.h"
#include "shared/TabSettings.h"
#include "tabctl/TabTypes.h"

namespace morvane {

// Bars above or below the workspace; every other value is a vertical bar.
bool IsHorizontal(BarPosition position);

// Twips by which the control's leading margin is pushed behind the bar's near edge.
std::int32_t StripOffset(std::int32_t theme);

// The control's side for a Position; any value past the four is the right edge.
tabctl::TabSide PositionCode(BarPosition position);

// The control's layout for a TbLayout; no value for one it does not know.
std::optional<tabctl::TabLayout> TabLayoutFor(std::int32_t tbLayout);

// The fixed tab width: FixWidth, or 70 pixels when it is not set.
std::int32_t FixedTabWidth(std::int32_t fixWidth);

// The tool-tip style by the host's version number.
tabctl::ToolTipStyle ToolTipStyleFor(int hostVersion);

// A tab's caption: two blanks either side of the window's caption.
std::wstring TabCaption(const std::wstring& windowCaption);

// The unsaved mark that follows the caption of a project with unsaved changes.
inline constexpr const wchar_t* UnsavedMark = L"*  ";

// The strip's thickness in whole pixels from the control's extent and its page area (twips),
// rounded to the nearest whole pixel, halves to the even one.
std::int32_t StripThickness(std::int32_t extent, std::int32_t pageArea, double twipsPerPixel);

}  // namespace morvane
