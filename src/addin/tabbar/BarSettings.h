#pragma once
// The settings the tab bar reads, under the names of the settings record, and the host facts
// that go with them.

#include <cstdint>
#include <string>

namespace morvane {

struct HotKeyInfo {
    std::wstring KeyName;
    std::int32_t KeyCode = 0;     // 0: the built-in default
    std::int32_t ModKeyCode = 0;  // 1 Alt, 2 Ctrl, 4 Shift, 8 Win
};

struct BarSettings {
    HotKeyInfo HotKeyBar;
    HotKeyInfo HotKeyTabit;
    std::int32_t FixWidth = 0;
    std::int32_t MaxWidth = 0;
    std::int32_t TbLayout = 0;
    std::int32_t EnableReorder = 0;  // inverted switches: 0 = on
    std::int32_t EnableCreate = 0;
    std::int32_t EnableMiddle = 0;
    std::int32_t TabFontSize = 9;
    std::wstring TabFontName;
    std::int32_t EnableTa = 0;
    std::int32_t EnableTi = 0;
    std::int32_t EnableAlt = 0;
    std::int32_t TabShow = 0;  // 0 = shown
    std::int32_t Theme = 7;
    std::int32_t Position = 0;
    std::int32_t OneHide = 0;
    std::int32_t CusColor = 0;
    std::uint32_t CoSelect = 0;
    std::uint32_t CoNormal = 0;
    std::uint32_t CoBack = 0;
    std::uint32_t CoBackii = 0;
    std::uint32_t CoText = 0;
    std::uint32_t CoTextSe = 0;
    std::int32_t DoubleC = 0;
};

// A host version text by its leading decimal number: "12.0" is 12; 0 when there is none.
int HostVersionNumber(const std::wstring& version);

}  // namespace morvane
