#include <gtest/gtest.h>

#include "options/TabWidthText.h"

namespace morvane::test {
namespace {

struct WidthCase {
    const wchar_t* text;
    std::optional<std::int32_t> saved;  // none: refused
};

TEST(TabWidthText, AcceptsZeroAndSeventyToFourHundredSavingTheWholePart) {
    const WidthCase cases[] = {
        {L"0", 0},
        {L"70", 70},
        {L"400", 400},
        {L"150", 150},
        {L"150.9", 150},
        {L"100px", 100},
        {L" 120", 120},
        {L"1 50", 150},
        {L"400.9", std::nullopt},
        {L"69.99", std::nullopt},
        {L"00", std::nullopt},
        {L" 0", std::nullopt},
        {L"0 ", std::nullopt},
        {L"", std::nullopt},
        {L"abc", std::nullopt},
        {L"69", std::nullopt},
        {L"401", std::nullopt},
        {L"-100", std::nullopt},
        {L"px100", std::nullopt},
        {L"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TabWidthOf(c.text), c.saved)
            << "text \"" << testing::PrintToString(c.text) << "\"";
    }
}

}  // namespace
}  // namespace morvane::test
