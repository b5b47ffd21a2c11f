// The real dialog boxes' layout: the forms' twips at the screen's resolution, centred over the
// owner, and every text shown whole in its control.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "addin/dialogs/Dialogs_win.h"
#include "addin/dialogs/frmCloseMsg.h"
#include "addin/dialogs/frmLock.h"
#include "addin/dialogs/frmMessage.h"
#include "addin/dialogs/frmRename.h"
#include "dialogs/DialogScript_win.h"
#include "support/FakeHost.h"
#include "support/FakeRegistry.h"

namespace morvane::dialogs {
namespace {

const TextLookup kEnglish = [](const std::wstring&, const std::wstring& def) { return def; };

std::wstring TextOf(HWND control) {
    wchar_t text[1024] = {};
    GetWindowTextW(control, text, 1024);
    return text;
}

// The size `text` takes in the control's font, on one line or wrapped at `width`.
SIZE Measure(HWND control, const std::wstring& text, UINT format, int width) {
    const HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT box{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &box, format | DT_CALCRECT);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return {box.right, box.bottom};
}

// What of the control's text does not fit it; empty when all of it shows.
std::string Clipped(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    RECT client;
    GetClientRect(control, &client);
    const std::wstring text = TextOf(control);
    if (text.empty()) {
        return {};
    }
    if (std::wstring(className) == L"Edit") {
        RECT format{};
        SendMessageW(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const SIZE size = Measure(control, text, DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX,
                                  format.right - format.left);
        const bool fits = size.cy <= format.bottom - format.top || (style & WS_VSCROLL);
        return fits ? std::string() : "the text is cut off at the bottom";
    }
    const bool checkBox = (style & BS_TYPEMASK) == BS_AUTOCHECKBOX;
    // Room a push button keeps for its edges, a check box for its box.
    const int kept = checkBox ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 8;
    const SIZE size = Measure(control, text, DT_SINGLELINE, 0);
    if (size.cx + kept > client.right) {
        return "the caption is wider than the control";
    }
    return size.cy > client.bottom ? "the caption is taller than the control" : "";
}

// The problems of every control of the dialog shown, one line each.
std::vector<std::string> ClippedTexts(HWND dialog) {
    std::vector<std::string> problems;
    for (HWND control = GetWindow(dialog, GW_CHILD); control;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const std::string problem = Clipped(control);
        if (!problem.empty()) {
            problems.push_back(std::to_string(GetDlgCtrlID(control)) + ": " + problem);
        }
    }
    return problems;
}

class DialogLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        owner = CreateWindowExW(0, L"STATIC", L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 40,
                                1000, 700, nullptr, nullptr, nullptr, nullptr);
        const HDC screen = GetDC(nullptr);
        dpiX = GetDeviceCaps(screen, LOGPIXELSX);
        dpiY = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    void TearDown() override { DestroyWindow(owner); }

    // Looks at the dialog `show` opens, then closes it by its close box.
    template <typename Show>
    void Inspect(Show show, std::function<void(HWND)> look) {
        test::DialogScript script({[&](HWND d) {
            look(d);
            test::ClickCloseBox(d);
        }});
        show();
        EXPECT_TRUE(script.Finished());
    }

    // The control's place in the dialog's client area.
    static PixelRect PlaceOf(HWND dialog, int id) {
        RECT rect;
        GetWindowRect(GetDlgItem(dialog, id), &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        return {rect.left, rect.top, rect.right, rect.bottom};
    }

    HWND owner = nullptr;
    int dpiX = 96;
    int dpiY = 96;
    morvane::test::FakeRegistry registry;
    TabSettings settings;
    DialogResults results;
};

TEST_F(DialogLayout, EveryDialogShowsItsTextsWhole) {
    auto project = std::make_shared<morvane::test::FakeProject>();
    project->name = L"A rather long project name.mpp";
    morvane::test::FakeHost host;
    host.activeProject = project;
    const auto expectWhole = [](HWND d) { EXPECT_EQ(ClippedTexts(d), std::vector<std::string>{}); };
    Inspect([&] { ShowCloseMsg(owner, kEnglish, registry, settings, results); }, expectWhole);
    Inspect([&] { ShowLock(owner, kEnglish, 1, ActiveProjectName(&host), results, [] {}); },
            expectWhole);
    Inspect([&] { ShowLock(owner, kEnglish, 0, ActiveProjectName(&host), results, [] {}); },
            expectWhole);
    Inspect(
        [&] {
            ShowRename(owner, kEnglish,
                       L"Please Input the new filename(Does not contain the file name suffix) "
                       L"to rename Current Project.",
                       L"Plan", results);
        },
        expectWhole);
    Inspect(
        [&] {
            ShowMessage(owner, kEnglish,
                        L"The tab font changes when Project is next started.\nPlease restart "
                        L"Project.");
        },
        expectWhole);
}

TEST_F(DialogLayout, AMessageTooLongForItsBoxGetsAScrollBar) {
    std::wstring longText;
    for (int i = 0; i < 12; ++i) {
        longText += L"Line " + std::to_wstring(i) + L" of a long report.\n";
    }
    Inspect([&] { ShowMessage(owner, kEnglish, longText); },
            [](HWND d) {
                const LONG_PTR style =
                    GetWindowLongPtrW(GetDlgItem(d, frmMessage::FlatEdit_Infor), GWL_STYLE);
                EXPECT_TRUE(style & WS_VSCROLL);
                EXPECT_EQ(ClippedTexts(d), std::vector<std::string>{});
            });
}

TEST_F(DialogLayout, ControlsSitAtTheFormsTwipsAndTheDialogIsCentredOverItsOwner) {
    Inspect([&] { ShowCloseMsg(owner, kEnglish, registry, settings, results); },
            [&](HWND d) {
                EXPECT_EQ(PlaceOf(d, frmCloseMsg::PushButton_Cancel),
                          ToPixels({4980, 1350, 1275, 375}, dpiX, dpiY));
                EXPECT_EQ(PlaceOf(d, frmCloseMsg::FlatEdit_Text),
                          ToPixels({1290, 240, 5025, 615}, dpiX, dpiY));
                RECT client;
                GetClientRect(d, &client);
                const PixelRect needed = ToPixels({0, 0, 6345 + 120, 1725 + 120}, dpiX, dpiY);
                EXPECT_EQ(client.right, needed.right);
                EXPECT_EQ(client.bottom, needed.bottom);
                RECT mine;
                RECT theirs;
                GetWindowRect(d, &mine);
                GetWindowRect(owner, &theirs);
                EXPECT_LE(std::abs((mine.left + mine.right) - (theirs.left + theirs.right)), 1);
                EXPECT_LE(std::abs((mine.top + mine.bottom) - (theirs.top + theirs.bottom)), 1);
            });
}

}  // namespace
}  // namespace morvane::dialogs
