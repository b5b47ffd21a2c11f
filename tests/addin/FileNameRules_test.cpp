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

TEST(FileNameRules, ComparesNamesIgnoringCaseOnly) {
    EXPECT_TRUE(SameNameIgnoringCase(L"Plan", L"pLAN"));
    EXPECT_FALSE(SameNameIgnoringCase(L"Plan", L"Plan2"));
    EXPECT_FALSE(SameNameIgnoringCase(L"Plan", L"Pla"));
    EXPECT_FALSE(SameNameIgnoringCase(L"Plan", L"Plan "));
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

TEST(FileNameRules, OpenFolderCommandQuotesThePath) {
    EXPECT_EQ(OpenFolderCommand(L"C:\\a,b\\Plan.mpp"), L"explorer /select ,\"C:\\a,b\\Plan.mpp\"");
}

}  // namespace
}  // namespace morvane::test
