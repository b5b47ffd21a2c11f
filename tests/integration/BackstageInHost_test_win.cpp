// The backstage tab as Office shows it: the add-in's class asked for its document and called back
// by name through the stand-in's ribbon, with the bar connected in host "14.0".
#include <gtest/gtest.h>

#include <olectl.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "BarInHost_win.h"
#include "addin/Backstage.h"
#include "addin/Menus.h"
#include "shared/DispatchObject_win.h"
#include "shared/SettingsSchema.h"
#include "shared/WebPages.h"
#include "standin/BackstageView_win.h"
#include "standin/RibbonHost_win.h"
#include "support/FakeCommandPorts.h"

namespace morvane::test {
namespace {

DWORD StoredTabShow() {
    DWORD value = 0xFFFFFFFF;
    DWORD size = sizeof value;
    RegGetValueW(HKEY_CURRENT_USER, std::wstring(SettingsKey).c_str(), L"TabShow", RRF_RT_REG_DWORD,
                 nullptr, &value, &size);
    return value;
}

using standin::BackstagePart;
using Kind = BackstagePart::Kind;

std::wstring Size(SIZE size) {
    return std::to_wstring(size.cx) + L"x" + std::to_wstring(size.cy);
}

// What the view drew of the add-in's tab, one line a part: kind, control and text, or a
// picture's own size and the size it was drawn at.
std::vector<std::wstring> Drawn(const standin::BackstageView& view) {
    static const std::map<Kind, std::wstring> names = {
        {Kind::Tab, L"tab"},         {Kind::Heading, L"heading"},
        {Kind::Label, L"label"},     {Kind::Description, L"description"},
        {Kind::Text, L"text"},       {Kind::Link, L"link"},
        {Kind::Picture, L"picture"}, {Kind::BuiltInImage, L"image"}};
    std::vector<std::wstring> lines;
    for (const BackstagePart& p : view.Parts()) {
        const auto name = names.find(p.kind);
        if (name == names.end()) {
            continue;
        }
        const RECT& r = p.place;
        const std::wstring what =
            p.kind == Kind::Picture
                ? Size(p.pictureSize) + L" at " + Size({r.right - r.left, r.bottom - r.top})
                : p.text;
        lines.push_back(name->second + L" " + p.id + L": " + what);
    }
    return lines;
}

// A ribbon control as Office hands it to a callback: only its id (IRibbonControl.Id, 1).
class IdControl final : public com::DispatchObject {
  public:
    explicit IdControl(std::wstring id) : DispatchObject({{L"Id", 1}}), id_(std::move(id)) {}

  private:
    HRESULT Call(DISPID id, WORD, const std::vector<VARIANT*>&, VARIANT* result) override {
        if (id != 1 || !result) {
            return DISP_E_MEMBERNOTFOUND;
        }
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(id_.c_str());
        return S_OK;
    }
    std::wstring id_;
};

// What a picture shows: its kind and its pixels' size and depth.
struct PictureShape {
    short type;
    LONG width, height;
    WORD bitsPerPixel;  // 0: not looked at (an icon's colour depth is the screen's once loaded)
    bool operator==(const PictureShape&) const = default;
};

std::ostream& operator<<(std::ostream& out, const PictureShape& p) {
    return out << "type " << p.type << ", " << p.width << " x " << p.height << " at "
               << p.bitsPerPixel;
}

std::optional<BITMAP> BitmapOf(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || GetObjectW(bitmap, sizeof info, &info) != sizeof info) {
        return std::nullopt;
    }
    return info;
}

// The shape of the picture getImage answers; none when it answers no picture.
std::optional<PictureShape> ShapeOf(IDispatch* picture) {
    com::ComPtr<IPicture> pic;
    OLE_HANDLE handle = 0;
    short type = 0;
    if (!picture ||
        FAILED(picture->QueryInterface(IID_IPicture, reinterpret_cast<void**>(pic.Put()))) ||
        FAILED(pic->get_Type(&type)) || FAILED(pic->get_Handle(&handle))) {
        return std::nullopt;
    }
    const auto object = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(static_cast<LONG>(handle)));
    if (type == PICTYPE_ICON) {
        ICONINFO icon{};
        if (!GetIconInfo(static_cast<HICON>(object), &icon)) {
            return std::nullopt;
        }
        const auto colour = BitmapOf(icon.hbmColor);
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
        return colour ? std::optional(PictureShape{type, colour->bmWidth, colour->bmHeight, 0})
                      : std::nullopt;
    }
    const auto bitmap = BitmapOf(static_cast<HBITMAP>(object));
    return bitmap ? std::optional(
                        PictureShape{type, bitmap->bmWidth, bitmap->bmHeight, bitmap->bmBitsPixel})
                  : std::nullopt;
}

class BackstageInHost : public BarInHost {
  protected:
    void SetUp() override {
        BarInHost::SetUp();
        commandSeams = {.shell = shell, .dialogs = commandDialogs};
        StartHost(L"14.0");
        host->OpenProject(L"Alpha.mpp", L"C:\\Plans");
        host->OpenProject(L"Beta.mpp", L"C:\\Plans");
        Connect();
        ribbon = std::make_unique<standin::RibbonHost>(host->Application().Get());
        ASSERT_TRUE(ribbon->Load(static_cast<_Morvane*>(addin.Get())));
    }
    void TearDown() override {
        ribbon.reset();
        BarInHost::TearDown();
    }

    // The picture getImage answers for a control.
    std::optional<PictureShape> Picture(const std::wstring& id) {
        const auto control = com::Make<IdControl>(id);
        com::ComPtr<IDispatch> picture;
        EXPECT_EQ(addin->getImage(control.Get(), picture.Put()), S_OK);
        return ShapeOf(picture.Get());
    }

    std::unique_ptr<standin::RibbonHost> ribbon;
    CommandLog log;
    std::shared_ptr<FakeCommandShell> shell = std::make_shared<FakeCommandShell>(log);
    std::shared_ptr<FakeCommandDialogs> commandDialogs = std::make_shared<FakeCommandDialogs>(log);
};

TEST_F(BackstageInHost, OfficeGetsTheDocumentAndItsTexts) {
    EXPECT_TRUE(ribbon->HasBackstage());
    EXPECT_TRUE(ribbon->OnLoadCalled());
    EXPECT_EQ(ribbon->Xml(), Backstage::GetRibbonXML());
    EXPECT_EQ(ribbon->Label(L"Morvanevisible"), L"Show Tab bar");
    EXPECT_EQ(ribbon->Label(L"categoryMorvane"), L"Morvane Services and Support");
    EXPECT_EQ(ribbon->Label(L"Version"), L"Version: 6.50(bulid 2011-01-11)");
    EXPECT_EQ(ribbon->Description(L"Helps"), L"Get help using Morvane.");
    EXPECT_EQ(ribbon->Description(L"Version"), L"");
}

TEST_F(BackstageInHost, TheShowTaskTogglesTheBarAndItsImage) {
    const auto icon = ribbon->Image(L"Morvanevisible");
    EXPECT_TRUE(icon.picture);
    EXPECT_EQ(icon.pictureType, PICTYPE_ICON);
    const auto logo = ribbon->Image(L"logo");
    EXPECT_TRUE(logo.picture);
    EXPECT_EQ(logo.pictureType, PICTYPE_BITMAP);
    ASSERT_TRUE(IsWindowVisible(Bar()));

    ASSERT_TRUE(ribbon->Click(L"Morvanevisible"));
    host->Pump();
    EXPECT_EQ(Settings.TabShow, 1);
    EXPECT_EQ(StoredTabShow(), 1u);
    EXPECT_FALSE(IsWindowVisible(Bar()));
    EXPECT_EQ(ribbon->InvalidateCount(), 1);
    EXPECT_FALSE(ribbon->Image(L"Morvanevisible").picture);

    ASSERT_TRUE(ribbon->Click(L"Morvanevisible"));
    host->Pump();
    EXPECT_EQ(Settings.TabShow, 0);
    EXPECT_EQ(StoredTabShow(), 0u);
    EXPECT_TRUE(IsWindowVisible(Bar()));
    EXPECT_EQ(ribbon->InvalidateCount(), 2);
    EXPECT_TRUE(ribbon->Image(L"Morvanevisible").picture);
}

TEST_F(BackstageInHost, ThePicturesHaveTheirSizes) {
    struct Case {
        const wchar_t* id;
        std::int32_t tabShow;
        std::optional<PictureShape> shape;
    };
    const PictureShape icon{PICTYPE_ICON, 64, 64, 0};
    const PictureShape logo{PICTYPE_BITMAP, 262, 64, 24};
    const Case cases[] = {
        {L"Morvanevisible", 0, icon},
        {L"Morvanevisible", 1, std::nullopt},  // the bar hidden: the task shows no image
        {L"logo", 0, logo},
        {L"logo", 1, logo},
        {L"Helps", 0, std::nullopt},
        {L"HomePage", 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.id)) + " TabShow " +
                     std::to_string(c.tabShow));
        Settings.TabShow = c.tabShow;
        EXPECT_EQ(Picture(c.id), c.shape);
    }
}

// The icon's artwork is 64 by 64 pixels in 256 colours.
TEST_F(BackstageInHost, TheShowIconResourceHoldsOne256ColourImage) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(Backstage::kShowIconResource),
                                      MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_TRUE(found);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
    ASSERT_TRUE(directory);
    WORD count = 0;
    memcpy(&count, directory + 4, sizeof count);
    ASSERT_EQ(count, 1);
    const BYTE* entry = directory + 6;  // width, height, colours, reserved, planes, bit count
    WORD bitCount = 0;
    memcpy(&bitCount, entry + 6, sizeof bitCount);
    EXPECT_EQ(entry[0], 64);
    EXPECT_EQ(entry[1], 64);
    EXPECT_EQ(bitCount, 8);
}

// Options, help and contact act through the commands' dialogs and shell: the help page is the
// one the menu's Help opens, the contact task opens the support page.
TEST_F(BackstageInHost, TheTasksOpenTheOptionsAndThePages) {
    for (const wchar_t* task : {L"MorvaneOpTion", L"Helps", L"ConnectUs"}) {
        ASSERT_TRUE(ribbon->Click(task)) << testing::PrintToString(std::wstring(task));
    }
    ASSERT_TRUE(host->CommandBars().ClickItem(PupTabOnItemName, 12).clicked);  // Online Help
    host->Pump();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0], L"options");
    EXPECT_TRUE(log[1].ends_with(L"\\Help\\index.html")) << testing::PrintToString(log[1]);
    EXPECT_EQ(log[2], L"page " + std::wstring(SupportPage));
    EXPECT_EQ(log[3], log[1]);
    EXPECT_EQ(Settings.TabShow, 0);
    EXPECT_EQ(ribbon->InvalidateCount(), 0);
}

TEST_F(BackstageInHost, TheShowHideHotKeyInvalidatesTheRibbonToo) {
    SetForegroundWindow(host->MainWindow());
    SetActiveWindow(host->MainWindow());
    ASSERT_EQ(GetActiveWindow(), host->MainWindow());
    host->PressHotKey(401, MOD_WIN, 'Q');
    host->Pump();
    EXPECT_EQ(Settings.TabShow, 1);
    EXPECT_EQ(ribbon->InvalidateCount(), 1);
}

const std::vector<std::wstring> kShownTab = {
    L"tab Morvane: Morvane",
    L"heading categoryMorvaneOption: Morvane Setting Tools",
    L"picture Morvanevisible: 64x64 at 32x32",
    L"label Morvanevisible: Show Tab bar",
    L"description Morvanevisible: Click to Hide/Display Tab bar.",
    L"image MorvaneOpTion: ApplicationOptionsDialog",
    L"label MorvaneOpTion: Morvane Options",
    L"description MorvaneOpTion: Configure Morvane setting.",
    L"heading categoryMorvane: Morvane Services and Support",
    L"image Helps: Help",
    L"label Helps: Morvane Help",
    L"description Helps: Get help using Morvane.",
    L"image ConnectUs: HelpContactMicrosoft",
    L"label ConnectUs: Contact Us",
    L"description ConnectUs: Let us know if you need help or how we can make Morvane better.",
    L"picture logo: 262x64 at 262x64",
    L"heading AboutMorvane: About Morvane",
    L"text Version: Version: 6.50(bulid 2011-01-11)",
    L"image HomePage: BlogHomePage",
    L"link hyperLinkHome: Morvane home page",
};

TEST_F(BackstageInHost, TheViewDrawsTheCallbacksAnswersApartInsideItself) {
    standin::BackstageView view(host->MainWindow(), *ribbon);
    view.Open();
    ASSERT_TRUE(view.IsOpen());
    EXPECT_EQ(Drawn(view), kShownTab);

    // The tab where the document asks for it: before the host's Help tab.
    std::vector<std::wstring> tabs;
    for (const BackstagePart& p : view.Parts()) {
        if (p.kind == Kind::Tab || p.kind == Kind::HostTab) {
            tabs.push_back(p.id);
        }
    }
    const auto at = std::find(tabs.begin(), tabs.end(), L"Morvane");
    ASSERT_NE(at, tabs.end());
    ASSERT_NE(at + 1, tabs.end());
    EXPECT_EQ(*(at + 1), L"TabHelp");

    RECT client;
    GetClientRect(view.Hwnd(), &client);
    const auto& parts = view.Parts();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        RECT inside;
        IntersectRect(&inside, &parts[i].place, &client);
        EXPECT_TRUE(EqualRect(&inside, &parts[i].place)) << "cut off: " << i;
        for (std::size_t j = i + 1; j < parts.size(); ++j) {
            RECT both;
            EXPECT_FALSE(IntersectRect(&both, &parts[i].place, &parts[j].place))
                << "overlap: " << i << " and " << j;
        }
    }
}

TEST_F(BackstageInHost, AClickOnTheShowTaskClosesTheViewWhichThenDrawsItsNewImage) {
    standin::BackstageView view(host->MainWindow(), *ribbon);
    view.Open();
    std::vector<std::wstring> hidden = kShownTab;
    hidden.erase(hidden.begin() + 2);  // the show/hide task's picture

    ASSERT_TRUE(view.ClickLabel(L"Morvanevisible"));
    host->Pump();
    EXPECT_FALSE(view.IsOpen());  // the task is definitive
    EXPECT_EQ(Settings.TabShow, 1);
    EXPECT_EQ(ribbon->InvalidateCount(), 1);
    view.Open();
    EXPECT_EQ(Drawn(view), hidden);

    ASSERT_TRUE(view.ClickLabel(L"Morvanevisible"));
    host->Pump();
    EXPECT_EQ(Settings.TabShow, 0);
    view.Open();
    EXPECT_EQ(Drawn(view), kShownTab);
}

TEST_F(BackstageInHost, WithoutAnInvalidationTheViewKeepsTheAnswersItHas) {
    standin::BackstageView view(host->MainWindow(), *ribbon);
    view.Open();
    view.Close();
    Settings.TabShow = 1;  // changed behind the ribbon's back
    view.Open();
    EXPECT_EQ(Drawn(view), kShownTab);
}

TEST(BackstageSwitchedOff, OfficeGetsNoDocument) {
    com::Apartment apartment;
    AddinState off;
    off.Settings.EnabledApp = 1;
    const auto addin = Morvane::Create(off, nullptr);
    standin::RibbonHost ribbon(nullptr);
    EXPECT_FALSE(ribbon.Load(static_cast<_Morvane*>(addin.Get())));
    EXPECT_TRUE(ribbon.Xml().empty());
}

}  // namespace
}  // namespace morvane::test
