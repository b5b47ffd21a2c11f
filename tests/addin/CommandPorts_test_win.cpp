// The menu commands' Win32 ports on the real system: files told apart by identity, not by name,
// devices that are no files, the deletion through the file system object, read-only files
// included, and a Windows program started from the Windows folder whatever the current folder
// holds.
#include "addin/CommandPorts_win.h"

#include <gtest/gtest.h>

#include "addin/FileNameRules.h"
#include "shared/Com_win.h"
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
    EXPECT_FALSE(files.Exists(At(L"Missing")));
    EXPECT_EQ(files.Identity(At(L"Missing")), std::nullopt);
    EXPECT_TRUE(files.Exists(At(L"sub")));
    EXPECT_EQ(files.Identity(At(L"sub")), std::nullopt);
}

// Windows answers for a device in every folder, but no file is there; the name rules refuse
// every such name.
TEST_F(CommandFilesOnDisk, DevicesAnswerButAreNoFiles) {
    for (const wchar_t* device :
         {L"NUL", L"nul.mpp", L"com1.mpp", L"CON .mpp", L"Aux.txt", L"lpt1", L"PRN.plan.mpp"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(device)));
        EXPECT_TRUE(files.Exists(At(device)));
        EXPECT_EQ(files.Identity(At(device)), std::nullopt);
        EXPECT_TRUE(IsDeviceName(device));
    }
}

TEST_F(CommandFilesOnDisk, DeletesReadOnlyFilesAndDescribesFailures) {
    ASSERT_TRUE(SetFileAttributesW(At(L"Plan").c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(files.Delete(At(L"Plan")), std::nullopt);
    EXPECT_FALSE(files.Exists(At(L"Plan")));

    const auto missing = files.Delete(At(L"Missing"));
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->empty());
    EXPECT_TRUE(files.Exists(At(L"Other")));
}

// An explorer.exe planted in the current folder (the folder Project's file dialogs last showed)
// would run with the user's rights if the shell searched for the program by name.
TEST(CommandShell, APlantedProgramInTheCurrentFolderDoesNotRun) {
    const std::wstring folder = TempFolder(L"morvane-planted");
    wchar_t self[MAX_PATH] = {};
    const std::wstring test(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
    const std::wstring planted = test.substr(0, test.rfind(L'\\') + 1) + L"planted_program.exe";
    ASSERT_TRUE(CopyFileW(planted.c_str(), (folder + L"\\explorer.exe").c_str(), FALSE));
    const std::wstring evidence = folder + L"\\ran.txt";
    DeleteFileW(evidence.c_str());
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryW(folder.c_str()));

    const OwnedHandle process =
        StartWindowsProgram(ExplorerProgram, OpenFolderArguments(folder + L"\\Plan.mpp"));
    SetCurrentDirectoryW(before);
    ASSERT_TRUE(process);
    wchar_t image[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    ASSERT_TRUE(QueryFullProcessImageNameW(process.get(), 0, image, &size));
    // The explorer the test started is not left behind.
    if (WaitForSingleObject(process.get(), 2000) == WAIT_TIMEOUT) {
        TerminateProcess(process.get(), 0);
        WaitForSingleObject(process.get(), 5000);
    }

    // Explorer from the Windows folder (Wine runs its own from the system folder below it).
    wchar_t windows[MAX_PATH] = {};
    const std::wstring windowsFolder(windows, GetWindowsDirectoryW(windows, MAX_PATH));
    const std::wstring started(image, size);
    EXPECT_EQ(_wcsnicmp(started.c_str(), (windowsFolder + L"\\").c_str(), windowsFolder.size() + 1),
              0)
        << testing::PrintToString(started);
    EXPECT_EQ(_wcsicmp(FileNameOf(started, L"\\").c_str(), L"explorer.exe"), 0)
        << testing::PrintToString(started);
    EXPECT_FALSE(Exists(evidence));
    DeleteFileW((folder + L"\\explorer.exe").c_str());
}

}  // namespace
}  // namespace morvane::test
