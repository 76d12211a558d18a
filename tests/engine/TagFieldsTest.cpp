#include "TagFields.h"

#include "AnsiCodePage.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const std::string Zhong = "\xD6\xD0"; // 中 in code page 936; its second byte is also a lead byte

std::string Bytes(const char* field, std::size_t width) {
    return std::string(field, width);
}

std::string Repeat(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - text.size(), '\0');
}

TEST(BuildId3v1Tag, LeavesEveryByteZeroWithoutInclude) {
    TTagFieldTexts fields;
    fields.Title = "Title";
    fields.Track = "7";
    fields.GenreIndex = 3;
    const TId3v1Tag tag = BuildId3v1Tag(false, fields);
    const TId3v1Tag zero{};
    EXPECT_EQ(std::memcmp(&tag, &zero, sizeof tag), 0);
}

TEST(BuildId3v1Tag, GivesEmptyFieldsAMarkerAndNoGenre) {
    const TId3v1Tag tag = BuildId3v1Tag(true, TTagFieldTexts{});
    EXPECT_EQ(Bytes(tag.Marker, 3), "TAG");
    EXPECT_EQ(Bytes(tag.Title, 30), std::string(30, '\0'));
    EXPECT_EQ(Bytes(tag.Comment, 30), std::string(30, '\0'));
    EXPECT_EQ(tag.Track, 0);
    EXPECT_EQ(tag.Genre, 255);
}

TEST(BuildId3v1Tag, ReadsTheTrackAndMakesRoomForIt) {
    AnsiCodePage::ScopedSelection western(1252);
    const std::string comment(30, 'c');
    const struct {
        const char* track;
        int number;
    } cases[] = {{"", 0},  {"0", 0},  {"abc", 0}, {"-3", 0},   {"256", 0},
                 {"7", 7}, {" 7", 7}, {"1", 1},   {"255", 255}};
    for (const auto& c : cases) {
        TTagFieldTexts fields;
        fields.Track = c.track;
        fields.Comment = comment;
        const TId3v1Tag tag = BuildId3v1Tag(true, fields);
        EXPECT_EQ(tag.Track, c.number) << c.track;
        const std::size_t kept = c.number ? 28 : 30;
        EXPECT_EQ(Bytes(tag.Comment, 30), Padded(comment.substr(0, kept), 30)) << c.track;
    }
}

TEST(BuildId3v1Tag, CutsTextsToTheirFieldWidthsInTheCodePage) {
    AnsiCodePage::ScopedSelection western(1252);
    TTagFieldTexts fields;
    fields.Title = "Caf\xC3\xA9";
    fields.Album = std::string(40, 'A');
    fields.Year = "20245";
    fields.GenreIndex = 147;
    const TId3v1Tag tag = BuildId3v1Tag(true, fields);
    EXPECT_EQ(Bytes(tag.Title, 30), Padded("Caf\xE9", 30));
    EXPECT_EQ(Bytes(tag.Album, 30), std::string(30, 'A'));
    EXPECT_EQ(Bytes(tag.Year, 4), "2024");
    EXPECT_EQ(tag.Genre, 147);

    AnsiCodePage::ScopedSelection chinese(936);
    fields.Title = "a" + Repeat("中", 15);
    EXPECT_EQ(Bytes(BuildId3v1Tag(true, fields).Title, 30).find('\0'), 29u);
}

TEST(TagFieldTexts, ShowsTextsUpToTheFirstZeroByte) {
    AnsiCodePage::ScopedSelection chinese(936);
    TId3v1Tag tag{};
    std::memcpy(tag.Title, std::string(30, 'T').data(), 30);
    std::memcpy(tag.Artist, "Abcd\0ef", 7);
    std::memcpy(tag.Album, "Album  ", 7);
    std::memcpy(tag.Year, "1999", 4);
    std::memcpy(tag.Comment, (Zhong + " ").data(), 3);
    tag.Track = 7;
    tag.Genre = 147;
    const TTagFieldTexts fields = TagFieldTexts(tag);
    EXPECT_EQ(fields.Title, std::string(30, 'T'));
    EXPECT_EQ(fields.Artist, "Abcd");
    EXPECT_EQ(fields.Album, "Album  ");
    EXPECT_EQ(fields.Year, "1999");
    EXPECT_EQ(fields.Comment, "中 ");
    EXPECT_EQ(fields.Track, "7");
    EXPECT_EQ(fields.GenreIndex, 147);
}

TEST(TagFieldTexts, LeavesNoTrackAndUnknownGenresEmpty) {
    TId3v1Tag tag{};
    for (int genre : {148, 255}) {
        tag.Genre = static_cast<std::uint8_t>(genre);
        EXPECT_EQ(TagFieldTexts(tag).GenreIndex, -1) << genre;
    }
    EXPECT_EQ(TagFieldTexts(tag).Track, "");
}

TEST(TagFieldText, EndsAtTheFirstZeroOrTheFieldWidthAndDecodesTheAnsiCodePage) {
    AnsiCodePage::ScopedSelection western(1252);
    EXPECT_EQ(TagFieldText("ab\0cd", 5), "ab");
    EXPECT_EQ(TagFieldText("abcde", 5), "abcde");
    EXPECT_EQ(TagFieldText("ab  \0", 5), "ab  ");
    EXPECT_EQ(TagFieldText("Caf\xE9\0", 5), "Caf\xC3\xA9");
}

} // namespace
