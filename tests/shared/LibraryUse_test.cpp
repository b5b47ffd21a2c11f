// Work that would free what running code uses waits until the outermost call into the library
// has returned, and runs in the order it was given.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "shared/LibraryUse.h"
#include "shared/Trace.h"

namespace morvane {
namespace {

using LibraryUse::AfterOutermostCall;
using LibraryUse::CallsInProgress;
using LibraryUse::Entry;

TEST(LibraryUseTest, WorkRunsAtOnceOutsideAnyCall) {
    std::vector<std::string> done;
    AfterOutermostCall([&] { done.push_back("now"); });
    EXPECT_EQ(done, std::vector<std::string>{"now"});
    EXPECT_EQ(CallsInProgress(), 0);
}

TEST(LibraryUseTest, WorkWaitsForTheOutermostCallAndKeepsItsOrder) {
    std::vector<std::string> done;
    {
        const Entry outer;
        {
            const Entry inner;
            AfterOutermostCall([&] { done.push_back("first"); });
            EXPECT_EQ(CallsInProgress(), 2);
        }
        AfterOutermostCall([&] { done.push_back("second"); });
        EXPECT_TRUE(done.empty());
    }
    EXPECT_EQ(done, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(CallsInProgress(), 0);
}

// The waiting work counts as a call while it runs; calls it makes run nothing themselves, and
// work it adds runs after it, in the same round.
TEST(LibraryUseTest, WaitingWorkIsItselfTheOutermostCall) {
    std::vector<std::string> done;
    {
        const Entry call;
        AfterOutermostCall([&] {
            EXPECT_EQ(CallsInProgress(), 1);
            {
                const Entry nested;
                AfterOutermostCall([&] { done.push_back("added inside a call"); });
            }
            done.push_back("first");
            AfterOutermostCall([&] { done.push_back("added at once"); });
        });
        AfterOutermostCall([&] { done.push_back("second"); });
    }
    EXPECT_EQ(done, (std::vector<std::string>{"first", "added at once", "second",
                                              "added inside a call"}));
    EXPECT_EQ(CallsInProgress(), 0);
}

TEST(LibraryUseTest, WorkThatThrowsIsTracedAndTheRestRuns) {
    std::vector<std::wstring> traced;
    SetTraceSink([&](const std::wstring& line) { traced.push_back(line); });
    bool ran = false;
    {
        const Entry call;
        AfterOutermostCall([] { throw std::runtime_error("fault"); });
        AfterOutermostCall([&] { ran = true; });
    }
    SetTraceSink({});
    EXPECT_TRUE(ran);
    EXPECT_EQ(traced.size(), 1u);
}

}  // namespace
}  // namespace morvane
