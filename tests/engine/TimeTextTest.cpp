#include "TimeText.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeText, ShowsMillisecondsInFixedGroups) {
    const struct {
        std::int64_t ms;
        const char* text;
    } cases[] = {{0, "000:00:00.000"},          {3723004, "001:02:03.004"},
                 {3600000, "001:00:00.000"},    {59999, "000:00:59.999"},
                 {60000, "000:01:00.000"},      {45296789, "012:34:56.789"},
                 {3599999999, "999:59:59.999"}, {3600000000, "1000:00:00.000"}};
    for (const auto& c : cases)
        EXPECT_EQ(MsToTimeText(c.ms), c.text) << c.ms;
}

TEST(TimeText, PadsToTwoAndThreeDigitsButNeverCuts) {
    EXPECT_EQ(TwoDigits(5), "05");
    EXPECT_EQ(TwoDigits(123), "123");
    EXPECT_EQ(ThreeDigits(5), "005");
    EXPECT_EQ(ThreeDigits(42), "042");
    EXPECT_EQ(ThreeDigits(1234), "1234");
}

TEST(TimeText, ReadsGroupsByPosition) {
    const struct {
        const char* text;
        std::int64_t ms;
    } cases[] = {{"001:02:03.004", 3723004},
                 {"999:59:59.999", 3599999999},
                 {"000:99:99.000", 99 * 60000 + 99 * 1000},
                 {"abc:00:01.000", 1000},
                 {"000:00:01.0x0", 1000},
                 {"001", 3600000},
                 {"", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(TimeTextToMs(c.text), c.ms) << c.text;
}

TEST(TimeText, RepairsTypedTexts) {
    const struct {
        const char* typed;
        const char* normal;
    } cases[] = {{"000:75:61.000", "000:55:51.000"}, {"   :  :  .   ", "000:00:00.000"},
                 {"000:9 :00.000", "000:50:00.000"}, {"12 :3 :4 .5  ", "120:30:40.500"},
                 {"001:59:59.999", "001:59:59.999"}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeTimeText(c.typed), c.normal) << c.typed;
}

} // namespace
