#include "addin/dialogs/FormDesign.h"

#include <gtest/gtest.h>

#include "addin/dialogs/frmCloseMsg.h"
#include "addin/dialogs/frmLock.h"
#include "addin/dialogs/frmMessage.h"
#include "addin/dialogs/frmRename.h"
#include "shared/TabSettings.h"
#include "support/FakeRegistry.h"

namespace morvane::dialogs {
namespace {

TEST(EditText, EveryLineBreakBecomesCrLf) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"", L""},
        {L"one line", L"one line"},
        {L"ends in a break\n", L"ends in a break\r\n"},
        {L"a\nb", L"a\r\nb"},
        {L"a\r\nb", L"a\r\nb"},
        {L"a\rb", L"a\r\nb"},
        {L"a\n\nb", L"a\r\n\r\nb"},
        {L"a\r\n\r\n", L"a\r\n\r\n"},
        {L"\n\r", L"\r\n\r\n"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(EditText(text), shown) << "from: " << testing::PrintToString(text);
    }
}

TEST(ToPixels, TwipsAtTheScreensResolution) {
    // 15 twips a pixel at 96 dpi, 10 at 144 dpi; rows and columns may differ.
    EXPECT_EQ(ToPixels({1290, 0, 5055, 855}, 96, 96), (PixelRect{86, 0, 423, 57}));
    EXPECT_EQ(ToPixels({1290, 0, 5055, 855}, 144, 144), (PixelRect{129, 0, 635, 86}));
    EXPECT_EQ(ToPixels({1440, 1440, 1440, 720}, 120, 96), (PixelRect{120, 96, 240, 144}));
}

TEST(ToPixels, NeighboursStayNeighbours) {
    // Two 8-twip strips side by side at 96 dpi: rounding the first one's left edge and its
    // width apart would make it end a pixel into the second.
    const PixelRect first = ToPixels({8, 0, 8, 10}, 96, 96);
    const PixelRect second = ToPixels({16, 0, 8, 10}, 96, 96);
    EXPECT_EQ(first.right, second.left);
}

TEST(CenterOver, CentredOverTheOwnerAndKeptOnTheWorkArea) {
    const PixelRect work{0, 0, 1280, 1000};
    EXPECT_EQ(CenterOver({100, 100, 700, 500}, 200, 100, work), (PixelRect{300, 250, 500, 350}));
    // An owner hanging off the left or bottom edge: the dialog stays on the screen.
    EXPECT_EQ(CenterOver({-600, 900, 0, 1300}, 400, 200, work), (PixelRect{0, 800, 400, 1000}));
    // Larger than the work area: its top-left corner stays visible.
    EXPECT_EQ(CenterOver({0, 0, 1280, 1000}, 2000, 1200, work), (PixelRect{0, 0, 2000, 1200}));
    // A second screen left of the first.
    EXPECT_EQ(CenterOver({-1000, 0, -200, 600}, 400, 200, {-1280, 0, 0, 1024}),
              (PixelRect{-800, 200, -400, 400}));
}

TEST(ClientPlace, TheControlsFurthestEdgesAndAMargin) {
    FormDesign form;
    form.controls = {{1, ControlKind::Button, L"", L"", {100, 200, 300, 400}},
                     {2, ControlKind::Button, L"", L"", {500, 0, 100, 100}}};
    const TwipsRect client = ClientPlace(form);
    EXPECT_EQ(client.width, 600 + 120);
    EXPECT_EQ(client.height, 600 + 120);
}

TEST(Inside, AFramesChildIsPlacedFromTheFramesCorner) {
    const TwipsRect child = Inside({1200, 150, 5715, 1185}, {90, 150, 5565, 975});
    EXPECT_EQ(child.left, 1290);
    EXPECT_EQ(child.top, 300);
    EXPECT_EQ(child.width, 5565);
    EXPECT_EQ(child.height, 975);
}

// Every form: its keyboard ids name real controls, Enter and Esc press buttons, and no two
// of its buttons, check boxes or edit boxes overlap or leave the client area.
TEST(FormLayout, EveryFormIsUsableFromTheKeyboardAndNothingOverlaps) {
    const TextLookup english = [](const std::wstring&, const std::wstring& def) { return def; };
    TabSettings settings;
    DialogResults results;
    morvane::test::FakeRegistry registry;
    frmCloseMsg closeMsg(english, registry, settings, results);
    frmLock lock(english, L"Plan", {}, results);
    frmRename rename(english, std::nullopt, L"Plan", results);
    frmMessage message(english, L"Done.");
    for (Form* form : std::initializer_list<Form*>{&closeMsg, &lock, &rename, &message}) {
        FormDesign spec = form->Form_Load();
        EXPECT_EQ(spec.caption, L"Morvane");
        ASSERT_NE(spec.Find(spec.defaultId), nullptr);
        ASSERT_NE(spec.Find(spec.cancelId), nullptr);
        ASSERT_NE(spec.Find(spec.focusId), nullptr);
        EXPECT_EQ(spec.Find(spec.defaultId)->kind, ControlKind::Button);
        EXPECT_EQ(spec.Find(spec.cancelId)->kind, ControlKind::Button);
        const TwipsRect client = ClientPlace(spec);
        for (const ControlSpec& a : spec.controls) {
            EXPECT_GE(a.place.left, 0);
            EXPECT_GE(a.place.top, 0);
            EXPECT_LE(a.place.left + a.place.width, client.width);
            for (const ControlSpec& b : spec.controls) {
                const bool inputs = a.kind >= ControlKind::Edit && b.kind >= ControlKind::Edit;
                if (&a == &b || !inputs) {
                    continue;
                }
                const bool apart = a.place.left + a.place.width <= b.place.left ||
                                   b.place.left + b.place.width <= a.place.left ||
                                   a.place.top + a.place.height <= b.place.top ||
                                   b.place.top + b.place.height <= a.place.top;
                EXPECT_TRUE(apart) << a.id << " overlaps " << b.id;
            }
        }
    }
}

}  // namespace
}  // namespace morvane::dialogs
