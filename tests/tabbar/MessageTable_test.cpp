#include "addin/tabbar/MessageTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvane {
namespace {

// One step on a table: a positive op adds, a negative one removes.
struct Step {
    bool add;
    std::int32_t message;
};

struct TableCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<std::int32_t> entries;
    std::int32_t count;
};

class MessageTableCases : public ::testing::TestWithParam<TableCase> {};

TEST_P(MessageTableCases, EndsWithTheseEntries) {
    MessageTable table;
    for (const auto& step : GetParam().steps) {
        if (step.add) {
            table.Add(step.message);
        } else {
            table.Remove(step.message);
        }
    }
    EXPECT_EQ(table.Entries(), GetParam().entries);
    EXPECT_EQ(table.Count(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, MessageTableCases,
    ::testing::Values(
        TableCase{"AddTwice", {{true, 6}, {true, 6}}, {6}, 1},
        TableCase{"AddTwo", {{true, 6}, {true, 134}}, {6, 134}, 2},
        TableCase{"FreedSlotIsReused", {{true, 6}, {true, 7}, {false, 6}, {true, 8}}, {8, 7}, 2},
        // A freed slot before an existing entry takes a second copy of it.
        TableCase{
            "FreedSlotBeforeDuplicate", {{true, 6}, {true, 7}, {false, 6}, {true, 7}}, {7, 7}, 2},
        TableCase{"RemoveUnlisted", {{true, 6}, {false, 9}}, {6}, 1},
        TableCase{"EveryMessage", {{true, 6}, {true, -1}}, {6}, -1},
        // Adding one message ends the every-message mode with a table of one entry.
        TableCase{"EveryThenOne", {{true, 6}, {true, 7}, {true, -1}, {true, 9}}, {9}, 1},
        TableCase{"RemoveAllKeepsEntries", {{true, 6}, {true, 7}, {false, -1}}, {6, 7}, 0},
        TableCase{"RemoveAllThenAdd", {{true, 6}, {false, -1}, {true, 7}}, {7}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageTable, MatchesListedMessagesOnly) {
    MessageTable table;
    EXPECT_FALSE(table.Matches(6));
    table.Add(6);
    table.Add(134);
    EXPECT_TRUE(table.Matches(134));
    EXPECT_FALSE(table.Matches(7));
    table.Remove(6);
    EXPECT_FALSE(table.Matches(6));
    // A freed slot never matches, not even the message number that stands for every message.
    EXPECT_FALSE(table.Matches(0xFFFFFFFFu));
    table.Add(-1);
    EXPECT_TRUE(table.Matches(7));
    table.Remove(-1);
    EXPECT_FALSE(table.Matches(134));
}

}  // namespace
}  // namespace morvane
