#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <vector>

#include "options/HotKeyCapture.h"
#include "options/ScreenFonts_win.h"
#include "options/SystemKeyNamer_win.h"

namespace morvane::test {
namespace {

TEST(SystemKeyNamer, NamesKeysAsTheKeyboardLayoutDoes) {
    const SystemKeyNamer namer;
    EXPECT_EQ(namer.SystemKeyName(81), L"Q");
    EXPECT_EQ(namer.SystemKeyName(116), L"F5");
    EXPECT_EQ(namer.SystemKeyName(9), L"Tab");
    // A key without a scan code has no name.
    EXPECT_EQ(namer.SystemKeyName(0xFF), L"");
}

TEST(SystemKeyNamer, TheCaptureNamesWithIt) {
    const SystemKeyNamer namer;
    HotKeyCapture capture(L"Default");
    HotKeyInfo key;
    EXPECT_EQ(capture.KeyDown(81, 2, key, namer), L"Ctrl+Q");
    EXPECT_EQ(capture.KeyDown(46, 6, key, namer), L"Alt+Ctrl+Del");
    EXPECT_EQ(key, (HotKeyInfo{L"Alt+Ctrl+Del", 46, 3}));
}

// The families as the older call lists them, at their first appearance (it too may name a
// family once for each character set).
int CALLBACK AddFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM names) {
    auto& list = *reinterpret_cast<std::vector<std::wstring>*>(names);
    if (std::find(list.begin(), list.end(), font->lfFaceName) == list.end()) {
        list.push_back(font->lfFaceName);
    }
    return 1;
}

TEST(ScreenFonts, ListsEveryScreenFamilyOnceInTheSystemsOrder) {
    const auto names = ScreenFonts().ScreenFontNames();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(std::set<std::wstring>(names.begin(), names.end()).size(), names.size());

    std::vector<std::wstring> families;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesW(screen, nullptr, AddFamily, reinterpret_cast<LPARAM>(&families));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(names, families);
}

}  // namespace
}  // namespace morvane::test
