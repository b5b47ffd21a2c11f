// The menu commands clicked in the stand-in host, with real files in a temporary folder: the
// host's own commands, closing, saving, renaming, locking, the folder, the help page and the
// show/hide entry. The shell and the dialogs are doubles, so nothing waits for a user, except
// in the one rename answered through the real dialogs.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "BarInHost_win.h"
#include "host/MenuBars.h"
#include "addin/Menus.h"
#include "addin/state/AddinState.h"
#include "addin/TabBarConnection_win.h"
#include "addin/options/frmOption.h"
#include "dialogs/DialogScript_win.h"
#include "addin/StandinBars_win.h"
#include "shared/HostDispIds.h"
#include "shared/Office_win.h"
#include "shared/SettingsSchema.h"
#include "support/FakeCommandPorts.h"
#include "support/TempFolder_win.h"

namespace morvane::test {
namespace {

using standin::ObjectKind;

// Context-menu positions of "PupTabOnItem".
enum Item : long {
    New = 1,
    Open = 2,
    Close = 3,
    CloseOther = 4,
    CloseAll = 5,
    Save = 6,
    SaveAs = 7,
    SaveAll = 8,
    OpenFolder = 9,
    Rename = 10,
    Lock = 11,
    Help = 12,
    Options = 13,
    About = 14,
};

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFile(const std::wstring& path, const std::string& content = "") {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "<missing>";
    }
    char buffer[256];
    DWORD read = 0;
    ::ReadFile(file, buffer, sizeof buffer, &read, nullptr);
    CloseHandle(file);
    return std::string(buffer, read);
}

// Every file of the folder goes, so each case starts from nothing.
void EmptyFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            const std::wstring path = folder + L"\\" + found.cFileName;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

class CommandsInHost : public BarInHost {
  protected:
    void SetUp() override {
        BarInHost::SetUp();
        EmptyFolder(folder);
    }
    void TearDown() override {
        BarInHost::TearDown();
        EmptyFolder(folder);
    }

    // A host of this version, connected, with these projects saved in the folder (files on
    // disk) and opened in this order, the last one active.
    void StartWith(std::initializer_list<const wchar_t*> names,
                   const std::wstring& version = L"14.0") {
        StartHost(version);
        ASSERT_TRUE(connection->Connect(host->Application(), dialogs,
                                        CommandSeams{.shell = shell, .dialogs = commandDialogs}));
        for (const wchar_t* name : names) {
            WriteFile(folder + L"\\" + name);
            host->OpenProject(name, folder);
        }
        host->Pump();
    }

    void EndHost() {
        Disconnect();
        host.reset();
        state = AddinState{};
        EmptyFolder(folder);
        log.clear();
    }

    // The projects the host closed, in order.
    std::vector<std::wstring> Closed() const {
        std::vector<std::wstring> names;
        for (const auto& event : host->Events()) {
            if (event.id == office::ProjectBeforeClose) {
                names.push_back(event.subject);
            }
        }
        return names;
    }

    int AlertsCalls() const { return host->Calls(ObjectKind::Application, appid::DisplayAlerts); }

    const std::wstring folder = TempFolder(L"morvane-commands");
    CommandLog log;
    std::shared_ptr<FakeCommandShell> shell = std::make_shared<FakeCommandShell>(log);
    std::shared_ptr<FakeCommandDialogs> commandDialogs = std::make_shared<FakeCommandDialogs>(log);
};

TEST_F(CommandsInHost, TheHostsOwnCommands) {
    struct Case {
        Item item;
        long member;
    };
    for (const Case c : {Case{New, appid::FileNew}, Case{Save, appid::FileSave},
                         Case{Open, appid::FileOpen}, Case{SaveAs, appid::FileSaveAs}}) {
        SCOPED_TRACE(c.member);
        StartWith({L"A.mpp"});
        ClickItem(c.item);
        EXPECT_EQ(host->Calls(ObjectKind::Application, c.member), 1);
        EndHost();
    }
}

TEST_F(CommandsInHost, NewOpensAProjectAndItsTab) {
    StartWith({L"A.mpp"});
    ClickItem(New);
    EXPECT_EQ(host->Documents().size(), 2u);
    EXPECT_EQ(Control().Count(), 2);
}

TEST_F(CommandsInHost, CloseClosesTheActiveWindowOnly) {
    StartWith({L"A.mpp", L"B.mpp", L"C.mpp"});
    host->Activate(L"B.mpp");
    host->Pump();
    ClickItem(Close);
    EXPECT_EQ(OpenNames(), (std::vector<std::wstring>{L"A.mpp", L"C.mpp"}));
    // The client window's hook lets the closed window go.
    EXPECT_EQ(ChildHandles.Count(), 2u);
}

TEST_F(CommandsInHost, CloseAllClosesEveryWindowInTabOrderHiddenOnesToo) {
    StartWith({L"A.mpp", L"B.mpp", L"C.mpp"});
    ASSERT_TRUE(host->SetWindowVisible(L"B.mpp", false));
    host->Pump();
    host->ClearEvents();
    ClickItem(CloseAll);
    EXPECT_EQ(Closed(), (std::vector<std::wstring>{L"A.mpp", L"B.mpp", L"C.mpp"}));
    EXPECT_TRUE(host->Documents().empty());
    EXPECT_EQ(ChildHandles.Count(), 0u);
    EXPECT_FALSE(Updating);
    // Everything was saved: the alerts went off for the closing and came back.
    EXPECT_EQ(AlertsCalls(), 2);
    EXPECT_TRUE(host->Alerts());
}

TEST_F(CommandsInHost, CloseOthersKeepsTheActiveWindow) {
    StartWith({L"A.mpp", L"B.mpp", L"C.mpp"});
    host->Activate(L"B.mpp");
    host->Pump();
    host->ClearEvents();
    ClickItem(CloseOther);
    EXPECT_EQ(Closed(), (std::vector<std::wstring>{L"A.mpp", L"C.mpp"}));
    EXPECT_EQ(OpenNames(), (std::vector<std::wstring>{L"B.mpp"}));
    EXPECT_EQ(Control().Count(), 1);
}

TEST_F(CommandsInHost, CloseOthersWithOneWindowClosesNothing) {
    StartWith({L"A.mpp"});
    host->ClearEvents();
    ClickItem(CloseOther);
    EXPECT_TRUE(Closed().empty());
    EXPECT_EQ(OpenNames(), (std::vector<std::wstring>{L"A.mpp"}));
    EXPECT_EQ(Control().Count(), 1);
}

// Unsaved work keeps the host's own questions: the alerts are left alone.
TEST_F(CommandsInHost, ClosingUnsavedWorkLeavesTheAlertsOn) {
    for (const Item item : {CloseAll, CloseOther}) {
        SCOPED_TRACE(item);
        StartWith({L"A.mpp", L"B.mpp"});
        host->Modify(L"A.mpp");
        host->Activate(L"B.mpp");
        host->Pump();
        ClickItem(item);
        EXPECT_EQ(AlertsCalls(), 0);
        EXPECT_TRUE(host->Alerts());
        EndHost();
    }
}

TEST_F(CommandsInHost, SaveAllSavesEveryProjectAndGivesTheActiveWindowBack) {
    StartWith({L"A.mpp", L"B.mpp", L"C.mpp"});
    host->Modify(L"A.mpp");
    host->Modify(L"C.mpp");
    host->Activate(L"B.mpp");
    host->Pump();
    ClickItem(SaveAll);
    for (const auto& doc : host->Documents()) {
        EXPECT_TRUE(doc->saved) << testing::PrintToString(doc->name);
    }
    EXPECT_EQ(host->Calls(ObjectKind::Application, appid::FileSave), 3);
    EXPECT_EQ(ActiveName(), L"B.mpp");
}

TEST_F(CommandsInHost, RenameSavesTheNewFileAndDeletesTheOld) {
    struct Case {
        const wchar_t* fileName;
        const wchar_t* typed;
        const wchar_t* shown;
        const wchar_t* newFile;  // empty: nothing saved
    };
    const Case cases[] = {
        {L"Plan.mpp", L"Plan2", L"Plan", L"Plan2.mpp"},
        {L"a.b.mpp", L"c", L"a.b", L"c.mpp"},
        {L"Plan", L"Plan2", L"Plan", L"Plan2"},
        {L"Plan.mpp", L"plan", L"Plan", L""},  // only the case differs
        {L"Plan.mpp", L"", L"Plan", L""},      // cancelled
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.fileName) + L" to " + c.typed));
        StartWith({c.fileName});
        commandDialogs->newNames = {c.typed};
        commandDialogs->namesShown.clear();
        ClickItem(Rename);
        EXPECT_EQ(commandDialogs->namesShown, std::vector<std::wstring>{c.shown});
        const std::wstring newFile = c.newFile;
        if (newFile.empty()) {
            EXPECT_TRUE(FileExists(folder + L"\\" + c.fileName));
            EXPECT_EQ(OpenNames(), std::vector<std::wstring>{c.fileName});
        } else {
            EXPECT_FALSE(FileExists(folder + L"\\" + c.fileName));
            EXPECT_TRUE(FileExists(folder + L"\\" + newFile));
            EXPECT_EQ(OpenNames(), std::vector<std::wstring>{newFile});
            EXPECT_EQ(Control().ToolTip(0), folder + L"\\" + newFile);
        }
        EXPECT_TRUE(log.empty());
        EndHost();
    }
}

TEST_F(CommandsInHost, RenameOfALockedProjectAsksFirst) {
    for (const bool unlock : {false, true}) {
        SCOPED_TRACE(unlock ? "Yes" : "No");
        StartWith({L"Plan.mpp"});
        LockedProjects.insert(folder + L"\\Plan.mpp");
        commandDialogs->unlockAnswer = unlock;
        commandDialogs->newNames = {L"Plan2"};
        ClickItem(Rename);
        EXPECT_EQ(LockedProjects.empty(), unlock);
        EXPECT_EQ(FileExists(folder + L"\\Plan2.mpp"), unlock);
        EXPECT_EQ(FileExists(folder + L"\\Plan.mpp"), !unlock);
        EXPECT_EQ(log, (std::vector<std::wstring>{L"beep", L"ask unlock Plan.mpp"}));
        EndHost();
    }
}

// A host that refuses the save is quoted in its own words; a file of the new name that another
// program holds open is in the way and is named. The old file stays either way.
TEST_F(CommandsInHost, RenameThatCannotGoAheadKeepsTheOldFileAndSaysWhy) {
    struct Case {
        const char* name;
        // Makes the rename fail; a file held open meanwhile, or none.
        std::function<HANDLE(const std::wstring& newFile)> refuse;
        std::function<std::wstring(const std::wstring& newFile)> message;
    };
    const Case cases[] = {
        {"the host fails the call",
         [this](const std::wstring&) {
             host->Fail(ObjectKind::Project, projectid::SaveAs);
             return INVALID_HANDLE_VALUE;
         },
         [](const std::wstring&) {
             const std::wstring description = com::SystemErrorText(E_FAIL);
             EXPECT_FALSE(description.starts_with(L"Error 0x"))
                 << testing::PrintToString(description);
             return description;
         }},
        {"another program holds a file of the new name",
         [](const std::wstring& newFile) {
             return CreateFileW(newFile.c_str(), GENERIC_READ, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
         },
         [](const std::wstring& newFile) {
             return L"Another file already has this name, so the project is not saved over it: " +
                    newFile;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartWith({L"Plan.mpp"});
        const std::wstring newFile = folder + L"\\Plan2.mpp";
        const HANDLE held = c.refuse(newFile);
        commandDialogs->newNames = {L"Plan2"};
        ClickItem(Rename);
        if (held != INVALID_HANDLE_VALUE) {
            CloseHandle(held);
        }
        EXPECT_TRUE(FileExists(folder + L"\\Plan.mpp"));
        EXPECT_EQ(OpenNames(), std::vector<std::wstring>{L"Plan.mpp"});
        EXPECT_EQ(log, std::vector<std::wstring>{L"message " + c.message(newFile)});
        EndHost();
    }
}

// Windows drops a trailing dot or blank: such a name leads to the old file, which must stay.
TEST_F(CommandsInHost, RenameToAnotherSpellingOfTheSameFileKeepsIt) {
    for (const wchar_t* typed : {L"Plan.", L"Plan ", L"Plan. ."}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(typed)));
        StartWith({L"Plan"});
        commandDialogs->newNames = {typed};
        ClickItem(Rename);
        EXPECT_TRUE(FileExists(folder + L"\\Plan"));
        EXPECT_TRUE(log.empty());
        EndHost();
    }
}

TEST_F(CommandsInHost, RenameRefusesNamesWindowsWouldNotTake) {
    for (const wchar_t* typed : {L"..\\Plan2", L"sub/Plan2", L"C:Plan2", L"Plan*", L"Plan?",
                                 L"Plan\"2", L"<Plan>", L"a|b", L"..", L"   "}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(typed)));
        StartWith({L"Plan.mpp"});
        commandDialogs->newNames = {typed, L"Plan3"};
        ClickItem(Rename);
        ASSERT_EQ(log.size(), 1u);
        EXPECT_TRUE(log[0].starts_with(L"message A file name cannot contain"));
        // The second try goes through.
        EXPECT_TRUE(FileExists(folder + L"\\Plan3.mpp"));
        EXPECT_FALSE(FileExists(folder + L"\\Plan.mpp"));
        EndHost();
    }
}

// Another project's file of the new name is named to the user and left as it is; both projects
// stay open with their own files.
TEST_F(CommandsInHost, RenameOntoAnotherProjectsFileKeepsBothFiles) {
    StartWith({L"B.mpp", L"A.mpp"});
    WriteFile(folder + L"\\A.mpp", "A's 14 bytes.\n");
    WriteFile(folder + L"\\B.mpp", "B's plan, 18 bytes");
    commandDialogs->newNames = {L"B", L""};
    ClickItem(Rename);
    EXPECT_EQ(commandDialogs->namesShown, (std::vector<std::wstring>{L"A", L"B"}));
    EXPECT_EQ(log, (std::vector<std::wstring>{L"message Another file already has this name, so "
                                              L"the project is not saved over it: " +
                                              folder + L"\\B.mpp"}));
    EXPECT_EQ(ReadFile(folder + L"\\A.mpp"), "A's 14 bytes.\n");
    EXPECT_EQ(ReadFile(folder + L"\\B.mpp"), "B's plan, 18 bytes");
    EXPECT_EQ(OpenNames(), (std::vector<std::wstring>{L"B.mpp", L"A.mpp"}));
}

// Another open project that has no file yet keeps its full name: the name is refused, in any
// case of any alphabet, and asked again; both projects keep names of their own.
TEST_F(CommandsInHost, RenameOntoAnOpenProjectsNameAsksAgain) {
    struct Case {
        const wchar_t* other;
        const wchar_t* typed;
    };
    const Case cases[] = {
        {L"B.mpp", L"b"},
        {L"\u00C4nderung.mpp", L"\u00E4nderung"},  // Änderung, änderung
        {L"\u0416.mpp", L"\u0436"},                // Ж, ж
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.other) + L" to " + c.typed));
        StartWith({L"A.mpp"});
        host->OpenProject(c.other, folder);  // named in the folder, no file there yet
        host->Activate(L"A.mpp");
        host->Pump();
        commandDialogs->newNames = {c.typed, L"C"};
        ClickItem(Rename);
        EXPECT_EQ(log, (std::vector<std::wstring>{L"message Another open project already has this "
                                                  L"name, so the project is not renamed to it: " +
                                                  folder + L"\\" + c.typed + L".mpp"}));
        EXPECT_FALSE(FileExists(folder + L"\\" + c.other));
        EXPECT_FALSE(FileExists(folder + L"\\" + c.typed + L".mpp"));
        EXPECT_FALSE(FileExists(folder + L"\\A.mpp"));
        EXPECT_TRUE(FileExists(folder + L"\\C.mpp"));
        EXPECT_EQ(OpenNames(), (std::vector<std::wstring>{L"C.mpp", c.other}));
        EndHost();
    }
}

// Windows drops trailing dots and blanks, and a drive's root folder ends with its separator:
// such renames end as any other, the new file written, the old one gone, nothing to say.
TEST_F(CommandsInHost, RenameUnderANameWindowsShortensOrInADrivesRoot) {
    struct Case {
        std::wstring folder;
        const wchar_t* fileName;
        const wchar_t* typed;
        const wchar_t* newFile;
    };
    const std::wstring root = folder.substr(0, 3);
    const Case cases[] = {
        {folder + L"\\", L"Plan", L"Plan2.", L"Plan2"},
        {folder + L"\\", L"Plan", L"Plan2 ", L"Plan2"},
        {root, L"morvane-advroot.mpp", L"morvane-advroot2", L"morvane-advroot2.mpp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.folder + c.fileName + L" to " + c.typed));
        StartWith({});
        WriteFile(c.folder + c.fileName);
        host->OpenProject(c.fileName, c.folder == root ? root : folder);
        host->Pump();
        commandDialogs->newNames = {c.typed};
        ClickItem(Rename);
        EXPECT_TRUE(log.empty()) << testing::PrintToString(log);
        EXPECT_FALSE(FileExists(c.folder + c.fileName));
        EXPECT_TRUE(FileExists(c.folder + c.newFile));
        EXPECT_EQ(OpenNames(), std::vector<std::wstring>{c.newFile});
        EXPECT_EQ(Control().ToolTip(0), c.folder + c.newFile);
        DeleteFileW((c.folder + c.fileName).c_str());
        DeleteFileW((c.folder + c.newFile).c_str());
        EndHost();
    }
}

// A device name, or a path longer than a file's may be, is refused before anything is saved.
TEST_F(CommandsInHost, RenameToADeviceOrATooLongNameKeepsTheOnlyFile) {
    StartWith({L"Plan.mpp"});
    const std::wstring tooLong(300 - folder.size(), L'x');
    commandDialogs->newNames = {L"NUL", L"com1", L"CON ", L"aux.plan", tooLong, L""};
    ClickItem(Rename);
    ASSERT_EQ(log.size(), 5u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(log[i].starts_with(L"message Windows keeps this name for a device"))
            << testing::PrintToString(log[i]);
    }
    EXPECT_TRUE(log[4].starts_with(L"message This name is too long"))
        << testing::PrintToString(log[4]);
    EXPECT_TRUE(FileExists(folder + L"\\Plan.mpp"));
    EXPECT_EQ(OpenNames(), std::vector<std::wstring>{L"Plan.mpp"});
    EXPECT_EQ(Control().ToolTip(0), folder + L"\\Plan.mpp");
}

TEST_F(CommandsInHost, RenameOfANeverSavedProjectOnlyAlerts) {
    StartWith({});
    host->OpenProject(L"Project1");
    host->Pump();
    ClickItem(Rename);
    EXPECT_EQ(
        log, (std::vector<std::wstring>{L"alert Please save this Workbook before you can do it."}));
    EXPECT_TRUE(commandDialogs->namesShown.empty());
}

TEST_F(CommandsInHost, RenameReportsAnOldFileThatCannotBeDeleted) {
    StartWith({L"Plan.mpp"});
    // Open without sharing delete: the file system object cannot delete it.
    HANDLE held = CreateFileW((folder + L"\\Plan.mpp").c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    commandDialogs->newNames = {L"Plan2"};
    ClickItem(Rename);
    CloseHandle(held);
    EXPECT_TRUE(FileExists(folder + L"\\Plan2.mpp"));
    EXPECT_TRUE(FileExists(folder + L"\\Plan.mpp"));
    // The project is under its new name; the old file is named, with the reason it stays.
    const std::wstring said =
        L"message The project is saved under its new name, but its old file "
        L"could not be deleted and is kept: " +
        folder + L"\\Plan.mpp\n";
    ASSERT_EQ(log.size(), 1u);
    ASSERT_TRUE(log[0].starts_with(said)) << testing::PrintToString(log[0]);
    const std::wstring reason = log[0].substr(said.size());
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(reason.starts_with(L"Error 0x")) << testing::PrintToString(reason);
}

TEST_F(CommandsInHost, LockTwiceLocksThenUnlocksTheSelectedTab) {
    StartWith({L"A.mpp", L"B.mpp"});
    ClickItem(Lock);
    EXPECT_EQ(std::vector<std::wstring>(LockedProjects.begin(), LockedProjects.end()),
              std::vector<std::wstring>{folder + L"\\B.mpp"});
    // The lock image on B's tab only.
    EXPECT_EQ(Control().Image(0), 0);
    EXPECT_EQ(Control().Image(1), 1);
    ClickItem(Lock);
    EXPECT_TRUE(LockedProjects.empty());
    EXPECT_EQ(Control().Image(1), 0);
}

TEST_F(CommandsInHost, FolderHelpOptionsAndAboutReachTheShellAndTheDialogs) {
    StartWith({L"Plan, final.mpp"});
    for (const Item item : {OpenFolder, Help, Options, About}) {
        ClickItem(item);
    }
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0], L"start explorer.exe /select ,\"" + folder + L"\\Plan, final.mpp\"");
    EXPECT_TRUE(log[1].starts_with(L"page ")) << testing::PrintToString(log[1]);
    EXPECT_TRUE(log[1].ends_with(L"\\Help\\index.html")) << testing::PrintToString(log[1]);
    EXPECT_EQ(log[2], L"options");
    EXPECT_EQ(log[3], L"options about");
}

TEST_F(CommandsInHost, ShowOrHideTwiceRestoresTheStateAndTabShow) {
    StartWith({L"A.mpp", L"B.mpp"}, L"12.0");
    ASSERT_TRUE(state.BtnShowTabBar);
    const auto button = DispatchOf(*state.BtnShowTabBar);
    auto& bars = host->CommandBars();
    EXPECT_EQ(bars.Describe(button.Get()).state, office::msoButtonDown);
    EXPECT_TRUE(Form()->Visible());

    ASSERT_TRUE(bars.Click(button.Get()).clicked);
    host->Pump();
    EXPECT_EQ(bars.Describe(button.Get()).state, office::msoButtonUp);
    EXPECT_EQ(Settings.TabShow, 1);
    EXPECT_FALSE(Form()->Visible());
    DWORD stored = 0;
    DWORD size = sizeof stored;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, std::wstring(SettingsKey).c_str(), L"TabShow",
                           RRF_RT_REG_DWORD, nullptr, &stored, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(stored, 1u);

    ASSERT_TRUE(bars.Click(button.Get()).clicked);
    host->Pump();
    EXPECT_EQ(bars.Describe(button.Get()).state, office::msoButtonDown);
    EXPECT_EQ(Settings.TabShow, 0);
    EXPECT_TRUE(Form()->Visible());
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, std::wstring(SettingsKey).c_str(), L"TabShow",
                           RRF_RT_REG_DWORD, nullptr, &stored, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(stored, 0u);
}

// The rename with the add-in's own dialogs, as a user answers them: a refused name, the
// message, then a good name at the second try.
TEST_F(CommandsInHost, RenameThroughTheRealDialogs) {
    using namespace dialogs::test;
    commandDialogs = nullptr;
    StartWith({L"Plan.mpp"});
    DialogScript script({
        [](HWND) { Type(L"a:b"); },
        [](HWND) { PressKey(VK_RETURN); },
        [](HWND) { PressKey(VK_RETURN); },  // the message's OK
        [](HWND) { Type(L"Plan2"); },
        [](HWND) { PressKey(VK_RETURN); },
    });
    ClickItem(Rename);
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(script.Stuck());
    EXPECT_FALSE(FileExists(folder + L"\\Plan.mpp"));
    EXPECT_TRUE(FileExists(folder + L"\\Plan2.mpp"));
    EXPECT_EQ(OpenNames(), std::vector<std::wstring>{L"Plan2.mpp"});
}

// The options entry and About open the add-in's own options dialog; About shows its About page
// (the home page's link), the options entry a page of settings.
TEST_F(CommandsInHost, OptionsAndAboutOpenTheRealDialogOnTheirPages) {
    using namespace dialogs::test;
    commandDialogs = nullptr;
    StartWith({L"Plan.mpp"});
    for (const auto& [item, aboutShown] : {std::pair{Options, false}, std::pair{About, true}}) {
        SCOPED_TRACE(item);
        std::optional<bool> about;
        DialogScript script({[&about](HWND dialog) {
            about = IsWindowVisible(GetDlgItem(dialog, frmOption::Labelblog)) != FALSE;
            ClickOn(dialog, frmOption::PushButton_Cancel);
        }});
        ClickItem(item);
        EXPECT_TRUE(script.Finished());
        EXPECT_FALSE(script.Stuck());
        EXPECT_EQ(about, aboutShown);
    }
}

}  // namespace
}  // namespace morvane::test
