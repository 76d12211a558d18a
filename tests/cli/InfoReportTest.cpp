#include "InfoReport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(JsonString, EscapesAndRepairsWhatJsonCannotHoldRaw) {
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "\"plain\""},
        {"a\"b\\c", R"("a\"b\\c")"},
        {"tab\tnl\ncr\r", R"("tab\u0009nl\u000acr\u000d")"},
        {std::string("\x01\x1f", 2), R"("\u0001\u001f")"},
        {"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x8E\xB5", "\"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x8E\xB5\""},
        {"\xE9t\xE9", "\"\xEF\xBF\xBDt\xEF\xBF\xBD\""}, // Latin-1 bytes in a file name
        {"\xC3", "\"\xEF\xBF\xBD\""},                   // cut-off sequence
        {"\xC0\xAF", "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},   // overlong '/'
        {"\xED\xA0\x80", "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}, // surrogate
    };
    for (const auto& [raw, json] : cases)
        EXPECT_EQ(JsonString(raw), json) << raw;
}

TMp3DataInfo TaggedInfo() {
    TMp3DataInfo info;
    info.FileName = "dir/song \"1\".mp3";
    info.FileSize = 57600000;
    info.IsMp3 = true;
    info.Bitrate = 128;
    info.SampleRate = 44100;
    info.FrameSize = 417;
    info.Version = 2.5;
    info.Layer = 3;
    info.Id3v1Size = 128;
    info.Duration = 3723004;
    std::memcpy(info.Id3Tag.Marker, "TAG", 3);
    std::memcpy(info.Id3Tag.Title, "Title\nline", 10);
    std::memcpy(info.Id3Tag.Comment, "c", 1);
    info.Id3Tag.Track = 7;
    info.Id3Tag.Genre = 17;
    return info;
}

TEST(InfoToJson, AllFieldsInOrderAndTheTagWhenPresent) {
    EXPECT_EQ(InfoToJson(TaggedInfo()),
              R"({"FileName":"dir/song \"1\".mp3","FileSize":57600000,"IsMp3":true,)"
              R"("Bitrate":128,"SampleRate":44100,"FrameSize":417,"Version":2.5,"Layer":3,)"
              R"("Padding":0,"Mono":false,"Xing":false,"Id3v1Size":128,"Id3v2Size":0,)"
              R"("ApeSize":0,"ZeroPad":0,"Duration":3723004,"Id3Tag":{"Title":"Title\u000aline",)"
              R"("Artist":"","Album":"","Year":"","Comment":"c","Track":7,"Genre":17}})");
}

TEST(InfoToJson, TagIsNullWithoutAnId3v1TagWhateverTheRecordHolds) {
    TMp3DataInfo info = TaggedInfo();
    info.Id3v1Size = 0;
    info.Version = 1.0;
    std::string json = InfoToJson(info);
    EXPECT_NE(json.find(R"("Version":1,)"), std::string::npos) << json;
    EXPECT_TRUE(json.ends_with(R"("Id3Tag":null})")) << json;
}

TEST(InfoToText, ReadableLinesWithTimeAndGenreName) {
    std::string text = InfoToText(TaggedInfo());
    for (const char* line :
         {"FileName: dir/song \"1\".mp3\n", "Duration: 3723004 ms (001:02:03.004)\n",
          "  Title: \"Title\\u000aline\"\n", "  Genre: 17 (Rock)\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << "\n---\n" << text;
}

} // namespace
