#include "options/HotKeyCapture.h"

#include <array>
#include <utility>

namespace morvane {

ModifierEntry ModifierOf(std::int32_t shift) {
    switch (shift) {
        case 1:
            return {L"Shift+", ModShift};
        case 2:
            return {L"Ctrl+", ModControl};
        case 3:
            return {L"Ctrl+Shift+", ModControl | ModShift};
        case 4:
            return {L"Alt+", ModAlt};
        case 5:
            return {L"Alt+Shift+", ModAlt | ModShift};
        case 6:
            return {L"Alt+Ctrl+", ModAlt | ModControl};
        case 7:
            return {L"Ctrl+Shift+Alt+", ModControl | ModShift | ModAlt};
        default:
            return {L"", 0};
    }
}

std::wstring KeyNameOf(std::int32_t keyCode, const KeyNamer& namer) {
    static constexpr std::array<std::pair<std::int32_t, std::wstring_view>, 12> fixed{{
        {19, L"Pause"},
        {33, L"Page Up"},
        {34, L"Page Down"},
        {35, L"End"},
        {36, L"Home"},
        {37, L"Left"},
        {38, L"Up"},
        {39, L"Right"},
        {40, L"Down"},
        {45, L"Insert"},
        {46, L"Del"},
        {144, L"Num Lock"},
    }};
    for (const auto& [code, name] : fixed) {
        if (code == keyCode) {
            return std::wstring(name);
        }
    }
    return namer.SystemKeyName(keyCode);
}

namespace {

// Keys that never make a hot key on their own: the modifiers and the key beside left Shift.
bool IsModifierKey(std::int32_t keyCode) {
    return keyCode == VkShift || keyCode == VkControl || keyCode == VkMenu || keyCode == VkOem102 ||
           keyCode == VkLeftWin;
}

}  // namespace

std::wstring HotKeyCapture::KeyDown(std::int32_t keyCode, std::int32_t shift, HotKeyInfo& key,
                                    const KeyNamer& namer) {
    if (keyCode == VkLeftWin) {
        winKeyDown_ = true;
    }
    // Shift alone may begin Shift+Tab, the way back out of the edit: the captured key stays.
    if (keyCode == VkShift && shift == 1 && !winKeyDown_) {
        return key.KeyCode != 0 ? key.KeyName : defaultText_;
    }
    std::wstring prefix = winKeyDown_ ? L"Win+" : L"";
    key.ModKeyCode = winKeyDown_ ? ModWin : 0;
    // A key without any modifier makes no hot key.
    if (shift != 0 || !prefix.empty()) {
        const ModifierEntry modifier = ModifierOf(shift);
        prefix += modifier.text;
        key.ModKeyCode += modifier.bits;
        if (!IsModifierKey(keyCode)) {
            key.KeyCode = keyCode;
            key.KeyName = prefix + KeyNameOf(keyCode, namer);
            return key.KeyName;
        }
    }
    // The name is kept; saving stores the default's name for a key code of 0.
    key.KeyCode = 0;
    return defaultText_;
}

void HotKeyCapture::KeyUp(std::int32_t keyCode) {
    if (keyCode == VkLeftWin) {
        winKeyDown_ = false;
    }
}

}  // namespace morvane
