#include "addin/state/AddinState.h"
#include "shared/mdPub.h"

#include <gtest/gtest.h>

#include "support/FakeHost.h"
#include "support/FakeSystem.h"

namespace morvane {
namespace {

TEST(Words, SplitSignedHalves) {
    EXPECT_EQ(mdPub::LoWord(0x0001FFFF), -1);
    EXPECT_EQ(mdPub::HiWord(0x0001FFFF), 1);
    EXPECT_EQ(mdPub::HiWord(static_cast<std::int32_t>(0xFFFE1234u)), -2);
    EXPECT_EQ(mdPub::LoWord(0x00007FFF), 0x7FFF);
}

TEST(StripModifiedMark, Cases) {
    const struct {
        const wchar_t* caption;
        const wchar_t* expected;
    } cases[] = {
        {L"  Plan  *  ", L"Plan"},
        {L"  Plan  ", L"Plan"},
        {L"Plan *", L"Plan *"},
        {L"  *", L"*"},
        {L"", L""},
        {L"   ", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mdPub::StripModifiedMark(c.caption), c.expected) << c.caption;
    }
}

class VisibleWindowCountTest : public ::testing::Test {
  protected:
    void SetUp() override { state.HostApp = host; }
    std::shared_ptr<test::FakeHost> host = std::make_shared<test::FakeHost>();
    AddinState state;
};

TEST_F(VisibleWindowCountTest, CountsVisibleWindowsOnly) {
    host->AddProject(L"A", L"C:\\p");
    host->AddProject(L"B", L"C:\\p")->visible = false;
    host->AddProject(L"C", L"C:\\p");
    EXPECT_EQ(VisibleWindowCount(state), 2);
}

TEST_F(VisibleWindowCountTest, NoWindowsOrNoHostIsZero) {
    EXPECT_EQ(VisibleWindowCount(state), 0);
    state.HostApp.reset();
    EXPECT_EQ(VisibleWindowCount(state), 0);
}

TEST_F(VisibleWindowCountTest, FailingWindowEndsTheCount) {
    host->AddProject(L"A", L"");
    host->AddProject(L"B", L"")->Fail("Visible");
    host->AddProject(L"C", L"");
    EXPECT_EQ(VisibleWindowCount(state), 1);
}

}  // namespace
}  // namespace morvane

namespace morvane {
namespace {

class FontsTest : public ::testing::Test {
  protected:
    std::shared_ptr<test::FakeSystem> system = std::make_shared<test::FakeSystem>();
};

TEST_F(FontsTest, DefaultFontSizeIsTheMenuFontInPoints) {
    const struct {
        std::int32_t dpi, height, points;
    } cases[] = {
        {96, -12, 9},  {120, -15, 9}, {96, -16, 12},
        {96, 16, 12},  {144, -18, 9}, {96, -14, 10},  // 10.5: the even neighbour
        {96, -18, 14},                                // 13.5
        {96, -11, 8},                                 // 8.25
    };
    for (const auto& c : cases) {
        system->dpi = c.dpi;
        system->metrics = NonClientFonts{L"Tahoma", c.height};
        EXPECT_EQ(mdPub::DefaultFontSize(system.get()), c.points)
            << c.dpi << " dpi, height " << c.height;
    }
}

TEST_F(FontsTest, FailingCallsGiveTheFallbacks) {
    system->metrics.reset();
    EXPECT_EQ(mdPub::DefaultFontSize(system.get()), 9);
    EXPECT_EQ(mdPub::SystemFontName(system.get()), L"");
    system->metrics = NonClientFonts{L"Tahoma", -16};
    for (const auto dpi : {std::optional<std::int32_t>{}, std::optional<std::int32_t>{0}}) {
        system->dpi = dpi;
        EXPECT_EQ(mdPub::DefaultFontSize(system.get()), 9);
    }
    EXPECT_EQ(mdPub::DefaultFontSize(nullptr), 9);
    EXPECT_EQ(mdPub::SystemFontName(nullptr), L"");
}

TEST_F(FontsTest, SystemFontNameIsTheCaptionFont) {
    system->metrics = NonClientFonts{L"Segoe UI", -12};
    EXPECT_EQ(mdPub::SystemFontName(system.get()), L"Segoe UI");
}

TEST(OSVersion, NamesEachKnownVersion) {
    const struct {
        std::uint32_t platform, major, minor;
        const wchar_t* name;
        const wchar_t* version;
    } cases[] = {
        {1, 4, 0, L"Windows 95", L"0"},
        {1, 4, 10, L"Windows 98", L"10"},
        {1, 4, 90, L"Windows Mellinnium", L"90"},
        {1, 4, 3, L"", L"3"},
        {2, 3, 51, L"Windows NT 3.51", L"3.51"},
        {2, 4, 0, L"Windows NT 4.0", L"4.0"},
        {2, 5, 0, L"Windows 2000", L"5.0"},
        {2, 5, 1, L"Windows XP", L"5.1"},
        {2, 5, 2, L"Windows Server 2003", L"5.2"},
        {2, 5, 3, L"", L"5.3"},
        {2, 6, 0, L"Windows Vista", L"6.0"},
        {2, 6, 1, L"Windows 7", L"6.1"},
        {2, 6, 2, L"", L"6.2"},
        {2, 10, 0, L"", L"10.0"},
        {0, 3, 1, L"Failed", L"Failed"},
        {3, 6, 1, L"Failed", L"Failed"},
    };
    for (const auto& c : cases) {
        const auto os = mdPub::OSVersionOf({c.platform, c.major, c.minor});
        EXPECT_EQ(os.Name, c.name) << c.platform << " " << c.major << "." << c.minor;
        EXPECT_EQ(os.Version, c.version) << c.platform << " " << c.major << "." << c.minor;
    }
}

TEST(OSVersion, AsksTheSystemAndFailsWithoutIt) {
    test::FakeSystem system;
    EXPECT_EQ(mdPub::GetOSVersion(&system).Version, L"6.1");
    system.version.reset();
    EXPECT_EQ(mdPub::GetOSVersion(&system).Name, L"Failed");
    EXPECT_EQ(mdPub::GetOSVersion(nullptr).Version, L"Failed");
}

int Twice(int n) {
    return 2 * n;
}

TEST(FnPtr, HoldsAProcedureAsAPointerSizedNumber) {
    const std::intptr_t address = mdPub::FnPtr(&Twice);
    static_assert(sizeof(address) == sizeof(void*));
    EXPECT_EQ(reinterpret_cast<int (*)(int)>(address)(21), 42);
}

}  // namespace
}  // namespace morvane
