#include "CommandLine.h"
#include "UsageError.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace {

using Args = std::vector<std::string_view>;

TEST(ParseCommandLine, CutWithDefaults) {
    CommandLine line = ParseCommandLine({"in.mp3", "out.mp3"});
    EXPECT_EQ(line.What, CommandLine::Action::Cut);
    EXPECT_EQ(line.Input, "in.mp3");
    EXPECT_EQ(line.Output, "out.mp3");
    EXPECT_FALSE(line.Start);
    EXPECT_FALSE(line.End);
    EXPECT_FALSE(line.Tag.Wanted());
}

TEST(ParseCommandLine, CutWithTimesAndTagInEitherValueForm) {
    CommandLine line =
        ParseCommandLine({"--start", "0:10:00", "--end=3000000", "--title", "--artist",
                          "--genre=rock", "--track", "300", "--", "-in.mp3", "out.mp3"});
    EXPECT_EQ(line.Start, 600000);
    EXPECT_EQ(line.End, 3000000);
    EXPECT_EQ(line.Tag.Title, "--artist"); // a value may look like an option
    EXPECT_EQ(line.Tag.Genre, 17);
    EXPECT_EQ(line.Tag.Track, 0);
    EXPECT_TRUE(line.Tag.Wanted());
    EXPECT_EQ(line.Input, "-in.mp3");
}

TEST(ParseCommandLine, NegativeStartIsAValue) {
    EXPECT_EQ(ParseCommandLine({"--start", "-20", "a", "b"}).Start, -20);
}

TEST(ParseCommandLine, InfoAndHelp) {
    CommandLine info = ParseCommandLine({"--json", "--info", "song.mp3"});
    EXPECT_EQ(info.What, CommandLine::Action::Info);
    EXPECT_TRUE(info.Json);
    EXPECT_EQ(info.Input, "song.mp3");
    EXPECT_EQ(ParseCommandLine({"a", "--help", "--bogus"}).What, CommandLine::Action::Help);
    EXPECT_EQ(ParseCommandLine({"-h"}).What, CommandLine::Action::Help);
}

TEST(ParseCommandLine, UsageErrors) {
    const Args cases[] = {
        {},
        {"in.mp3"},
        {"a", "b", "c"},
        {"--bogus", "a", "b"},
        {"-x", "a", "b"},
        {"a", "b", "--start"},
        {"--start", "1:75", "a", "b"},
        {"--end", "2147483648", "a", "b"},
        {"--track", "x", "a", "b"},
        {"--genre", "Nonsense", "a", "b"},
        {"--json", "a", "b"},
        {"--info"},
        {"--info", "a", "b"},
        {"--info", "--start", "5", "a"},
        {"--info", "--title", "t", "a"},
        {"--info=yes", "a"},
        {"--info", ""},
        {"a", ""},
    };
    for (const Args& args : cases) {
        std::string joined;
        for (std::string_view arg : args)
            joined.append(arg).append(" ");
        EXPECT_THROW(ParseCommandLine(args), UsageError) << joined;
    }
}

} // namespace
