#pragma once
// The settings record: one field per value of the settings key, named after the value.

#include <cstdint>
#include <string>

namespace morvane {

// Modifier bits of ModKeyCode, as the system's hot-key call takes them.
inline constexpr std::int32_t ModAlt = 1;
inline constexpr std::int32_t ModControl = 2;
inline constexpr std::int32_t ModShift = 4;
inline constexpr std::int32_t ModWin = 8;

// One hot key as stored under HotKeyBar or HotKeyTabit.
struct HotKeyInfo {
    std::wstring KeyName;         // shown in the dialogs, such as "Default(Win+Q)"
    std::int32_t KeyCode = 0;     // virtual-key code; 0 = the built-in default
    std::int32_t ModKeyCode = 0;  // 1 Alt, 2 Ctrl, 4 Shift, 8 Win

    bool operator==(const HotKeyInfo&) const = default;
};

// The bar's place, the values of Position.
enum BarPosition : std::int32_t {
    BarAbove = 0,
    BarBelow = 1,
    BarLeft = 2,
    BarRight = 3,
};

// Colours are 0x00BBGGRR. Switches marked inverted mean "on" when 0.
struct TabSettings {
    std::int32_t EnabledApp = 0;     // inverted: non-zero switches the add-in off
    HotKeyInfo HotKeyBar;            // shows or hides the bar
    HotKeyInfo HotKeyTabit;          // selects the next tab
    std::int32_t FixWidth = 0;       // tab width for the fixed layout; 0 = the bar's own
    std::int32_t MaxWidth = 0;       // largest tab width for the other layouts; 0 = not set
    std::int32_t TbLayout = 0;       // 0 AutoSize, 1 SizeToFit, 2 Fixed
    std::int32_t EnableReorder = 0;  // inverted: tabs can be dragged
    std::int32_t EnableCreate = 0;   // inverted: a double click on the empty bar creates a project
    std::int32_t EnableMiddle = 0;   // inverted: a middle click closes the tab's window
    std::int32_t TabFontSize = 0;    // points
    std::wstring TabFontName;
    std::int32_t EnableFontSize = 0;  // 1 = use TabFontSize, 0 = the system's size
    std::int32_t EnableFontName = 0;  // 1 = use TabFontName, 0 = the system's face
    std::int32_t EnableTa = 0;        // inverted: the show/hide hot key is registered
    std::int32_t EnableTi = 0;        // inverted: the next-tab hot key is registered
    std::int32_t EnableAlt = 0;       // inverted: Alt+1 to Alt+9 are registered
    std::int32_t ShowAll = 0;         // 1 = every project window in the Windows taskbar
    std::int32_t TabShow = 0;         // 0 = the bar is shown, 1 = hidden
    std::int32_t ExitInfor = 0;       // inverted: confirm closing the host with several windows
    std::int32_t Theme = 0;           // appearance style 0 to 10
    BarPosition Position = BarAbove;  // taken as stored, any number
    std::int32_t OneHide = 0;         // 1 = hide the bar while fewer than two windows are visible
    std::int32_t CusColor = 0;        // 1 = draw the bar in the six colours below
    std::int32_t CoSelect = 0;        // selected tab
    std::int32_t CoNormal = 0;        // normal tab
    std::int32_t CoBack = 0;          // bar face, light
    std::int32_t CoBackii = 0;        // bar face, dark
    std::int32_t CoText = 0;          // text of normal tabs
    std::int32_t CoTextSe = 0;        // text of the selected tab
    std::int32_t DoubleC = 0;         // inverted: a double click on a tab closes its window

    bool operator==(const TabSettings&) const = default;
};

// No appearance: the tab control refuses it and keeps the one it has.
inline constexpr std::int32_t NoAppearance = -1;

// The tab control's appearance for a Theme: styles 8, 9 and 10 are appearances 9, 10 and 11. A
// stored Theme outside 0 to 10 gives NoAppearance.
constexpr std::int32_t AppearanceFor(std::int32_t theme) {
    if (theme < 0 || theme > 10) {
        return NoAppearance;
    }
    return theme < 8 ? theme : theme + 1;
}

// Styles 4, 9 and 10 draw in their own colours: the custom colours do not apply to them.
constexpr bool ThemeHasOwnColors(std::int32_t theme) {
    return theme == 4 || theme == 9 || theme == 10;
}

}  // namespace morvane
