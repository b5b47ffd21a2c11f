#include "options/SystemKeyNamer_win.h"

#include <windows.h>

#include <array>

#include "shared/AnsiText_win.h"

namespace morvane {

std::wstring SystemKeyNamer::SystemKeyName(std::int32_t keyCode) const {
    const UINT scan = MapVirtualKeyA(static_cast<UINT>(keyCode), MAPVK_VK_TO_VSC);
    // The scan code in bits 16 to 23; the extended-key bit stays clear.
    std::array<char, 255> name{};
    const int length = GetKeyNameTextA(static_cast<LONG>((scan & 0xFF) << 16), name.data(),
                                       static_cast<int>(name.size()));
    if (length <= 0) {
        return {};
    }
    return FromAnsi(std::string(name.data(), static_cast<std::size_t>(length)));
}

}  // namespace morvane
