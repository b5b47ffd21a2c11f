#include "addin/Backstage.h"

#include <array>
#include <utility>

#include "shared/WebPages.h"

namespace morvane::Backstage {

namespace {

struct Row {
    std::wstring_view Id;
    std::wstring_view Key;
    std::wstring_view Default;
};

// The hyperlink's label where the language file has none.
constexpr std::wstring_view kHomePageName = L"Morvane on the web";

constexpr std::array kLabels{
    Row{L"Morvanevisible", L"RbShow", L"Show Tab bar"},
    Row{L"MorvaneOpTion", L"RbOptions", L"Morvane Options"},
    Row{L"categoryMorvaneOption", L"RbSetting", L"Morvane Setting Tools"},
    Row{L"categoryMorvane", L"RbSupport", L"Morvane Services and Support"},
    Row{L"Helps", L"RbHelp", L"Morvane Help"},
    Row{L"ConnectUs", L"RbContact", L"Contact Us"},
    Row{L"AboutMorvane", L"RbAbout", L"About Morvane"},
    Row{L"Version", L"RbVersion", L"Version: 6.50(bulid 2011-01-11)"},
    Row{L"hyperLinkHome", L"RbHomepage", kHomePageName},
};

constexpr std::array kDescriptions{
    Row{L"Morvanevisible", L"RbShowDes", L"Click to Hide/Display Tab bar."},
    Row{L"MorvaneOpTion", L"RbOptionsDes", L"Configure Morvane setting."},
    Row{L"Helps", L"RbHelpDes", L"Get help using Morvane."},
    Row{L"ConnectUs", L"RbContactDes",
        L"Let us know if you need help or how we can make Morvane better."},
};

template <std::size_t N>
std::optional<LangText> Find(const std::array<Row, N>& table, std::wstring_view id) {
    for (const Row& row : table) {
        if (row.Id == id)
            return LangText{std::wstring(row.Key), std::wstring(row.Default)};
    }
    return std::nullopt;
}

std::wstring Task(std::wstring_view id, std::wstring_view image) {
    std::wstring xml = L"<task id=\"";
    xml += id;
    xml += L"\" getLabel=\"GetLabel\" ";
    xml += image;
    xml += L" getDescription=\"GetDescription\" isDefinitive=\"true\" onAction=\"pr_OnAction\"/>";
    return xml;
}

}  // namespace

std::wstring GetRibbonXML() {
    std::wstring xml =
        L"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\" "
        L"onLoad=\"rxcustomUI_onLoad\">"
        L"<backstage>"
        L"<tab id=\"Morvane\" insertBeforeMso=\"TabHelp\" label=\"Morvane\" "
        L"firstColumnMaxWidth=\"400\" secondColumnMaxWidth=\"600\">"
        L"<firstColumn>"
        L"<taskGroup id=\"GroupMorvane\">"
        L"<category id=\"categoryMorvaneOption\" getLabel=\"GetLabel\">";
    xml += Task(L"Morvanevisible", L"getImage=\"getImage\"");
    xml += Task(L"MorvaneOpTion", L"imageMso=\"ApplicationOptionsDialog\"");
    xml += L"</category><category id=\"categoryMorvane\" getLabel=\"GetLabel\">";
    xml += Task(L"Helps", L"imageMso=\"Help\"");
    xml += Task(L"ConnectUs", L"imageMso=\"HelpContactMicrosoft\"");
    xml +=
        L"</category></taskGroup></firstColumn>"
        L"<secondColumn>"
        L"<group id=\"Morvanelogo\"><topItems>"
        L"<imageControl id=\"logo\" getImage=\"getImage\"/>"
        L"</topItems></group>"
        L"<group id=\"AboutMorvane\" getLabel=\"GetLabel\"><topItems>"
        L"<labelControl id=\"Version\" getLabel=\"GetLabel\"/>"
        L"<layoutContainer id=\"layout2\" layoutChildren=\"horizontal\">"
        L"<imageControl id=\"HomePage\" imageMso=\"BlogHomePage\"/>"
        L"<hyperlink id=\"hyperLinkHome\" getLabel=\"GetLabel\" target=\"";
    xml += HomePage;
    xml +=
        L"\" expand=\"horizontal\"/>"
        L"</layoutContainer></topItems></group>"
        L"</secondColumn></tab></backstage></customUI>";
    return xml;
}

std::optional<LangText> LabelOf(std::wstring_view controlId) {
    return Find(kLabels, controlId);
}

std::optional<LangText> DescriptionOf(std::wstring_view controlId) {
    return Find(kDescriptions, controlId);
}

Image ImageOf(std::wstring_view controlId, std::int32_t tabShow) {
    if (controlId == L"Morvanevisible")
        return tabShow == 0 ? Image::ShowIcon : Image::None;
    if (controlId == L"logo")
        return Image::Logo;
    return Image::None;
}

Action ActionOf(std::wstring_view controlId) {
    if (controlId == L"Morvanevisible")
        return Action::ToggleBar;
    if (controlId == L"MorvaneOpTion")
        return Action::Options;
    if (controlId == L"Helps")
        return Action::Help;
    if (controlId == L"ConnectUs")
        return Action::Contact;
    return Action::None;
}

}  // namespace morvane::Backstage
