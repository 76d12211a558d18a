#include "FrameWalk.h"
#include "FrameIndex.h"
#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const Bytes Frame128k =
    SilentFrame(0xFB, 0x90, 0x44); // MPEG-1 III, 128 kbit/s, 44.1 kHz: 417 bytes

Bytes XingFrame(Bytes frame = Frame128k) {
    std::memcpy(frame.data() + 36, "Xing", 4);
    return frame;
}

std::vector<std::int64_t> WalkOffsets(const TempFile& file) {
    SourceFile source(file.path);
    const std::optional<AudioSpan> span = FindAudioSpan(source);
    std::vector<std::int64_t> offsets;
    if (!span)
        return offsets;
    FrameWalk walk(source, span->first, span->limit);
    while (const std::optional<AudioFrame> frame = walk.Next())
        offsets.push_back(frame->offset);
    return offsets;
}

} // namespace

TEST(ParseFrameHeader, LengthAndDurationFollowTheHeaderFields) {
    struct Case {
        std::uint8_t b1, b2;
        std::int32_t length;
        double durationMs;
    } cases[] = {
        {0xFB, 0x90, 417, 26.122448979591837}, // MPEG-1 III 128k 44.1k
        {0xFB, 0x92, 418, 26.122448979591837}, // ... with padding
        {0xFB, 0x94, 384, 24.0},               // MPEG-1 III 128k 48k
        {0xF3, 0x80, 208, 26.122448979591837}, // MPEG-2 III 64k 22.05k
        {0xE3, 0x18, 72, 72.0},                // MPEG-2.5 III 8k 8k
        {0xFF, 0x10, 32, 384 * 1000.0 / 44100},
        {0xFF, 0x12, 36, 384 * 1000.0 / 44100}, // layer I pads a whole 4-byte slot
        {0xFD, 0x84, 384, 24.0},                // MPEG-1 II 128k 48k
        {0x1B, 0x90, 417, 26.122448979591837},  // only the first sync byte counts
    };
    for (const Case& c : cases) {
        const std::uint8_t header[4] = {0xFF, c.b1, c.b2, 0x44};
        const std::optional<AudioFrame> frame = ParseFrameHeader(header);
        ASSERT_TRUE(frame) << std::hex << int(c.b1) << ' ' << int(c.b2);
        EXPECT_EQ(frame->length, c.length) << std::hex << int(c.b1) << ' ' << int(c.b2);
        EXPECT_DOUBLE_EQ(frame->durationMs, c.durationMs) << std::hex << int(c.b1);
    }
}

TEST(ParseFrameHeader, CodesOutsideTheTablesAreNoFrame) {
    const std::uint8_t headers[][4] = {
        {0xFE, 0xFB, 0x90, 0x44}, // no sync byte
        {0xFF, 0xEB, 0x90, 0x44}, // reserved version
        {0xFF, 0xF9, 0x90, 0x44}, // reserved layer
        {0xFF, 0xFB, 0x00, 0x44}, // free format
        {0xFF, 0xFB, 0xF0, 0x44}, // bitrate index 15
        {0xFF, 0xFB, 0x9C, 0x44}, // sample-rate index 3
    };
    for (const auto& header : headers)
        EXPECT_FALSE(ParseFrameHeader(header)) << std::hex << int(header[1]) << int(header[2]);
}

TEST(FrameWalk, StepsOverTagsInfoFramesAndJunkLikeTheClipWriter) {
    // ID3v2 tag, 3 zero bytes, a Xing frame, 2 frames, an ID3v2 tag, 4 junk bytes, 2 frames,
    // then an APE footer and an ID3v1 tag full of 0xFF that must not be taken for frames.
    const Bytes head = Id3v2Tag(100) + Bytes(3, 0);
    const std::int64_t first = static_cast<std::int64_t>(head.size()) + 417;
    const Bytes middle = Id3v2Tag(20) + Bytes{1, 2, 3, 4};
    Bytes ape(32, 0xFF);
    std::memcpy(ape.data(), "APETAGEX", 8);
    Bytes id3v1(128, 0xFF);
    std::memcpy(id3v1.data(), "TAG", 3);
    const TempFile file(head + XingFrame() + Repeat(Frame128k, 2) + middle + Repeat(Frame128k, 2) +
                        ape + id3v1);

    const std::int64_t afterMiddle = first + 2 * 417 + static_cast<std::int64_t>(middle.size());
    EXPECT_EQ(WalkOffsets(file),
              (std::vector<std::int64_t>{first, first + 417, afterMiddle, afterMiddle + 417}));
}

TEST(FrameWalk, AFrameCutShortByTheEndOfTheFileEndsTheAudio) {
    const Bytes cut(Frame128k.begin(), Frame128k.begin() + 200);
    const TempFile file(Repeat(Frame128k, 2) + cut);
    EXPECT_EQ(WalkOffsets(file), (std::vector<std::int64_t>{0, 417}));
}

TEST(FindAudioSpan, NoSyncByteWhereTheFirstFrameBelongsIsNoAudio) {
    const Bytes notMp3[] = {
        Bytes(4, 0) + Frame128k,     // zero bytes before a frame, no ID3v2 tag
        Id3v2Tag(10) + Bytes(50, 0), // a tag and nothing but zero bytes
        Id3v2Tag(10) + Bytes{0x12} + Frame128k,
        Bytes{'I', 'D', '3', 4, 0, 0, 0, 0, 0x4E, 0x10} + Frame128k, // tag past the end
        Bytes{0xFF, 0xFB},                                           // fewer than 4 bytes
    };
    for (const Bytes& bytes : notMp3) {
        const TempFile file(bytes);
        SourceFile source(file.path);
        EXPECT_FALSE(FindAudioSpan(source)) << bytes.size() << " bytes";
    }
}

TEST(FrameIndex, FindsTheFrameHoldingAnInstantWithEnoughFramesBeforeIt) {
    const Bytes frame48k = SilentFrame(0xFB, 0x94, 0x44); // 384 bytes, 24 ms
    const TempFile file(XingFrame(frame48k) + Repeat(frame48k, 300));
    SourceFile source(file.path);
    const std::optional<FrameIndex> index = FrameIndex::Build(source);
    ASSERT_TRUE(index);
    EXPECT_DOUBLE_EQ(index->TotalMs(), 300 * 24.0);
    EXPECT_EQ(index->FirstSampleRate(), 48000);

    struct Case {
        double ms;
        int frame;
        std::size_t preroll;
    } cases[] = {{0, 0, 0}, {23.9, 0, 0}, {24, 1, 1}, {49, 2, 2}, {3000, 125, 3}, {7199, 299, 3}};
    for (const Case& c : cases) {
        const std::optional<StreamCue> cue = index->Find(source, c.ms);
        ASSERT_TRUE(cue) << c.ms;
        EXPECT_EQ(cue->frame.offset, 384 + 384 * c.frame) << c.ms;
        EXPECT_DOUBLE_EQ(cue->frameStartMs, 24.0 * c.frame) << c.ms;
        EXPECT_EQ(cue->preroll.size(), c.preroll) << c.ms;
    }
    EXPECT_FALSE(index->Find(source, 7200));
}
