#include "OrvoMp3.h"

#include <gtest/gtest.h>

#include <string>

TEST(Id3Genres, SpellingsAtTheEdgesOfEachBlock) {
    EXPECT_EQ(std::string(Id3Genres[0]), "Blues");
    EXPECT_EQ(std::string(Id3Genres[17]), "Rock");
    EXPECT_EQ(std::string(Id3Genres[79]), "Hard Rock");
    EXPECT_EQ(std::string(Id3Genres[80]), "Folk");
    EXPECT_EQ(std::string(Id3Genres[132]), "BritPop");
    EXPECT_EQ(std::string(Id3Genres[134]), "Polsk Punk");
    EXPECT_EQ(std::string(Id3Genres[147]), "Synthpop");
}
