// The options dialog over the stand-in host with the tab bar connected: opened as the add-in's
// commands open it, driven by keys and clicks from inside its modal loop, and checked in the
// registry and on the running bar.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "BarInHost_win.h"
#include "addin/options/OptionsCommand_win.h"
#include "addin/options/OptionsDialog_win.h"
#include "addin/options/TabBarLiveApply_win.h"
#include "addin/options/frmOption.h"
#include "dialogs/DialogScript_win.h"
#include "shared/SettingsSchema.h"
#include "support/HotKeyProbe_win.h"

namespace morvane::test {
namespace {

using dialogs::test::ClickOn;
using dialogs::test::DialogScript;
using dialogs::test::FocusedId;
using dialogs::test::HoldKeys;
using dialogs::test::Join;
using dialogs::test::PressKey;
using dialogs::test::PressWithHeld;
using dialogs::test::Type;
using Steps = std::vector<DialogScript::Step>;
using namespace frmOption;

constexpr DWORD kMissing = 0xFFFFFFFF;

DWORD StoredNumber(const std::wstring& subKey, const wchar_t* name) {
    DWORD value = kMissing;
    DWORD size = sizeof value;
    const std::wstring key = std::wstring(SettingsKey) + (subKey.empty() ? L"" : L"\\" + subKey);
    RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

DWORD Stored(const wchar_t* name) {
    return StoredNumber(L"", name);
}

std::wstring StoredText(const std::wstring& subKey, const wchar_t* name) {
    wchar_t text[128] = {};
    DWORD size = sizeof text;
    const std::wstring key = std::wstring(SettingsKey) + L"\\" + subKey;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) !=
        ERROR_SUCCESS) {
        return L"<missing>";
    }
    return text;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

bool Visible(HWND dialog, int id) {
    return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

int Chosen(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

// Moves the focus as a click into the control would.
void FocusOn(HWND dialog, int id) {
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

class OptionsInHost : public BarInHost {
  protected:
    // Opens the dialog as the add-in's commands do and plays `steps` on it.
    void Open(Steps steps, OptionsPage page = OptionsPage::PopularPosition) {
        DialogScript script(std::move(steps));
        OpenOptionsDialog(state, Hooks(), page);
        EXPECT_TRUE(script.Finished());
        EXPECT_FALSE(script.Stuck()) << "the dialog stayed open";
        HoldKeys({});
        host->Pump();
    }

    void StartWithProjects(SettingValues settings) {
        StartHost(L"14.0", settings);
        host->OpenProject(L"Alpha.mpp", L"C:\\Plans");
        host->OpenProject(L"Beta.mpp", L"C:\\Plans");
        Connect();
        SizeMain(1000, 700);
    }
};

TEST_F(OptionsInHost, OpensOverProjectWithTheStoredValuesAndCancelWritesNothing) {
    StartWithProjects({{L"Position", BarLeft},
                       {L"Theme", 5},
                       {L"TbLayout", 2},
                       {L"FixWidth", 120},
                       {L"OneHide", 5},
                       {L"DoubleC", 0},
                       {L"EnableCreate", 1},
                       {L"CusColor", 0}});
    HWND owner = nullptr;
    std::wstring caption;
    std::vector<int> lists;
    std::vector<bool> boxes, enabled, shown;
    std::wstring fixWidth;
    int focus = 0;
    int tabbedTo = 0;
    Open({[&](HWND dialog) {
              owner = GetWindow(dialog, GW_OWNER);
              caption = TextOf(dialog);
              lists = {Chosen(dialog, ComboBox1)};
              boxes = {Checked(dialog, CheckBox1), Checked(dialog, CheckBox4),
                       Checked(dialog, CheckBox_Blank)};
              focus = FocusedId();
              shown = {Visible(dialog, Check1), Visible(dialog, ComboBox2)};
              // To the next page with the keyboard, on the page strip.
              PressKey(VK_RIGHT);
          },
          [&](HWND dialog) {
              shown.push_back(Visible(dialog, Check1));
              shown.push_back(Visible(dialog, ComboBox2));
              lists.push_back(Chosen(dialog, ComboBox2));
              lists.push_back(Chosen(dialog, ComboBox3));
              boxes.push_back(Checked(dialog, CheckBox3));
              enabled = {Enabled(dialog, FlatEdit1),         Enabled(dialog, Label9),
                         Enabled(dialog, FlatEdit2),         Enabled(dialog, Label15),
                         Enabled(dialog, Label16_0),         Enabled(dialog, Label16_1),
                         Enabled(dialog, PushButton_Color0), Enabled(dialog, Label4)};
              fixWidth = TextOf(GetDlgItem(dialog, FlatEdit2));
              // From the page strip, Tab goes to the page's first list.
              PressKey(VK_TAB);
          },
          [&](HWND) {
              tabbedTo = FocusedId();
              // A change, then Esc.
              PressKey(VK_DOWN);
          },
          [](HWND) { PressKey(VK_ESCAPE); }});
    EXPECT_EQ(tabbedTo, ComboBox2);

    EXPECT_EQ(owner, host->MainWindow());
    EXPECT_EQ(caption, L"Morvane Options");
    EXPECT_EQ(lists, (std::vector<int>{BarLeft, 5, 2}));
    // OneHide 5 checked, DoubleC 0 checked (inverted), EnableCreate 1 unchecked, CusColor 0.
    EXPECT_EQ(boxes, (std::vector<bool>{true, true, false, false}));
    // Fixed layout: only the fixed width and its caption, the two "Pixels" labels stay as they
    // are; no custom colours: the colour controls are off.
    EXPECT_EQ(enabled, (std::vector<bool>{false, false, true, true, true, true, false, false}));
    EXPECT_EQ(fixWidth, L"120");
    EXPECT_EQ(focus, TabControl1);
    EXPECT_EQ(shown, (std::vector<bool>{true, false, false, true}));
    EXPECT_EQ(Stored(L"Theme"), 5U) << "Cancel wrote";
    EXPECT_EQ(Stored(L"MaxWidth"), kMissing) << "Cancel wrote";
    EXPECT_EQ(Control().Appearance(), 5);
}

TEST_F(OptionsInHost, OkSavesAndAppliesAppearanceReorderAndPositionToTheBar) {
    StartWithProjects({{L"Position", BarAbove}, {L"Theme", 0}, {L"EnableReorder", 1}});
    ASSERT_EQ(Control().Side(), tabctl::TabSide::Top);
    ASSERT_FALSE(Control().Reorder());
    Open({[](HWND dialog) {
              FocusOn(dialog, ComboBox1);
              PressKey(VK_DOWN);  // 2-Below WorkSpace
          },
          [](HWND dialog) { ClickOn(dialog, CheckBox_Reorder); },
          [](HWND dialog) {
              FocusOn(dialog, TabControl1);
              PressKey(VK_RIGHT);
          },
          [](HWND dialog) {
              FocusOn(dialog, ComboBox2);
              PressKey(VK_DOWN);
              PressKey(VK_DOWN);
              PressKey(VK_DOWN);
          },
          [](HWND) { PressKey(VK_RETURN); }});

    EXPECT_EQ(Stored(L"Position"), static_cast<DWORD>(BarBelow));
    EXPECT_EQ(Stored(L"Theme"), 3U);
    EXPECT_EQ(Stored(L"EnableReorder"), 0U);
    EXPECT_EQ(state.Settings.Position, BarBelow);
    EXPECT_EQ(Control().Appearance(), 3);
    EXPECT_TRUE(Control().Reorder());
    EXPECT_EQ(Control().Side(), tabctl::TabSide::Bottom);
    // Re-docked at the client window's next frame paint.
    EXPECT_FALSE(state.PlacementPending);
    RECT bar{}, client{};
    GetWindowRect(Bar(), &bar);
    GetWindowRect(host->Client(), &client);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_GT(bar.top, client.top + (client.bottom - client.top) / 2);
}

TEST_F(OptionsInHost, CapturedHotKeysConflictThenSaveAndAreRegisteredAgain) {
    StartWithProjects({{L"EnableTa", 0}, {L"EnableTi", 0}, {L"EnableAlt", 0}});
    ASSERT_FALSE(HotKeyFree(MOD_WIN, 'Q')) << "the default key is registered";
    std::vector<std::wstring> captured;
    std::wstring message;
    int focus = 0;
    DWORD selection = 0;
    Open(Join({
        {[](HWND dialog) { FocusOn(dialog, FlatEdit3); }},
        PressWithHeld({VK_CONTROL}, 'Q'),
        {[&](HWND dialog) {
            captured.push_back(TextOf(GetDlgItem(dialog, FlatEdit3)));
            FocusOn(dialog, FlatEdit4);
        }},
        PressWithHeld({VK_CONTROL}, 'Q'),
        {[&](HWND dialog) {
             captured.push_back(TextOf(GetDlgItem(dialog, FlatEdit4)));
             // To the other page first: the conflict brings the first one back.
             FocusOn(dialog, ComboBox1);
             PressKey(VK_RETURN);
         },
         [&](HWND box) {
             // The message box over the dialog; OK closes it.
             message = TextOf(FindWindowExW(box, nullptr, L"EDIT", nullptr));
             PressKey(VK_RETURN);
         },
         [&](HWND dialog) {
             focus = FocusedId();
             selection =
                 static_cast<DWORD>(SendDlgItemMessageW(dialog, FlatEdit3, EM_GETSEL, 0, 0));
             FocusOn(dialog, FlatEdit4);
         }},
        PressWithHeld({VK_CONTROL, VK_SHIFT}, 'Y'),
        {[&](HWND dialog) {
            captured.push_back(TextOf(GetDlgItem(dialog, FlatEdit4)));
            ClickOn(dialog, cmdOK);
        }},
    }));

    EXPECT_EQ(captured, (std::vector<std::wstring>{L"Ctrl+Q", L"Ctrl+Q", L"Ctrl+Shift+Y"}));
    EXPECT_EQ(message, L"Shortcuts conflict, Please change.");
    EXPECT_EQ(focus, FlatEdit3);
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), 6) << "the whole text selected";
    EXPECT_EQ(StoredText(L"HotKeyBar", L"KeyName"), L"Ctrl+Q");
    EXPECT_EQ(StoredNumber(L"HotKeyBar", L"KeyCode"), static_cast<DWORD>('Q'));
    EXPECT_EQ(StoredNumber(L"HotKeyBar", L"ModKeyCode"), static_cast<DWORD>(MOD_CONTROL));
    EXPECT_EQ(StoredText(L"HotKeyTabit", L"KeyName"), L"Ctrl+Shift+Y");
    EXPECT_EQ(StoredNumber(L"HotKeyTabit", L"ModKeyCode"),
              static_cast<DWORD>(MOD_CONTROL | MOD_SHIFT));
    // Registered again by their switches: the new keys held, the old defaults let go.
    EXPECT_FALSE(HotKeyFree(MOD_CONTROL, 'Q'));
    EXPECT_FALSE(HotKeyFree(MOD_CONTROL | MOD_SHIFT, 'Y'));
    EXPECT_TRUE(HotKeyFree(MOD_WIN, 'Q'));
    EXPECT_TRUE(HotKeyFree(MOD_CONTROL, VK_TAB));
    EXPECT_FALSE(HotKeyFree(MOD_ALT, '1'));
}

TEST_F(OptionsInHost, CancelAfterACaptureChangesNeitherTheSettingsNorTheHotKeys) {
    StartWithProjects({{L"EnableTa", 0}, {L"EnableTi", 0}});
    const HotKeyInfo before = state.Settings.HotKeyBar;
    Open(Join({
        {[](HWND dialog) { FocusOn(dialog, FlatEdit3); }},
        PressWithHeld({VK_CONTROL}, 'Q'),
        {[](HWND dialog) { ClickOn(dialog, PushButton_Cancel); }},
    }));
    EXPECT_EQ(state.Settings.HotKeyBar, before);
    EXPECT_EQ(StoredText(L"HotKeyBar", L"KeyName"), L"<missing>");
    // The main window's next activation registers from the settings: still Win+Q.
    SendMessageW(host->MainWindow(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(HotKeyFree(MOD_CONTROL, 'Q'));
    EXPECT_FALSE(HotKeyFree(MOD_WIN, 'Q'));
}

TEST_F(OptionsInHost, AWidthOutOfRangeIsRefusedOnItsPageThenAGoodOneReachesTheBar) {
    StartWithProjects({{L"TbLayout", 0}, {L"MaxWidth", 0}});
    int page = -1;
    int focus = 0;
    DWORD selection = 0;
    DWORD storedWhileOpen = 0;
    Open({[](HWND) { PressKey(VK_RIGHT); },
          [](HWND dialog) {
              FocusOn(dialog, FlatEdit1);
              Type(L"69");
          },
          [](HWND) { PressKey(VK_RETURN); }, [](HWND) { PressKey(VK_RETURN); },  // the message
          [&](HWND dialog) {
              page = Visible(dialog, ComboBox2) ? 1 : 0;
              focus = FocusedId();
              selection =
                  static_cast<DWORD>(SendDlgItemMessageW(dialog, FlatEdit1, EM_GETSEL, 0, 0));
              storedWhileOpen = Stored(L"MaxWidth");
              Type(L"150");
          },
          [](HWND) { PressKey(VK_RETURN); }});
    EXPECT_EQ(page, 1);
    EXPECT_EQ(focus, FlatEdit1);
    EXPECT_EQ(HIWORD(selection), 2) << "the whole text selected";
    EXPECT_EQ(storedWhileOpen, 0U) << "nothing written on a refusal";
    EXPECT_EQ(Stored(L"MaxWidth"), 150U);
    EXPECT_EQ(Control().MaxWidth(), 150);
}

TEST_F(OptionsInHost, TheColourChooserOpensOnTheButtonsColourAndItsAnswerIsSaved) {
    StartWithProjects({{L"CusColor", 1}, {L"Theme", 0}, {L"CoSelect", 0x00336699}});
    HWND optionsDialog = nullptr;
    HWND chooserOwner = nullptr;
    std::wstring red;
    Open({[&](HWND dialog) {
              optionsDialog = dialog;
              PressKey(VK_RIGHT);
          },
          [](HWND dialog) { ClickOn(dialog, PushButton_Color0); },
          [&](HWND chooser) {
              chooserOwner = GetWindow(chooser, GW_OWNER);
              // Red, green and blue as a user types them into the full chooser.
              red = TextOf(GetDlgItem(chooser, 706));
              SetDlgItemTextW(chooser, 706, L"10");
              SetDlgItemTextW(chooser, 707, L"20");
              SetDlgItemTextW(chooser, 708, L"30");
          },
          [](HWND chooser) { ClickOn(chooser, IDOK); },
          [](HWND dialog) { ClickOn(dialog, cmdOK); }});
    EXPECT_EQ(chooserOwner, optionsDialog);
    EXPECT_EQ(red, L"153") << "the button's colour preselected";
    EXPECT_EQ(Stored(L"CoSelect"), static_cast<DWORD>(RGB(10, 20, 30)));
    EXPECT_EQ(Control().ColorStyleValue(), tabctl::ColorStyle::ColorSet);
    EXPECT_EQ(Control().Color(tabctl::ColorRole::SelectedTab), RGB(10, 20, 30));
}

TEST_F(OptionsInHost, TheAboutCommandOpensOnTheAboutPage) {
    StartWithProjects({});
    std::vector<bool> shown;
    std::wstring link;
    Open({[&](HWND dialog) {
             shown = {Visible(dialog, Image2), Visible(dialog, Labelblog),
                      Visible(dialog, FlatEdit3)};
             link = TextOf(GetDlgItem(dialog, Labelblog));
             ClickOn(dialog, PushButton_Cancel);
         }},
         OptionsPage::About);
    EXPECT_EQ(shown, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(link, L"https://morvane.example.com/");
}

TEST_F(OptionsInHost, AFontChangeEndsWithTheRestartMessageNamingTheHost) {
    StartWithProjects({{L"EnableFontSize", 0}});
    std::wstring message;
    Open({[](HWND) { PressKey(VK_RIGHT); }, [](HWND dialog) { ClickOn(dialog, CheckBox_FontSize); },
          [](HWND dialog) { ClickOn(dialog, cmdOK); },
          [&](HWND box) {
              message = TextOf(FindWindowExW(box, nullptr, L"EDIT", nullptr));
              PressKey(VK_RETURN);
          }});
    EXPECT_EQ(message,
              L"You have changed the Font Options. For these changes to take effect,you must "
              L"restart Microsoft Project.");
    EXPECT_EQ(StoredNumber(L"TabFontSize", L"EnableFontSize"), 1U);
}

TEST_F(OptionsInHost, TheLinkOnTheAboutPageOpensTheHomePage) {
    StartWithProjects({});
    TabBarLiveApply live(RunningAddin{});
    std::vector<std::wstring> opened;
    OptionsDialogParts parts{state.Settings,
                             state.OfficeTheme,
                             *state.Registry,
                             live,
                             L"14.0",
                             {},
                             {},
                             false,
                             [&](const std::wstring& page) { opened.push_back(page); }};
    DialogScript script(
        {[](HWND dialog) { ClickOn(dialog, Labelblog); }, [](HWND) { PressKey(VK_ESCAPE); }});
    ShowOptionsDialog(host->MainWindow(), std::move(parts), OptionsPage::About);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"https://morvane.example.com/"}));
}

}  // namespace
}  // namespace morvane::test
