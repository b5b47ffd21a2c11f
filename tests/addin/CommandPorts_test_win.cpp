// The menu commands' file port over the real file system: files told apart by identity, not by
// name, and the deletion through the file system object, read-only files included.
#include "addin/CommandPorts_win.h"

#include <gtest/gtest.h>

#include "shared/Com_win.h"
#include "support/TempFolder_win.h"

namespace morvane::test {
namespace {

class CommandFilesOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = TempFolder(L"morvane-files");
        CreateDirectoryW((folder + L"\\sub").c_str(), nullptr);
        Write(L"Plan");
        Write(L"Other");
    }
    void TearDown() override {
        for (const wchar_t* name : {L"Plan", L"Other"}) {
            const std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
        RemoveDirectoryW((folder + L"\\sub").c_str());
    }
    void Write(const std::wstring& name) {
        HANDLE file = CreateFileW((folder + L"\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }
    std::wstring At(const std::wstring& name) const { return folder + L"\\" + name; }

    com::Apartment apartment;
    std::wstring folder;
    Win32CommandFiles files;
};

TEST_F(CommandFilesOnDisk, OtherSpellingsOfOneFileAreTheSameFile) {
    for (const wchar_t* spelling : {L"Plan", L"PLAN", L"Plan.", L"Plan ", L"sub\\..\\Plan"}) {
        EXPECT_TRUE(files.SameFile(At(L"Plan"), At(spelling)))
            << testing::PrintToString(std::wstring(spelling));
    }
    EXPECT_FALSE(files.SameFile(At(L"Plan"), At(L"Other")));
    EXPECT_FALSE(files.SameFile(At(L"Plan"), At(L"Missing")));
    EXPECT_FALSE(files.SameFile(At(L"Missing"), At(L"Missing")));
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

}  // namespace
}  // namespace morvane::test
