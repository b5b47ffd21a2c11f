#include "addin/Backstage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvane::Backstage {
namespace {

// Every id="..." of the document, in document order.
std::vector<std::wstring> IdsIn(const std::wstring& xml) {
    std::vector<std::wstring> ids;
    const std::wstring marker = L" id=\"";
    for (auto at = xml.find(marker); at != std::wstring::npos; at = xml.find(marker, at + 1)) {
        const auto start = at + marker.size();
        ids.push_back(xml.substr(start, xml.find(L'"', start) - start));
    }
    return ids;
}

TEST(BackstageDocument, IsOneLineWithTheControlsInOrder) {
    const std::wstring xml = GetRibbonXML();
    EXPECT_EQ(xml.find_first_of(L"\r\n"), std::wstring::npos);
    EXPECT_EQ(xml.rfind(L"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\" "
                        L"onLoad=\"rxcustomUI_onLoad\">",
                        0),
              0u);
    const std::vector<std::wstring> expected{
        L"Morvane",        L"GroupMorvane",  L"categoryMorvaneOption",
        L"Morvanevisible", L"MorvaneOpTion", L"categoryMorvane",
        L"Helps",          L"ConnectUs",     L"Morvanelogo",
        L"logo",           L"AboutMorvane",  L"Version",
        L"layout2",        L"HomePage",      L"hyperLinkHome"};
    EXPECT_EQ(IdsIn(xml), expected);
    EXPECT_NE(xml.find(L"<tab id=\"Morvane\" insertBeforeMso=\"TabHelp\" label=\"Morvane\" "
                       L"firstColumnMaxWidth=\"400\" secondColumnMaxWidth=\"600\">"),
              std::wstring::npos);
    EXPECT_NE(xml.find(L"<task id=\"Morvanevisible\" getLabel=\"GetLabel\" getImage=\"getImage\" "
                       L"getDescription=\"GetDescription\" isDefinitive=\"true\" "
                       L"onAction=\"pr_OnAction\"/>"),
              std::wstring::npos);
    EXPECT_NE(xml.find(L"<task id=\"ConnectUs\" getLabel=\"GetLabel\" "
                       L"imageMso=\"HelpContactMicrosoft\" getDescription=\"GetDescription\" "
                       L"isDefinitive=\"true\" onAction=\"pr_OnAction\"/>"),
              std::wstring::npos);
}

struct TextCase {
    const wchar_t* id;
    const wchar_t* key;  // nullptr: the id has no text
    const wchar_t* text;
};

TEST(BackstageTexts, LabelsByExactId) {
    const TextCase cases[] = {
        {L"Morvanevisible", L"RbShow", L"Show Tab bar"},
        {L"MorvaneOpTion", L"RbOptions", L"Morvane Options"},
        {L"categoryMorvaneOption", L"RbSetting", L"Morvane Setting Tools"},
        {L"categoryMorvane", L"RbSupport", L"Morvane Services and Support"},
        {L"Helps", L"RbHelp", L"Morvane Help"},
        {L"ConnectUs", L"RbContact", L"Contact Us"},
        {L"AboutMorvane", L"RbAbout", L"About Morvane"},
        {L"Version", L"RbVersion", L"Version: 6.50(bulid 2011-01-11)"},
        {L"layout2", nullptr, nullptr},
        {L"HomePage", nullptr, nullptr},
        {L"logo", nullptr, nullptr},
        {L"morvanevisible", nullptr, nullptr},
        {L"", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const auto label = LabelOf(c.id);
        ASSERT_EQ(label.has_value(), c.key != nullptr) << c.id;
        if (!label)
            continue;
        EXPECT_EQ(label->Key, c.key);
        EXPECT_EQ(label->Default, c.text);
    }
    const auto home = LabelOf(L"hyperLinkHome");
    ASSERT_TRUE(home);
    EXPECT_EQ(home->Key, L"RbHomepage");
    EXPECT_FALSE(home->Default.empty());
}

TEST(BackstageTexts, DescriptionsByExactId) {
    const TextCase cases[] = {
        {L"Morvanevisible", L"RbShowDes", L"Click to Hide/Display Tab bar."},
        {L"MorvaneOpTion", L"RbOptionsDes", L"Configure Morvane setting."},
        {L"Helps", L"RbHelpDes", L"Get help using Morvane."},
        {L"ConnectUs", L"RbContactDes",
         L"Let us know if you need help or how we can make Morvane better."},
        {L"categoryMorvane", nullptr, nullptr},
        {L"Version", nullptr, nullptr},
        {L"HELPS", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const auto text = DescriptionOf(c.id);
        ASSERT_EQ(text.has_value(), c.key != nullptr) << c.id;
        if (!text)
            continue;
        EXPECT_EQ(text->Key, c.key);
        EXPECT_EQ(text->Default, c.text);
    }
}

TEST(BackstageImages, ShowIconOnlyWhileTheBarIsShown) {
    EXPECT_EQ(ImageOf(L"Morvanevisible", 0), Image::ShowIcon);
    EXPECT_EQ(ImageOf(L"Morvanevisible", 1), Image::None);
    EXPECT_EQ(ImageOf(L"Morvanevisible", -1), Image::None);
    EXPECT_EQ(ImageOf(L"logo", 0), Image::Logo);
    EXPECT_EQ(ImageOf(L"logo", 1), Image::Logo);
    EXPECT_EQ(ImageOf(L"HomePage", 0), Image::None);
    EXPECT_EQ(ImageOf(L"Logo", 0), Image::None);
}

TEST(BackstageActions, OneActionPerTask) {
    EXPECT_EQ(ActionOf(L"Morvanevisible"), Action::ToggleBar);
    EXPECT_EQ(ActionOf(L"MorvaneOpTion"), Action::Options);
    EXPECT_EQ(ActionOf(L"Helps"), Action::Help);
    EXPECT_EQ(ActionOf(L"ConnectUs"), Action::Contact);
    EXPECT_EQ(ActionOf(L"MorvaneOption"), Action::None);
    EXPECT_EQ(ActionOf(L"hyperLinkHome"), Action::None);
}

}  // namespace
}  // namespace morvane::Backstage
