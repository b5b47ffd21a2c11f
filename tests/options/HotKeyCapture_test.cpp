#include <gtest/gtest.h>

#include "options/HotKeyCapture.h"
#include "support/FakeOptionsPorts.h"

namespace morvane::test {
namespace {

constexpr std::int32_t Shift = 1, Ctrl = 2, Alt = 4;

class HotKeyCaptureTest : public ::testing::Test {
  protected:
    HotKeyCaptureTest() {
        namer.names = {{81, L"Q"}, {116, L"F5"}, {92, L"Right Windows"}, {65, L"A"}};
    }
    std::wstring Down(std::int32_t keyCode, std::int32_t shift) {
        return capture.KeyDown(keyCode, shift, key, namer);
    }

    FakeKeyNamer namer;
    HotKeyCapture capture{L"Default"};
    HotKeyInfo key{L"Ctrl+Tab", 9, 2};
};

TEST_F(HotKeyCaptureTest, EveryShiftStateGivesItsTextAndMask) {
    struct Row {
        std::int32_t shift;
        const wchar_t* text;
        std::int32_t mask;
    };
    const Row rows[] = {
        {1, L"Shift+Q", 4},          {2, L"Ctrl+Q", 2},
        {3, L"Ctrl+Shift+Q", 6},     {4, L"Alt+Q", 1},
        {5, L"Alt+Shift+Q", 5},      {6, L"Alt+Ctrl+Q", 3},
        {7, L"Ctrl+Shift+Alt+Q", 7},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Down(81, row.shift), row.text) << "shift " << row.shift;
        EXPECT_EQ(key, (HotKeyInfo{row.text, 81, row.mask})) << "shift " << row.shift;
    }
}

TEST_F(HotKeyCaptureTest, ShiftStatesOutsideTheTableAddNothing) {
    EXPECT_EQ(ModifierOf(0).text, L"");
    EXPECT_EQ(ModifierOf(8).bits, 0);
    Down(91, 0);  // the Windows key held: a prefix without a Shift state
    EXPECT_EQ(Down(81, 0), L"Win+Q");
    EXPECT_EQ(key, (HotKeyInfo{L"Win+Q", 81, 8}));
}

TEST_F(HotKeyCaptureTest, FixedNamesWinOverTheSystemsNames) {
    const std::pair<std::int32_t, const wchar_t*> fixed[] = {
        {19, L"Pause"}, {33, L"Page Up"}, {34, L"Page Down"}, {35, L"End"},
        {36, L"Home"},  {37, L"Left"},    {38, L"Up"},        {39, L"Right"},
        {40, L"Down"},  {45, L"Insert"},  {46, L"Del"},       {144, L"Num Lock"},
    };
    for (const auto& [code, name] : fixed) {
        namer.names[code] = L"system name";
        EXPECT_EQ(KeyNameOf(code, namer), name) << "key " << code;
    }
    EXPECT_EQ(KeyNameOf(81, namer), L"Q");
    EXPECT_EQ(Down(46, Alt | Ctrl), L"Alt+Ctrl+Del");
    EXPECT_EQ(key.ModKeyCode, 3);
    EXPECT_EQ(Down(33, Ctrl | Shift | Alt), L"Ctrl+Shift+Alt+Page Up");
    EXPECT_EQ(key.ModKeyCode, 7);
}

TEST_F(HotKeyCaptureTest, AModifierAloneShowsTheDefaultAndKeepsTheName) {
    EXPECT_EQ(Down(17, Ctrl), L"Default");
    EXPECT_EQ(key, (HotKeyInfo{L"Ctrl+Tab", 0, 2}));
    EXPECT_EQ(Down(81, Ctrl), L"Ctrl+Q");
    EXPECT_EQ(key, (HotKeyInfo{L"Ctrl+Q", 81, 2}));
}

TEST_F(HotKeyCaptureTest, AKeyWithoutModifierMakesNoHotKey) {
    for (const std::int32_t code : {81, 116}) {
        EXPECT_EQ(Down(code, 0), L"Default");
        EXPECT_EQ(key.KeyCode, 0);
        EXPECT_EQ(key.ModKeyCode, 0);
        EXPECT_EQ(key.KeyName, L"Ctrl+Tab");
    }
    EXPECT_EQ(Down(116, Shift), L"Shift+F5");
    EXPECT_EQ(key.ModKeyCode, 4);
}

TEST_F(HotKeyCaptureTest, TheModifierKeysAndKey226AlwaysShowTheDefault) {
    for (const std::int32_t code : {16, 17, 18, 226, 91}) {
        for (const std::int32_t shift : {0, Shift, Ctrl | Alt, Ctrl | Shift | Alt}) {
            if (code == 16 && shift == Shift) {
                continue;  // Shift alone: below
            }
            EXPECT_EQ(Down(code, shift), L"Default") << "key " << code << " shift " << shift;
            EXPECT_EQ(key.KeyCode, 0);
        }
        capture.KeyUp(91);
    }
}

// Shift+Tab leaves the edit backwards: its Shift going down keeps what was captured.
TEST_F(HotKeyCaptureTest, ShiftAloneKeepsTheCapturedKey) {
    EXPECT_EQ(Down(16, Shift), L"Ctrl+Tab");
    Down(65, 0);
    EXPECT_EQ(Down(16, Shift), L"Default");
    EXPECT_EQ(Down(81, Ctrl), L"Ctrl+Q");
    EXPECT_EQ(Down(16, Shift), L"Ctrl+Q");
    EXPECT_EQ(key, (HotKeyInfo{L"Ctrl+Q", 81, 2}));
    Down(91, 0);
    EXPECT_EQ(Down(16, Shift), L"Default") << "with the Windows key held, Shift is a modifier";
}

TEST_F(HotKeyCaptureTest, TheLeftWindowsKeyPrefixesUntilItGoesUpHere) {
    EXPECT_EQ(Down(91, 0), L"Default");
    EXPECT_EQ(key.KeyCode, 0);
    EXPECT_EQ(key.ModKeyCode, 8);
    EXPECT_EQ(Down(81, 0), L"Win+Q");
    EXPECT_EQ(key, (HotKeyInfo{L"Win+Q", 81, 8}));
    EXPECT_EQ(Down(81, Ctrl | Shift), L"Win+Ctrl+Shift+Q");
    EXPECT_EQ(key.ModKeyCode, 14);

    capture.KeyUp(81);  // another key's release leaves the flag
    EXPECT_TRUE(capture.WinKeyDown());
    capture.KeyUp(91);
    EXPECT_FALSE(capture.WinKeyDown());
    EXPECT_EQ(Down(81, 0), L"Default");
    EXPECT_EQ(key.ModKeyCode, 0);
}

TEST_F(HotKeyCaptureTest, TheRightWindowsKeyIsAnOrdinaryKey) {
    EXPECT_EQ(Down(92, 0), L"Default");
    EXPECT_EQ(key.KeyCode, 0);
    EXPECT_FALSE(capture.WinKeyDown());
    EXPECT_EQ(Down(92, Ctrl), L"Ctrl+Right Windows");
    EXPECT_EQ(key, (HotKeyInfo{L"Ctrl+Right Windows", 92, 2}));
}

TEST_F(HotKeyCaptureTest, AKeyTheSystemCannotNameShowsTheModifiersAlone) {
    EXPECT_EQ(Down(255, Ctrl), L"Ctrl+");
    EXPECT_EQ(key, (HotKeyInfo{L"Ctrl+", 255, 2}));
}

}  // namespace
}  // namespace morvane::test
