#include "TimeArg.h"
#include "UsageError.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct TimeCase {
    const char* text;
    std::int32_t ms;
};

TEST(ParseTimeArg, AcceptsMillisecondsAndClockTimes) {
    const TimeCase cases[] = {
        {"0", 0},
        {"62500", 62500},
        {"-1", -1}, // the engine reads a negative start as the beginning
        {"000:00:00.000", 0},
        {"001:02:03.004", 3723004},
        {"0:01:02.5", 62500},
        {"1:02.5", 62500},
        {"62.5", 62500},
        {"62.05", 62050},
        {"1:2:3", 3723000},
        {"90:00", 5400000}, // the leading field may exceed its unit
        {"596:31:23.647", 2147483647},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648},
    };
    for (const TimeCase& c : cases)
        EXPECT_EQ(ParseTimeArg(c.text), c.ms) << c.text;
}

TEST(ParseTimeArg, RejectsWhatIsNoTimeOrDoesNotFitIn32Bits) {
    const char* const cases[] = {
        "",
        "abc",
        "1e3",
        "+5",
        "1.",
        ".5",
        "1.2345",
        "0:60",
        "0:1:60",
        "1:2:3:4",
        "1::2",
        "-0:01",
        "0:01:02,5",
        "2147483648",
        "-2147483649",
        "596:31:23.648",
        "99999999999999999999999",
        "99999999999999999999:00",
    };
    for (const char* text : cases)
        EXPECT_THROW(ParseTimeArg(text), UsageError) << '"' << text << '"';
}

} // namespace
