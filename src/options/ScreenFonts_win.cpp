#include "options/ScreenFonts_win.h"

#include <windows.h>

#include <algorithm>
#include <memory>

namespace morvane {

namespace {

struct ScreenDcRelease {
    void operator()(HDC dc) const { ReleaseDC(nullptr, dc); }
};
using ScreenDc = std::unique_ptr<std::remove_pointer_t<HDC>, ScreenDcRelease>;

int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
    try {
        auto& list = *reinterpret_cast<std::vector<std::wstring>*>(names);
        const std::wstring face = font->lfFaceName;
        // The system reports a face once for every character set it covers.
        if (std::find(list.begin(), list.end(), face) == list.end()) {
            list.push_back(face);
        }
        return 1;
    } catch (...) {
        return 0;  // out of memory: the list ends here
    }
}

}  // namespace

std::vector<std::wstring> ScreenFonts::ScreenFontNames() const {
    std::vector<std::wstring> names;
    const ScreenDc dc(GetDC(nullptr));
    if (!dc) {
        return names;
    }
    LOGFONTW every{};
    every.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc.get(), &every, AddFace, reinterpret_cast<LPARAM>(&names), 0);
    return names;
}

}  // namespace morvane
