#include "center/CenterForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace morvane::test {
namespace {

using namespace morvane::center;

const CenterControl& Of(const std::vector<CenterControl>& controls, int id) {
    return *std::find_if(controls.begin(), controls.end(),
                         [id](const CenterControl& c) { return c.spec.id == id; });
}

TEST(CenterForm, EveryOptionControlIsSwitchedByTheAddinBoxAndNothingElseIs) {
    const auto controls = CenterControls();
    std::set<int> ids;
    for (const auto& control : controls) {
        EXPECT_TRUE(ids.insert(control.spec.id).second) << control.spec.id;
        const bool option = control.page == CenterPage::PopularPosition ||
                            control.page == CenterPage::AppearanceColor;
        // The add-in box itself stays usable.
        const bool addinBox = control.spec.id == CheckBox_Enbeld;
        EXPECT_EQ(SwitchedByAddinBox(control), option && !addinBox) << control.spec.id;
    }
    EXPECT_EQ(Of(controls, CheckBox_Enbeld).tag, L"Enable");
    for (const int id :
         {PushButton_Top0, PushButton_Top1, PushButton_Apply, PushButton_Cancel, Labelblog}) {
        EXPECT_TRUE(Of(controls, id).tag.empty()) << id;
    }
}

TEST(CenterForm, InputControlsAreMarkedButKeepNoLookedUpText) {
    const auto controls = CenterControls();
    for (const int id : {ComboBox_Font, ComboBox_FontSize, ComboBox1, ComboBox2, ComboBox3,
                         FlatEdit2, FlatEdit3, FlatEdit4, FlatEdit5, Picture4}) {
        EXPECT_EQ(Of(controls, id).tag, L"Project") << id;
        EXPECT_TRUE(Of(controls, id).spec.tag.empty()) << id;
    }
    // Whatever the language file says about "Project", an input control's text stays empty.
    const auto form = CenterFormDesign([](const std::wstring& key, const std::wstring& def) {
        return key == L"Project" ? L"translated" : def;
    });
    for (const auto& control : form.controls) {
        EXPECT_NE(control.text, L"translated") << control.id;
    }
}

TEST(CenterForm, CaptionsComeFromTheirKeysWithTheDesignTextsAsDefaults) {
    const auto texts = [](const std::wstring& key, const std::wstring& def) {
        return key == L"MsgBox" || key == L"KovoOptions" || key == L"Cancel" ? L"<" + key + L">"
                                                                             : def;
    };
    auto form = CenterFormDesign(texts);
    EXPECT_EQ(form.Find(CheckBox_ExitInfor)->text, L"<MsgBox>");
    EXPECT_EQ(form.Find(PushButton_Top0)->text, L"<KovoOptions>");
    EXPECT_EQ(form.Find(PushButton_Cancel)->text, L"<Cancel>");
    EXPECT_EQ(form.Find(PushButton_Apply)->text, L"&OK");
    EXPECT_EQ(form.Find(Frame_About)->text, L"About Morvane 6.00");
    EXPECT_EQ(form.Find(CheckBox_onehide)->text,
              L" Hide Tab bar when only one  window can be seen");
    EXPECT_EQ(form.Find(PushButton6)->text, L"FaceDark");
}

TEST(CenterForm, OnlyTheElevatedBuildSaysSoInItsCaption) {
    const auto english = [](const std::wstring&, const std::wstring& def) { return def; };
    EXPECT_EQ(CenterCaption(english, false), L"Morvane Center");
    EXPECT_EQ(CenterCaption(english, true), L"Morvane Center(Admin)");
    const auto other = [](const std::wstring& key, const std::wstring& def) {
        return key == L"Setting" ? std::wstring(L"Centre") : def;
    };
    EXPECT_EQ(CenterCaption(other, true), L"Centre(Admin)");
}

}  // namespace
}  // namespace morvane::test
