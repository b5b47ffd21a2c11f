#include "shared/mdPub.h"

#include <gtest/gtest.h>

#include "support/FakeHost.h"

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
    void SetUp() override { mdPub::HostApp = host; }
    void TearDown() override { mdPub::HostApp.reset(); }
    std::shared_ptr<test::FakeHost> host = std::make_shared<test::FakeHost>();
};

TEST_F(VisibleWindowCountTest, CountsVisibleWindowsOnly) {
    host->AddProject(L"A", L"C:\\p");
    host->AddProject(L"B", L"C:\\p")->visible = false;
    host->AddProject(L"C", L"C:\\p");
    EXPECT_EQ(mdPub::VisibleWindowCount(), 2);
}

TEST_F(VisibleWindowCountTest, NoWindowsOrNoHostIsZero) {
    EXPECT_EQ(mdPub::VisibleWindowCount(), 0);
    mdPub::HostApp.reset();
    EXPECT_EQ(mdPub::VisibleWindowCount(), 0);
}

TEST_F(VisibleWindowCountTest, FailingWindowEndsTheCount) {
    host->AddProject(L"A", L"");
    host->AddProject(L"B", L"")->Fail("Visible");
    host->AddProject(L"C", L"");
    EXPECT_EQ(mdPub::VisibleWindowCount(), 1);
}

}  // namespace
}  // namespace morvane
