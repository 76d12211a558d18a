#include "TagOptions.h"
#include "AnsiCodePage.h"
#include "UsageError.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(ParseTrack, OutsideOneTo255MeansNone) {
    const std::pair<const char*, int> cases[] = {
        {"1", 1},   {"7", 7},   {"255", 255},
        {"0", 0},   {"256", 0}, {"-3", 0},
        {"007", 7}, {"+9", 9},  {"99999999999999999999999", 0},
    };
    for (auto [text, track] : cases)
        EXPECT_EQ(ParseTrack(text), track) << text;
    for (const char* text : {"", "x", "7a", "-", "1.5"})
        EXPECT_THROW(ParseTrack(text), UsageError) << text;
}

TEST(ParseGenre, TakesANumberOrANameInAnyCase) {
    const std::pair<const char*, int> cases[] = {
        {"0", 0},     {"17", 17},   {"255", 255},      {"200", 200}, {"Rock", 17},
        {"rOCK", 17}, {"Blues", 0}, {"Synthpop", 147}, {"r&b", 14},  {"hip-hop", 7},
    };
    for (auto [text, genre] : cases)
        EXPECT_EQ(ParseGenre(text), genre) << text;
    for (const char* text : {"256", "-1", "Rocks", "", " Rock"})
        EXPECT_THROW(ParseGenre(text), UsageError) << text;
}

std::string Field(const char* field, std::size_t width) {
    return std::string(field, width);
}
std::string Padded(std::string text, std::size_t width) {
    text.resize(width, '\0');
    return text;
}

TEST(BuildTag, NoTagOptionLeavesTheRecordZero) {
    TId3v1Tag tag = BuildTag(TagOptions{});
    TId3v1Tag zero{};
    EXPECT_EQ(std::memcmp(&tag, &zero, sizeof tag), 0);
}

TEST(BuildTag, AnyTagOptionGivesATagWithDefaultsForTheRest) {
    TagOptions options;
    options.Year = "2024";
    TId3v1Tag tag = BuildTag(options);
    EXPECT_EQ(Field(tag.Marker, 3), "TAG");
    EXPECT_EQ(Field(tag.Year, 4), "2024");
    EXPECT_EQ(Field(tag.Title, 30), Padded("", 30));
    EXPECT_EQ(tag.Track, 0);
    EXPECT_EQ(tag.Genre, 255);
}

TEST(BuildTag, CutsTextsToTheirFieldsAndTheCommentTo28WithATrack) {
    const std::string forty(40, 'x');
    TagOptions options;
    options.Title = forty;
    options.Artist = "Artist";
    options.Album = forty;
    options.Year = "20245";
    options.Comment = forty;
    options.Genre = 17;
    TId3v1Tag tag = BuildTag(options);
    EXPECT_EQ(Field(tag.Title, 30), forty.substr(0, 30));
    EXPECT_EQ(Field(tag.Artist, 30), Padded("Artist", 30));
    EXPECT_EQ(Field(tag.Album, 30), forty.substr(0, 30));
    EXPECT_EQ(Field(tag.Year, 4), "2024");
    EXPECT_EQ(Field(tag.Comment, 30), forty.substr(0, 30));
    EXPECT_EQ(tag.Genre, 17);

    options.Track = 7;
    tag = BuildTag(options);
    EXPECT_EQ(Field(tag.Comment, 30), Padded(forty.substr(0, 28), 30));
    EXPECT_EQ(tag.Track, 7);
}

TEST(BuildTag, StoresTextsInTheAnsiCodePageWithoutSplittingACharacter) {
    TagOptions options;
    options.Artist = "Caf\xC3\xA9 \xE2\x82\xAC"; // "Café €"
    options.Title = "a";
    for (int i = 0; i < 15; ++i)
        *options.Title += "\xE4\xB8\xAD"; // U+4E2D, two bytes in code page 936
    {
        AnsiCodePage::ScopedSelection western(1252);
        EXPECT_EQ(Field(BuildTag(options).Artist, 30), Padded("Caf\xE9 \x80", 30));
    }
    AnsiCodePage::ScopedSelection chinese(936);
    std::string title = "a";
    for (int i = 0; i < 14; ++i)
        title += "\xD6\xD0";
    EXPECT_EQ(Field(BuildTag(options).Title, 30), Padded(title, 30)); // 31 bytes cut to 29
}

} // namespace
