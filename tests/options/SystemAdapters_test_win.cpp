#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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

TEST(ScreenFonts, ListsEachScreenFaceOnce) {
    const auto names = ScreenFonts().ScreenFontNames();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(std::set<std::wstring>(names.begin(), names.end()).size(), names.size());
    EXPECT_NE(std::find(names.begin(), names.end(), L"Tahoma"), names.end());
    EXPECT_TRUE(std::none_of(names.begin(), names.end(),
                             [](const std::wstring& name) { return name.empty(); }));
}

}  // namespace
}  // namespace morvane::test
