// The real dialog boxes, driven as a user drives them: keys and clicks posted to their windows
// while they run modally over an owner window, and the answer read on every way out.
#include "addin/dialogs/Dialogs_win.h"

#include <gtest/gtest.h>

#include <memory>

#include "addin/dialogs/ModalDialog_win.h"
#include "addin/dialogs/frmCloseMsg.h"
#include "addin/dialogs/frmLock.h"
#include "addin/dialogs/frmMessage.h"
#include "addin/dialogs/frmRename.h"
#include "dialogs/DialogScript_win.h"
#include "shared/SettingsSchema.h"
#include "shared/WinRegistry_win.h"
#include "shared/mdReg.h"
#include "support/FakeHost.h"

namespace morvane::dialogs {
namespace {

using test::ClickCloseBox;
using test::ClickOn;
using test::DialogScript;
using test::FocusedId;
using test::PressAlt;
using test::PressKey;
using test::Type;
using Steps = std::vector<DialogScript::Step>;

const TextLookup kEnglish = [](const std::wstring&, const std::wstring& def) { return def; };

// A step that notes which control has the focus, then presses a key.
DialogScript::Step NoteFocusThenPress(std::vector<int>& focus, UINT key) {
    return [&focus, key](HWND) {
        focus.push_back(FocusedId());
        PressKey(key);
    };
}

// Stands in for Project's main window.
class OwnerWindow {
  public:
    OwnerWindow() {
        WNDCLASSW type{};
        type.lpfnWndProc = DefWindowProcW;
        type.hInstance = GetModuleHandleW(nullptr);
        type.lpszClassName = L"MorvaneDialogsTestOwner";
        RegisterClassW(&type);
        window_ = CreateWindowExW(0, type.lpszClassName, L"Owner", WS_OVERLAPPEDWINDOW, 100, 80,
                                  900, 640, nullptr, nullptr, type.hInstance, nullptr);
        ShowWindow(window_, SW_SHOW);
        SetForegroundWindow(window_);
    }
    ~OwnerWindow() { DestroyWindow(window_); }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND Get() const { return window_; }

  private:
    HWND window_ = nullptr;
};

class DialogsTest : public ::testing::Test {
  protected:
    void TearDown() override { DeleteExitInfor(); }

    WinRegistry registry;

    static void DeleteExitInfor() {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, std::wstring(SettingsKey).c_str(), 0, KEY_SET_VALUE,
                          &key) == ERROR_SUCCESS) {
            RegDeleteValueW(key, L"ExitInfor");
            RegCloseKey(key);
        }
    }
    std::optional<std::int32_t> StoredExitInfor() {
        std::int32_t value = 0;
        if (!mdReg::GetRegValue(registry, RootKey::CurrentUser, std::wstring(SettingsKey),
                                L"ExitInfor", value)) {
            return std::nullopt;
        }
        return value;
    }

    // Runs `show` with the script playing on the dialog it opens.
    template <typename Show>
    void Play(Steps steps, Show show) {
        DialogScript script(std::move(steps));
        show();
        EXPECT_TRUE(script.Finished()) << "the dialog closed before the last step";
        EXPECT_FALSE(script.Stuck()) << "the dialog stayed open after the last step";
        EXPECT_EQ(test::ShownDialog(), nullptr);
    }

    std::int32_t CloseMsg(Steps steps) {
        std::int32_t choice = -1;
        Play(std::move(steps),
             [&] { choice = ShowCloseMsg(owner.Get(), kEnglish, registry, settings, results); });
        EXPECT_EQ(choice, results.CloseChoice);
        return choice;
    }

    bool Lock(Steps steps) {
        bool unlocked = false;
        Play(std::move(steps), [&] {
            unlocked = ShowLock(owner.Get(), kEnglish, 1, ActiveProjectName(&host), results,
                                [&] { ++helps; });
        });
        EXPECT_EQ(unlocked, results.Unlocked);
        return unlocked;
    }

    std::wstring Rename(Steps steps) {
        std::wstring name = L"?";
        Play(std::move(steps),
             [&] { name = ShowRename(owner.Get(), kEnglish, std::nullopt, L"Plan", results); });
        EXPECT_EQ(name, results.NewFileName);
        return name;
    }

    OwnerWindow owner;
    TabSettings settings;
    DialogResults results;
    morvane::test::FakeHost host;
    int helps = 0;
};

TEST_F(DialogsTest, CloseMsgAnswersOnEveryWayOut) {
    struct Case {
        const char* way;
        Steps steps;
        std::int32_t choice;
    };
    const Case cases[] = {
        {"Enter: the default button", {[](HWND) { PressKey(VK_RETURN); }}, CloseAllTabs},
        {"Esc", {[](HWND) { PressKey(VK_ESCAPE); }}, CloseCancel},
        {"Alt+A", {[](HWND) { PressAlt(L'a'); }}, CloseAllTabs},
        {"Alt+T", {[](HWND) { PressAlt(L't'); }}, CloseCurrentTab},
        {"Alt+C", {[](HWND) { PressAlt(L'c'); }}, CloseCancel},
        {"Close All Tabs",
         {[](HWND d) { ClickOn(d, frmCloseMsg::PushButton_CloseAll); }},
         CloseAllTabs},
        {"Close Current Tab",
         {[](HWND d) { ClickOn(d, frmCloseMsg::PushButton_CloseActive); }},
         CloseCurrentTab},
        {"Cancel", {[](HWND d) { ClickOn(d, frmCloseMsg::PushButton_Cancel); }}, CloseCancel},
        {"the close box", {[](HWND d) { ClickCloseBox(d); }}, CloseCancel},
        {"Tab to Close Current Tab, Enter",
         {[](HWND) { PressKey(VK_TAB); }, [](HWND) { PressKey(VK_RETURN); }},
         CloseCurrentTab},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        results.CloseChoice = 5;  // the answer of no dialog
        EXPECT_EQ(CloseMsg(c.steps), c.choice);
        EXPECT_EQ(settings.ExitInfor, 0);
        EXPECT_EQ(StoredExitInfor(), std::nullopt);
    }
}

TEST_F(DialogsTest, CloseMsgTickedWithCloseCurrentTabStopsTheQuestion) {
    EXPECT_EQ(CloseMsg({[](HWND d) { ClickOn(d, frmCloseMsg::CheckBox_CloseMsg); },
                        [](HWND d) { ClickOn(d, frmCloseMsg::PushButton_CloseActive); }}),
              CloseCurrentTab);
    EXPECT_EQ(settings.ExitInfor, 1);
    EXPECT_EQ(StoredExitInfor(), 1);
}

TEST_F(DialogsTest, CloseMsgTickedAndClosedByTheCloseBoxWritesNothing) {
    EXPECT_EQ(CloseMsg({[](HWND d) { ClickOn(d, frmCloseMsg::CheckBox_CloseMsg); },
                        [](HWND d) {
                            EXPECT_EQ(IsDlgButtonChecked(d, frmCloseMsg::CheckBox_CloseMsg),
                                      BST_CHECKED);
                            ClickCloseBox(d);
                        }}),
              CloseCancel);
    EXPECT_EQ(settings.ExitInfor, 0);
    EXPECT_EQ(StoredExitInfor(), std::nullopt);
}

TEST_F(DialogsTest, CloseMsgIsModalOverItsOwnerAndTabsInOrder) {
    std::vector<int> focus;
    HWND dialogOwner = nullptr;
    bool ownerEnabled = true;
    CloseMsg({[&](HWND d) {
                  dialogOwner = GetWindow(d, GW_OWNER);
                  ownerEnabled = IsWindowEnabled(owner.Get());
                  focus.push_back(FocusedId());
                  PressKey(VK_TAB);
              },
              NoteFocusThenPress(focus, VK_TAB), NoteFocusThenPress(focus, VK_TAB),
              NoteFocusThenPress(focus, VK_TAB),
              [&](HWND d) {
                  focus.push_back(FocusedId());
                  ClickCloseBox(d);
              }});
    EXPECT_EQ(dialogOwner, owner.Get());
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(owner.Get()));
    EXPECT_EQ(focus,
              (std::vector<int>{frmCloseMsg::PushButton_CloseAll,
                                frmCloseMsg::PushButton_CloseActive, frmCloseMsg::PushButton_Cancel,
                                frmCloseMsg::CheckBox_CloseMsg, frmCloseMsg::PushButton_CloseAll}));
}

TEST_F(DialogsTest, LockAnswersOnEveryWayOut) {
    struct Case {
        const char* way;
        Steps steps;
        bool unlocked;
    };
    const Case cases[] = {
        {"Enter: OK", {[](HWND) { PressKey(VK_RETURN); }}, true},
        {"Alt+O", {[](HWND) { PressAlt(L'o'); }}, true},
        {"OK", {[](HWND d) { ClickOn(d, frmLock::Command_Yes); }}, true},
        {"Esc", {[](HWND) { PressKey(VK_ESCAPE); }}, false},
        {"Alt+C", {[](HWND) { PressAlt(L'c'); }}, false},
        {"Cancel", {[](HWND d) { ClickOn(d, frmLock::Command_No); }}, false},
        {"the close box", {[](HWND d) { ClickCloseBox(d); }}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        results.Unlocked = !c.unlocked;
        EXPECT_EQ(Lock(c.steps), c.unlocked);
    }
    EXPECT_EQ(helps, 0);
}

TEST_F(DialogsTest, LockHelpLeavesTheWarningOpenAndALaterOkUnlocks) {
    results.Unlocked = true;
    bool openAfterHelp = false;
    bool unlockedAfterHelp = true;
    EXPECT_TRUE(Lock({[](HWND) { PressAlt(L'h'); },
                      [&](HWND d) {
                          openAfterHelp = IsWindowVisible(d) != FALSE;
                          unlockedAfterHelp = results.Unlocked;
                          ClickOn(d, frmLock::Command_Help);
                      },
                      [](HWND) { PressKey(VK_RETURN); }}));
    EXPECT_EQ(helps, 2);
    EXPECT_TRUE(openAfterHelp);
    EXPECT_FALSE(unlockedAfterHelp);
}

TEST_F(DialogsTest, LockNamesTheHostsActiveProjectShortened) {
    auto project = std::make_shared<morvane::test::FakeProject>();
    project->name = L"Sixteen chars!!!";
    host.activeProject = project;
    std::wstring shown;
    Lock({[&](HWND d) {
        wchar_t text[512] = {};
        GetDlgItemTextW(d, frmLock::FlatEdit1, text, 512);
        shown = text;
        PressKey(VK_ESCAPE);
    }});
    EXPECT_EQ(shown.rfind(L"Project: \"Sixteen chars...\" has been locked", 0), 0u) << shown;
}

TEST_F(DialogsTest, RenameAnswersOnEveryWayOut) {
    struct Case {
        const char* way;
        Steps steps;
        std::wstring name;
    };
    const Case cases[] = {
        {"Enter keeps the name", {[](HWND) { PressKey(VK_RETURN); }}, L"Plan"},
        {"typing replaces the selected name, Enter",
         {[](HWND) { Type(L"Plan B "); }, [](HWND) { PressKey(VK_RETURN); }},
         L"Plan B "},
        {"typing, Alt+O", {[](HWND) { Type(L"X"); }, [](HWND) { PressAlt(L'o'); }}, L"X"},
        {"emptied, OK",
         {[](HWND) { PressKey(VK_DELETE); }, [](HWND d) { ClickOn(d, frmRename::PushButton_OK); }},
         L""},
        {"typing, Esc", {[](HWND) { Type(L"X"); }, [](HWND) { PressKey(VK_ESCAPE); }}, L""},
        {"typing, Cancel",
         {[](HWND) { Type(L"X"); }, [](HWND d) { ClickOn(d, frmRename::PushButton_Cancel); }},
         L""},
        {"typing, the close box",
         {[](HWND) { Type(L"X"); }, [](HWND d) { ClickCloseBox(d); }},
         L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.way);
        results.NewFileName = L"earlier";
        EXPECT_EQ(Rename(c.steps), c.name);
    }
}

TEST_F(DialogsTest, RenameStartsInTheNameAndTabsToTheButtons) {
    std::vector<int> focus;
    Rename({NoteFocusThenPress(focus, VK_TAB), NoteFocusThenPress(focus, VK_TAB),
            NoteFocusThenPress(focus, VK_RETURN)});  // Enter on Cancel
    EXPECT_EQ(focus, (std::vector<int>{frmRename::FlatEdit_NewName, frmRename::PushButton_OK,
                                       frmRename::PushButton_Cancel}));
    EXPECT_EQ(results.NewFileName, L"");
}

TEST_F(DialogsTest, MessageClosesByOkEnterEscAndTheCloseBox) {
    const Steps ways[] = {
        {[](HWND) { PressKey(VK_RETURN); }},
        {[](HWND) { PressKey(VK_ESCAPE); }},
        {[](HWND) { PressAlt(L'o'); }},
        {[](HWND d) { ClickOn(d, frmMessage::PushButton_OK); }},
        {[](HWND d) { ClickCloseBox(d); }},
    };
    for (const Steps& way : ways) {
        Play(way, [&] { ShowMessage(owner.Get(), kEnglish, L"Saved."); });
    }
    // The settings center's message has no owner.
    Play({[](HWND d) {
             EXPECT_EQ(GetWindow(d, GW_OWNER), nullptr);
             PressKey(VK_RETURN);
         }},
         [&] { ShowMessage(nullptr, kEnglish, L"Saved."); });
}

bool CommonControlsSix() {
    ACTCTX_SECTION_KEYED_DATA data{};
    data.cbSize = sizeof data;
    return FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                    L"comctl32.dll", &data) != FALSE;
}

// This program carries the add-in library's manifest, as Morvane.dll does: its dialogs run under
// it, with the system's version 6 controls, whatever the host asked for.
TEST_F(DialogsTest, ADialogRunsUnderTheAddinsOwnManifest) {
    EXPECT_FALSE(CommonControlsSix());
    bool six = false;
    Play({[&](HWND) {
             six = CommonControlsSix();
             PressKey(VK_RETURN);
         }},
         [&] { ShowMessage(owner.Get(), kEnglish, L"Saved."); });
    EXPECT_TRUE(six);
    EXPECT_FALSE(CommonControlsSix());
}

// A form whose load fails.
class BrokenForm : public Form {
  public:
    FormDesign Form_Load() override { throw std::runtime_error("no form"); }
    void Click(int, FormView&) override {}
    void Form_QueryUnload() override {}
};

TEST_F(DialogsTest, AFormThatCannotLoadClosesAtOnce) {
    BrokenForm form;
    EXPECT_FALSE(ShowModal(form, owner.Get()));
    EXPECT_EQ(test::ShownDialog(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner.Get()));
}

}  // namespace
}  // namespace morvane::dialogs
