// The menu commands' Win32 ports on the real system: files told apart by identity, not by name,
// devices that are no files, names that cannot be looked up, the deletion through the file
// system object, read-only files included, and a Windows program started from the system's
// Windows folder whatever the current folder, or the user's own Windows folder, holds.
#include "addin/CommandPorts_win.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "addin/FileNameRules.h"
#include "shared/Com_win.h"
#include "support/SameNameCases.h"
#include "support/TempFolder_win.h"

namespace morvane::test {
namespace {

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class CommandFilesOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = TempFolder(L"morvane-files");
        CreateDirectoryW(At(L"sub").c_str(), nullptr);
        Write(L"Plan");
        Write(L"Other");
    }
    void TearDown() override {
        for (const wchar_t* name : {L"Plan", L"Other"}) {
            SetFileAttributesW(At(name).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(At(name).c_str());
        }
        RemoveDirectoryW(At(L"sub").c_str());
    }
    void Write(const std::wstring& name) {
        HANDLE file = CreateFileW(At(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }
    std::wstring At(const std::wstring& name) const { return folder + L"\\" + name; }

    com::Apartment apartment;
    std::wstring folder;
    Win32CommandFiles files;
};

TEST_F(CommandFilesOnDisk, OtherSpellingsOfOneFileHaveItsIdentity) {
    const auto plan = files.Identity(At(L"Plan"));
    ASSERT_TRUE(plan);
    for (const wchar_t* spelling : {L"PLAN", L"Plan.", L"Plan ", L"sub\\..\\Plan"}) {
        EXPECT_EQ(files.Identity(At(spelling)), plan)
            << testing::PrintToString(std::wstring(spelling));
    }
    const auto other = files.Identity(At(L"Other"));
    ASSERT_TRUE(other);
    EXPECT_NE(other, plan);
    EXPECT_EQ(files.Exists(At(L"Missing")).answer, Existence::Answer::Absent);
    EXPECT_EQ(files.Identity(At(L"Missing")), std::nullopt);
    EXPECT_EQ(files.Exists(At(L"sub")).answer, Existence::Answer::Present);
    EXPECT_EQ(files.Identity(At(L"sub")), std::nullopt);
}

// Only "file not found" and "path not found" say that nothing has the name. Any other failure
// leaves it unknown, with the system's words: Windows and Wine refuse a wildcard in a name
// (ERROR_INVALID_NAME), as they may deny access to a folder or lose a network share.
TEST_F(CommandFilesOnDisk, ANameThatCannotBeLookedUpIsNotTakenForAbsent) {
    EXPECT_EQ(files.Exists(At(L"Plan")).answer, Existence::Answer::Present);
    for (const wchar_t* absent : {L"Missing", L"nofolder\\Plan", L"nofolder\\sub\\Plan"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(absent)));
        const Existence existence = files.Exists(At(absent));
        EXPECT_EQ(existence.answer, Existence::Answer::Absent);
        EXPECT_TRUE(existence.reason.empty());
    }
    for (const wchar_t* unknown : {L"Pl?n", L"*"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(unknown)));
        const Existence existence = files.Exists(At(unknown));
        EXPECT_EQ(existence.answer, Existence::Answer::Unknown);
        EXPECT_FALSE(existence.reason.empty());
        EXPECT_FALSE(existence.reason.starts_with(L"Error 0x"))
            << testing::PrintToString(existence.reason);
    }
}

// Windows answers for a device in every folder, but no file is there; the name rules refuse
// every such name. A device name with an extension answers as the device up to Windows 10 and
// under Wine, and is an ordinary, missing, file name on Windows 11: only the bare names answer
// everywhere.
TEST_F(CommandFilesOnDisk, DevicesAnswerButAreNoFiles) {
    for (const wchar_t* device : {L"NUL", L"lpt1", L"CON", L"Aux"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(device)));
        EXPECT_EQ(files.Exists(At(device)).answer, Existence::Answer::Present);
    }
    for (const wchar_t* device :
         {L"NUL", L"nul.mpp", L"com1.mpp", L"CON .mpp", L"Aux.txt", L"lpt1", L"PRN.plan.mpp"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(device)));
        EXPECT_NE(files.Exists(At(device)).answer, Existence::Answer::Unknown);
        EXPECT_EQ(files.Identity(At(device)), std::nullopt);
        EXPECT_TRUE(IsDeviceName(device));
    }
}

TEST_F(CommandFilesOnDisk, DeletesReadOnlyFilesAndDescribesFailures) {
    ASSERT_TRUE(SetFileAttributesW(At(L"Plan").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(files.Delete(At(L"Plan")), std::nullopt);
    EXPECT_FALSE(Exists(At(L"Plan")));

    const auto missing = files.Delete(At(L"Missing"));
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->empty());
    EXPECT_TRUE(Exists(At(L"Other")));

    // Held open without sharing delete. The reason is the object's words, or those of its
    // code, never the bare code of the call (Wine's object gives only "unspecified error").
    HANDLE held = CreateFileW(At(L"Other").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto inUse = files.Delete(At(L"Other"));
    CloseHandle(held);
    EXPECT_TRUE(Exists(At(L"Other")));
    for (const auto& reason : {missing, inUse}) {
        ASSERT_TRUE(reason);
        EXPECT_FALSE(reason->empty());
        EXPECT_FALSE(reason->starts_with(L"Error 0x")) << testing::PrintToString(*reason);
    }
}

// The file system's own comparison of names, which the double follows; a file of one name is
// found under the other.
TEST_F(CommandFilesOnDisk, TakesNamesForOneAsTheFileSystemDoes) {
    for (const SameNameCase& c : SameNameCases) {
        EXPECT_EQ(files.SameName(c.a, c.b), c.same)
            << testing::PrintToString(std::wstring(c.a) + L" | " + c.b);
    }
    const std::wstring upper = L"\u00C4nderung \u0416";  // Änderung Ж
    const std::wstring lower = L"\u00E4nderung \u0436";
    ASSERT_TRUE(files.SameName(upper, lower));
    Write(upper);
    const auto file = files.Identity(At(upper));
    const auto found = files.Identity(At(lower));
    DeleteFileW(At(upper).c_str());
    ASSERT_TRUE(file);
    EXPECT_EQ(found, file);
}

// The user's own Windows folder, as a terminal server gives it through GetWindowsDirectoryW to a
// program not marked aware of it; the folder's name while a test plays a terminal server.
std::wstring privateWindowsFolder;

UINT WINAPI PrivateWindowsDirectory(LPWSTR buffer, UINT size) {
    if (privateWindowsFolder.size() >= size) {
        return static_cast<UINT>(privateWindowsFolder.size() + 1);
    }
    privateWindowsFolder.copy(buffer, privateWindowsFolder.size());
    buffer[privateWindowsFolder.size()] = L'\0';
    return static_cast<UINT>(privateWindowsFolder.size());
}

// Points this program's imports of a system function elsewhere while it lives.
class ImportPatch {
  public:
    ImportPatch(const char* function, const void* replacement) {
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
            base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports =
            nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* library =
                 reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             library->Name != 0; ++library) {
            auto* name =
                reinterpret_cast<const IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
            auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
            for (; name->u1.AddressOfData != 0; ++name, ++slot) {
                if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) {
                    continue;
                }
                const auto* byName =
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
                if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                    patched_.push_back({slot, slot->u1.Function});
                    Write(slot, reinterpret_cast<decltype(slot->u1.Function)>(replacement));
                }
            }
        }
    }
    ~ImportPatch() {
        for (const auto& [slot, original] : patched_) {
            Write(slot, original);
        }
    }
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

  private:
    using Address = decltype(IMAGE_THUNK_DATA{}.u1.Function);
    static void Write(IMAGE_THUNK_DATA* slot, Address value) {
        DWORD protection = 0;
        VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
        slot->u1.Function = value;
        VirtualProtect(slot, sizeof *slot, protection, &protection);
    }
    std::vector<std::pair<IMAGE_THUNK_DATA*, Address>> patched_;
};

// A program planted as explorer.exe in a folder the user can write would run with the user's
// rights if Open folder took explorer from there.
class CommandShell : public ::testing::Test {
  protected:
    // Plants the program in a folder of this name in the temporary folder.
    void Plant(const std::wstring& name) {
        folder = TempFolder(name);
        wchar_t self[MAX_PATH] = {};
        const std::wstring test(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
        const std::wstring planted = test.substr(0, test.rfind(L'\\') + 1) + L"planted_program.exe";
        ASSERT_TRUE(CopyFileW(planted.c_str(), (folder + L"\\explorer.exe").c_str(), FALSE));
        DeleteFileW(Evidence().c_str());
    }
    void TearDown() override {
        DeleteFileW((folder + L"\\explorer.exe").c_str());
        DeleteFileW(Evidence().c_str());
    }
    // What the planted program leaves when it runs.
    std::wstring Evidence() const { return folder + L"\\ran.txt"; }
    OwnedHandle StartExplorer() const {
        return StartWindowsProgram(ExplorerProgram, OpenFolderArguments(folder + L"\\Plan.mpp"));
    }
    // The explorer started is the system's (Wine runs its own from the system folder below the
    // Windows folder), the planted one did not run, and the started one is not left behind.
    void ExpectTheSystemsExplorer(const OwnedHandle& process) const {
        ASSERT_TRUE(process);
        wchar_t image[MAX_PATH] = {};
        DWORD size = MAX_PATH;
        ASSERT_TRUE(QueryFullProcessImageNameW(process.get(), 0, image, &size));
        if (WaitForSingleObject(process.get(), 2000) == WAIT_TIMEOUT) {
            TerminateProcess(process.get(), 0);
            WaitForSingleObject(process.get(), 5000);
        }
        wchar_t windows[MAX_PATH] = {};
        const std::wstring windowsFolder(windows, GetSystemWindowsDirectoryW(windows, MAX_PATH));
        const std::wstring started(image, size);
        EXPECT_EQ(
            _wcsnicmp(started.c_str(), (windowsFolder + L"\\").c_str(), windowsFolder.size() + 1),
            0)
            << testing::PrintToString(started);
        EXPECT_EQ(_wcsicmp(FileNameOf(started, L"\\").c_str(), L"explorer.exe"), 0)
            << testing::PrintToString(started);
        EXPECT_FALSE(Exists(Evidence()));
    }

    std::wstring folder;
};

// The current folder is the folder Project's file dialogs last showed.
TEST_F(CommandShell, APlantedProgramInTheCurrentFolderDoesNotRun) {
    Plant(L"morvane-planted");
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));
    const OwnedHandle process = StartExplorer();
    SetCurrentDirectoryW(before);
    ExpectTheSystemsExplorer(process);
}

// On a terminal server GetWindowsDirectoryW gives a program not marked aware of it the user's
// own Windows folder, which the user can write.
TEST_F(CommandShell, APlantedProgramInTheUsersOwnWindowsFolderDoesNotRun) {
    Plant(L"morvane-private-windows");
    privateWindowsFolder = folder;
    const ImportPatch terminalServer("GetWindowsDirectoryW",
                                     reinterpret_cast<const void*>(&PrivateWindowsDirectory));
    wchar_t answered[MAX_PATH] = {};
    ASSERT_EQ(std::wstring(answered, GetWindowsDirectoryW(answered, MAX_PATH)), folder);
    ExpectTheSystemsExplorer(StartExplorer());
}

}  // namespace
}  // namespace morvane::test
