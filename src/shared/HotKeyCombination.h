#pragma once
// The key combination a stored hot key registers: its own, or the built-in one while its key
// code is 0. The tab bar registers these; the options windows check them against each other.

#include <cstdint>

#include "shared/TabSettings.h"

namespace morvane {

struct KeyCombination {
    std::int32_t modifiers = 0;  // ModAlt, ModControl, ModShift, ModWin
    std::int32_t key = 0;        // virtual-key code
    bool operator==(const KeyCombination&) const = default;
};

// The built-in keys: Win+Q shows or hides the bar, Ctrl+Tab selects the next tab.
inline constexpr KeyCombination BuiltInBarKey{ModWin, 'Q'};
inline constexpr KeyCombination BuiltInNextTabKey{ModControl, 9};

// The modifier bits that identify a hot key. A stored mask may carry more, such as the no-repeat
// flag 0x4000 left by a hand edit; the system takes two keys that differ only there for one
// combination, so only these bits are registered and compared.
inline constexpr std::int32_t HotKeyModifiers = ModAlt | ModControl | ModShift | ModWin;

// What `key` registers; `builtIn` while its key code is 0.
inline KeyCombination RegisteredCombination(const HotKeyInfo& key, KeyCombination builtIn) {
    return key.KeyCode == 0 ? builtIn
                            : KeyCombination{key.ModKeyCode & HotKeyModifiers, key.KeyCode};
}

// Alt+1 to Alt+9 select the first nine tabs.
inline constexpr std::int32_t FirstTabNumber = 1;
inline constexpr std::int32_t LastTabNumber = 9;
constexpr KeyCombination TabNumberKey(std::int32_t number) {
    return {ModAlt, '0' + number};
}

}  // namespace morvane
