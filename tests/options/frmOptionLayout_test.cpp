// The options dialog's form: its controls' places on their pages, its texts and its ids.
#include "addin/options/frmOption.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace morvane::frmOption {
namespace {

using dialogs::ControlKind;
using dialogs::ControlSpec;
using dialogs::TwipsRect;

const dialogs::TextLookup kEnglish = [](const std::wstring&, const std::wstring& def) {
    return def;
};

bool Overlap(const TwipsRect& a, const TwipsRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

bool Within(const TwipsRect& inner, const TwipsRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top &&
           inner.left + inner.width <= outer.left + outer.width &&
           inner.top + inner.height <= outer.top + outer.height;
}

// The part of a control that shows while nothing is dropped down: a list's closed box.
TwipsRect Closed(const ControlSpec& control) {
    const bool list =
        control.kind == ControlKind::DropList || control.kind == ControlKind::ComboEdit;
    return list ? TwipsRect{control.place.left, control.place.top, control.place.width, 315}
                : control.place;
}

// Controls shown together: the same page, or below the pages.
bool ShownTogether(int a, int b) {
    const auto pa = PageOf(a);
    const auto pb = PageOf(b);
    return !pa || !pb || *pa == *pb;
}

TEST(frmOptionLayout, NoTwoControlsShownTogetherOverlapAndEachLiesInAFrameOfItsPage) {
    const auto form = Layout(kEnglish, L"Morvane Options");
    const TwipsRect strip = form.controls.front().place;
    ASSERT_EQ(form.controls.front().id, TabControl1);
    for (const ControlSpec& a : form.controls) {
        SCOPED_TRACE(a.id);
        if (a.kind == ControlKind::Frame) {
            EXPECT_FALSE(Overlap(a.place, strip));
            continue;
        }
        for (const ControlSpec& b : form.controls) {
            if (&a != &b && b.kind != ControlKind::Frame && ShownTogether(a.id, b.id)) {
                EXPECT_FALSE(Overlap(Closed(a), Closed(b))) << "with " << b.id;
            }
        }
        if (PageOf(a.id)) {
            const bool framed = std::any_of(
                form.controls.begin(), form.controls.end(), [&](const ControlSpec& frame) {
                    return frame.kind == ControlKind::Frame && PageOf(frame.id) == PageOf(a.id) &&
                           Within(Closed(a), frame.place);
                });
            EXPECT_TRUE(framed);
        }
    }
}

TEST(frmOptionLayout, TaggedControlsTakeTheirTextsAndEveryIdIsPlacedOnce) {
    const auto form = Layout(
        [](const std::wstring& key, const std::wstring&) { return L"[" + key + L"]"; }, L"Caption");
    std::set<int> ids;
    for (const ControlSpec& control : form.controls) {
        EXPECT_TRUE(ids.insert(control.id).second) << control.id;
        if (!control.tag.empty()) {
            EXPECT_EQ(control.text, L"[" + control.tag + L"]");
        }
    }
    EXPECT_EQ(form.caption, L"Caption");
    EXPECT_EQ(form.defaultId, cmdOK);
    EXPECT_EQ(form.cancelId, PushButton_Cancel);
    auto english = Layout(kEnglish, L"");
    const auto* ok = english.Find(cmdOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text, L"&OK");
    // The link shows the home page it opens.
    EXPECT_EQ(english.Find(Labelblog)->text, L"https://morvane.example.com/");
}

TEST(frmOptionLayout, PagesAndBoxes) {
    EXPECT_EQ(PageOf(Check1), OptionsPage::PopularPosition);
    EXPECT_EQ(PageOf(Picture3), OptionsPage::PopularPosition);
    EXPECT_EQ(PageOf(FrameTheme), OptionsPage::AppearanceColor);
    EXPECT_EQ(PageOf(TabControl3), OptionsPage::AppearanceColor);
    EXPECT_EQ(PageOf(Labelblog), OptionsPage::About);
    EXPECT_EQ(PageOf(cmdOK), std::nullopt);
    EXPECT_EQ(PageOf(TabControl1), std::nullopt);
    std::set<OptionsBox> boxes;
    for (int id = TabControl1; id <= Labelblog; ++id) {
        if (const auto box = BoxOf(id)) {
            EXPECT_TRUE(boxes.insert(*box).second);
        }
    }
    EXPECT_EQ(boxes.size(), 13U);
}

}  // namespace
}  // namespace morvane::frmOption
