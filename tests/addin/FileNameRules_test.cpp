// How the rename command takes a file name apart and which names it accepts.
#include "addin/FileNameRules.h"

#include <gtest/gtest.h>

namespace morvane::test {
namespace {

TEST(FileNameRules, SplitsAtTheLastSeparatorAndTheLastDot) {
    struct Case {
        const wchar_t* fullName;
        const wchar_t* separator;
        const wchar_t* base;
        const wchar_t* extension;
    };
    const Case cases[] = {
        {L"C:\\P\\Plan.mpp", L"\\", L"Plan", L".mpp"}, {L"C:\\P\\a.b.mpp", L"\\", L"a.b", L".mpp"},
        {L"C:\\P\\Plan", L"\\", L"Plan", L""},         {L"C:\\dir.x\\Plan", L"\\", L"Plan", L""},
        {L"Plan.mpp", L"\\", L"Plan", L".mpp"},        {L"C:\\P\\.mpp", L"\\", L"", L".mpp"},
        {L"C:\\P\\Plan.", L"\\", L"Plan", L"."},       {L"/srv/Plan.mpp", L"/", L"Plan", L".mpp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.fullName)));
        const SplitName name = SplitAtLastDot(FileNameOf(c.fullName, c.separator));
        EXPECT_EQ(name.base, c.base);
        EXPECT_EQ(name.extension, c.extension);
    }
}

TEST(FileNameRules, AcceptsOrdinaryNamesAndRefusesWhatWindowsWouldNotTake) {
    for (const wchar_t* name :
         {L"Plan2", L"a.b", L"Plan, final", L".hidden", L"x y", L"Été 2026"}) {
        EXPECT_TRUE(IsAcceptableFileName(name)) << testing::PrintToString(std::wstring(name));
    }
    for (const wchar_t* name : {L"a\\b", L"a/b", L"a:b", L"a*", L"a?", L"a\"", L"<a", L"a>", L"a|b",
                                L"a\nb", L"\x1f", L".", L"..", L" ", L" . "}) {
        EXPECT_FALSE(IsAcceptableFileName(name)) << testing::PrintToString(std::wstring(name));
    }
}

TEST(FileNameRules, OpenFolderArgumentsQuoteThePath) {
    EXPECT_EQ(OpenFolderArguments(L"C:\\a,b\\Plan.mpp"), L"/select ,\"C:\\a,b\\Plan.mpp\"");
}

TEST(FileNameRules, DeviceNamesInAnyCaseWithBlanksDotsOrAnExtension) {
    for (const wchar_t* name :
         {L"NUL", L"nul", L"Nul.mpp", L"CON", L"con .mpp", L"CON  ", L"CON.", L"CON. .x", L"PRN",
          L"aux.tar.gz", L"COM1", L"com9.mpp", L"LPT1", L"lpt9", L"COM\u00B9", L"lpt\u00B3.mpp",
          L"CONIN$", L"conout$.mpp"}) {
        EXPECT_TRUE(IsDeviceName(name)) << testing::PrintToString(std::wstring(name));
    }
    for (const wchar_t* name : {L"NULL", L"nul2", L"xNUL", L" CON", L"plan.NUL", L"COM", L"COM0",
                                L"COM10", L"LPT", L"LPTA", L"CONSOLE", L"PRN_list.mpp", L""}) {
        EXPECT_FALSE(IsDeviceName(name)) << testing::PrintToString(std::wstring(name));
    }
}

// The characters first, then devices, then the length of the file name and of the full name.
TEST(FileNameRules, FaultsOfANewName) {
    const std::wstring folder = L"C:\\Plans\\";
    const auto fault = [&](const std::wstring& base, const std::wstring& extension) {
        return FaultOfNewName(base, base + extension, folder + base + extension);
    };
    EXPECT_EQ(fault(L"Plan2", L".mpp"), std::nullopt);
    EXPECT_EQ(fault(L"a:b", L".mpp"), NameFault::Characters);
    EXPECT_EQ(fault(L"NUL", L".mpp"), NameFault::Device);
    EXPECT_EQ(fault(L"lpt1 ", L""), NameFault::Device);
    const std::size_t room = MaxFullNameLength - folder.size() - 4;  // 246
    EXPECT_EQ(fault(std::wstring(room, L'x'), L".mpp"), std::nullopt);
    EXPECT_EQ(fault(std::wstring(room + 1, L'x'), L".mpp"), NameFault::TooLong);
    EXPECT_EQ(FaultOfNewName(std::wstring(255, L'x'), std::wstring(255, L'x'),
                             L"C:\\" + std::wstring(255, L'x')),
              std::nullopt);
    EXPECT_EQ(FaultOfNewName(std::wstring(252, L'x'), std::wstring(252, L'x') + L".mpp",
                             L"C:\\" + std::wstring(252, L'x') + L".mpp"),
              NameFault::TooLong);
}

// The old file goes only when the project's full name leads to the new file, in whatever
// spelling the host gives it, and that is another file on disk.
TEST(FileNameRules, WhetherTheOldFileGoesAfterTheSave) {
    const FileIdentity oldFile{1, 10};
    const FileIdentity newFile{1, 11};
    const FileIdentity otherFile{1, 12};
    const FileIdentity sameIndexOtherVolume{2, 10};
    struct Case {
        const char* name;
        std::optional<FileIdentity> projectFile, oldId, newId;
        RenameOutcome outcome;
    };
    const Case cases[] = {
        {"moved to a new file", newFile, oldFile, newFile, RenameOutcome::DeleteOld},
        {"same index on another volume", sameIndexOtherVolume, oldFile, sameIndexOtherVolume,
         RenameOutcome::DeleteOld},
        {"project stayed", oldFile, oldFile, newFile, RenameOutcome::NotMoved},
        {"project stayed, nothing written", oldFile, oldFile, std::nullopt,
         RenameOutcome::NotMoved},
        {"project names a third file", otherFile, oldFile, newFile, RenameOutcome::NotMoved},
        {"project's name unknown", std::nullopt, oldFile, newFile, RenameOutcome::NotMoved},
        {"moved, but no new file (or a device)", std::nullopt, oldFile, std::nullopt,
         RenameOutcome::NoNewFile},
        {"the new name is the old file", oldFile, oldFile, oldFile, RenameOutcome::NoNewFile},
        {"old file gone", newFile, std::nullopt, newFile, RenameOutcome::NoOldFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(OutcomeOfSave(c.projectFile, c.oldId, c.newId), c.outcome);
    }
}

// Windows drops trailing dots and blanks from a file name, not those before an extension.
TEST(FileNameRules, TheNameWindowsUses) {
    struct Case {
        const wchar_t* typed;
        const wchar_t* used;
    };
    const Case cases[] = {
        {L"Plan2", L"Plan2"},
        {L"Plan2.", L"Plan2"},
        {L"Plan2 ", L"Plan2"},
        {L"Plan2. .", L"Plan2"},
        {L"Plan2 .mpp", L"Plan2 .mpp"},
        {L"x..mpp", L"x..mpp"},
        {L" Plan2", L" Plan2"},
        {L"a.b.", L"a.b"},
        {L"...", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameWindowsUses(c.typed), c.used)
            << testing::PrintToString(std::wstring(c.typed));
    }
}

TEST(FileNameRules, AFolderEndsWithOneSeparator) {
    EXPECT_EQ(FolderPrefix(L"C:\\Plans", L"\\"), L"C:\\Plans\\");
    EXPECT_EQ(FolderPrefix(L"C:\\", L"\\"), L"C:\\");
    EXPECT_EQ(FolderPrefix(L"\\\\server\\share\\", L"\\"), L"\\\\server\\share\\");
    EXPECT_EQ(FolderPrefix(L"/srv", L"/"), L"/srv/");
}

}  // namespace
}  // namespace morvane::test
