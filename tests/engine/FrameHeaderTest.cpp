#include "MpegFrame.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

struct HeaderCase {
    const char* name;
    std::array<std::uint8_t, 4> bytes;
    double version;
    int layer;
    int bitrate;
    int sampleRate;
    int padding;
    bool mono;
    int length;
    double duration;
};

// clang-format off: one case a row reads as the table it is.
const HeaderCase HeaderCases[] = {
    {"Mpeg1Layer3At44k", {0xFF, 0xFB, 0x90, 0x44}, 1.0, 3, 128, 44100, 0, false, 417, 26.122448979591837},
    {"PaddingAddsAByte", {0xFF, 0xFB, 0x92, 0x44}, 1.0, 3, 128, 44100, 1, false, 418, 26.122448979591837},
    {"UpperSyncBitsAreNotTested", {0xFF, 0x1B, 0x90, 0x44}, 1.0, 3, 128, 44100, 0, false, 417, 26.122448979591837},
    {"Mpeg1Layer3At48k", {0xFF, 0xFB, 0x94, 0x44}, 1.0, 3, 128, 48000, 0, false, 384, 24.0},
    {"Mpeg1Layer3At32k", {0xFF, 0xFB, 0x98, 0x44}, 1.0, 3, 128, 32000, 0, false, 576, 36.0},
    {"Mpeg2Layer3TruncatesTheLength", {0xFF, 0xF3, 0x80, 0x44}, 2.0, 3, 64, 22050, 0, false, 208, 26.122448979591837},
    {"Mpeg25Layer3", {0xFF, 0xE3, 0x18, 0x44}, 2.5, 3, 8, 8000, 0, false, 72, 72.0},
    {"Mpeg1Layer1CountsSlots", {0xFF, 0xFF, 0x10, 0x44}, 1.0, 1, 32, 44100, 0, false, 32, 384000.0 / 44100},
    {"Mpeg1Layer1PaddingAddsASlot", {0xFF, 0xFF, 0x12, 0x44}, 1.0, 1, 32, 44100, 1, false, 36, 384000.0 / 44100},
    {"Mpeg1Layer1At48k", {0xFF, 0xFF, 0x14, 0x44}, 1.0, 1, 32, 48000, 0, false, 32, 8.0},
    {"Mpeg1Layer2HighestBitrate", {0xFF, 0xFD, 0xE8, 0x04}, 1.0, 2, 384, 32000, 0, false, 1728, 36.0},
    {"Mpeg2Layer1", {0xFF, 0xF7, 0x10, 0x04}, 2.0, 1, 32, 22050, 0, false, 68, 384000.0 / 22050},
    {"ChannelMode3IsMono", {0xFF, 0xFB, 0x90, 0xC4}, 1.0, 3, 128, 44100, 0, true, 417, 26.122448979591837},
    {"ChannelMode2IsTwoChannels", {0xFF, 0xFB, 0x90, 0x84}, 1.0, 3, 128, 44100, 0, false, 417, 26.122448979591837},
};
// clang-format on

void PrintTo(const HeaderCase& c, std::ostream* out) {
    *out << c.name;
}

class FrameHeader : public testing::TestWithParam<HeaderCase> {};

TEST_P(FrameHeader, DecodesFieldsLengthAndDuration) {
    const HeaderCase& c = GetParam();
    const auto frame = ReadFrameHeader(c.bytes.data());
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->version, c.version);
    EXPECT_EQ(frame->layer, c.layer);
    EXPECT_EQ(frame->bitrate, c.bitrate);
    EXPECT_EQ(frame->sampleRate, c.sampleRate);
    EXPECT_EQ(frame->padding, c.padding);
    EXPECT_EQ(frame->mono, c.mono);
    EXPECT_EQ(frame->length, c.length);
    EXPECT_EQ(frame->duration, c.duration); // exact: durations are summed, never rounded
}

INSTANTIATE_TEST_SUITE_P(Examples, FrameHeader, testing::ValuesIn(HeaderCases),
                         [](const auto& info) { return info.param.name; });

TEST(FrameHeader, FieldsOutsideTheTablesAreNotAFrame) {
    const std::array<std::uint8_t, 4> notFrames[] = {
        {0xFE, 0xFB, 0x90, 0x44}, // no sync byte
        {0xFF, 0xEB, 0x90, 0x44}, // reserved version
        {0xFF, 0xF9, 0x90, 0x44}, // reserved layer
        {0xFF, 0xFB, 0x00, 0x44}, // free format
        {0xFF, 0xFB, 0xF0, 0x44}, // forbidden bitrate index
        {0xFF, 0xFB, 0x9C, 0x44}, // reserved sample rate
    };
    for (const auto& bytes : notFrames)
        EXPECT_FALSE(ReadFrameHeader(bytes.data()))
            << std::hex << int(bytes[0]) << ' ' << int(bytes[1]) << ' ' << int(bytes[2]);
}

TEST(FrameHeader, XingMarkerFollowsTheSideInformation) {
    const struct {
        std::array<std::uint8_t, 4> bytes;
        int offset;
    } cases[] = {
        {{0xFF, 0xFB, 0x90, 0x44}, 36}, // MPEG-1, two channels
        {{0xFF, 0xFB, 0x90, 0xC4}, 21}, // MPEG-1, mono
        {{0xFF, 0xF3, 0x80, 0x44}, 21}, // MPEG-2, two channels
        {{0xFF, 0xF3, 0x80, 0xC4}, 13}, // MPEG-2, mono
        {{0xFF, 0xE3, 0x18, 0xC4}, 13}, // MPEG-2.5, mono
    };
    for (const auto& c : cases)
        EXPECT_EQ(XingMarkerOffset(*ReadFrameHeader(c.bytes.data())), c.offset);
}

TEST(Id3v2Header, SizeIsFourSevenBitGroups) {
    const struct {
        std::array<std::uint8_t, 4> sizeBytes;
        int size;
    } cases[] = {
        {{0x00, 0x00, 0x02, 0x01}, 257},
        {{0x80, 0x80, 0x82, 0x81}, 257}, // the top bit of each byte is not part of the size
        {{0x7F, 0x7F, 0x7F, 0x7F}, 0x0FFFFFFF},
    };
    for (const auto& c : cases) {
        std::uint8_t header[10] = {'I', 'D', '3', 4, 0, 0};
        std::copy(c.sizeBytes.begin(), c.sizeBytes.end(), header + 6);
        EXPECT_TRUE(IsId3v2Header(header));
        EXPECT_EQ(Id3v2TagSize(header), c.size);
    }
}

} // namespace
