#pragma once
// Turning key presses in a hot-key edit into the text shown and the key and modifier mask that
// the hot-key registration uses.

#include <cstdint>
#include <string>

#include "options/KeyNamer.h"
#include "shared/TabSettings.h"

namespace morvane {

// Virtual keys the capture treats specially.
inline constexpr std::int32_t VkShift = 16;
inline constexpr std::int32_t VkControl = 17;
inline constexpr std::int32_t VkMenu = 18;
inline constexpr std::int32_t VkLeftWin = 91;
inline constexpr std::int32_t VkOem102 = 226;

// The text and mask bits of a key event's Shift state (1 Shift, 2 Ctrl, 4 Alt).
struct ModifierEntry {
    std::wstring_view text;
    std::int32_t bits;
};
ModifierEntry ModifierOf(std::int32_t shift);

// A key's name: a fixed name for the keys the system names poorly, else the system's.
std::wstring KeyNameOf(std::int32_t keyCode, const KeyNamer& namer);

// One capture edit: its left-Windows-key flag and the hot key it fills.
class HotKeyCapture {
  public:
    // `defaultText` is shown while no usable key is pressed.
    explicit HotKeyCapture(std::wstring defaultText) : defaultText_(std::move(defaultText)) {}

    // A key went down in the edit: updates `key` and answers the edit's new text.
    std::wstring KeyDown(std::int32_t keyCode, std::int32_t shift, HotKeyInfo& key,
                         const KeyNamer& namer);
    // A key went up in the edit; only the left Windows key matters.
    void KeyUp(std::int32_t keyCode);

    bool WinKeyDown() const { return winKeyDown_; }

  private:
    std::wstring defaultText_;
    // The left Windows key went down here and has not been seen going up here.
    bool winKeyDown_ = false;
};

}  // namespace morvane
