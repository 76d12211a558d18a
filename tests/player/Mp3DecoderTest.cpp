#include "Mp3Decoder.h"
#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

struct Decoding {
    std::shared_ptr<const FrameIndex> index;
    std::unique_ptr<Mp3Decoder> decoder;
};

Decoding OpenDecoder(const std::string& path) {
    SourceFile source(path);
    std::optional<FrameIndex> index = FrameIndex::Build(source);
    EXPECT_TRUE(index) << path;
    auto shared = std::make_shared<const FrameIndex>(std::move(*index));
    return {shared, std::make_unique<Mp3Decoder>(std::make_unique<SourceFile>(path), shared)};
}

std::vector<std::int16_t> ReadAll(Mp3Decoder& decoder, std::size_t limitFrames = SIZE_MAX) {
    std::vector<std::int16_t> out;
    std::int16_t buffer[2 * 1000];
    while (out.size() / 2 < limitFrames) {
        const int got = decoder.Read(buffer, 1000);
        if (got == 0)
            break;
        out.insert(out.end(), buffer, buffer + 2 * got);
    }
    out.resize(std::min(out.size(), limitFrames * 2));
    return out;
}

std::int64_t FramesFor(double ms, int rate) {
    return std::llround(ms * rate / 1000.0);
}

} // namespace

TEST(Mp3Decoder, SoundLastsExactlyAsLongAsTheFramesOfTheFile) {
    for (const char* name : RealFiles) {
        Decoding d = OpenDecoder(Fixture(name));
        ASSERT_TRUE(d.decoder->Seek(0));
        const std::vector<std::int16_t> pcm = ReadAll(*d.decoder);
        EXPECT_EQ(static_cast<std::int64_t>(pcm.size() / 2),
                  FramesFor(d.index->TotalMs(), d.decoder->Rate()))
            << name;
    }
}

TEST(Mp3Decoder, SeekingGivesTheSameSamplesAsDecodingFromTheStart) {
    for (const char* name : RealFiles) {
        Decoding d = OpenDecoder(Fixture(name));
        ASSERT_TRUE(d.decoder->Seek(0));
        const std::vector<std::int16_t> whole = ReadAll(*d.decoder);
        const int rate = d.decoder->Rate();
        for (double ms : {30.0, 100.0, 1000.0, 1234.5, 2500.0}) {
            ASSERT_TRUE(d.decoder->Seek(ms)) << name << " at " << ms;
            const std::vector<std::int16_t> part = ReadAll(*d.decoder, 4000);
            const auto from = static_cast<std::size_t>(FramesFor(ms, rate)) * 2;
            ASSERT_LE(from + part.size(), whole.size()) << name << " at " << ms;
            // The synthesis filter may round a sample one step apart when it starts at another
            // phase; a frame or a sample out of place is thousands of steps apart.
            EXPECT_TRUE(std::equal(part.begin(), part.end(), whole.begin() + from,
                                   [](int a, int b) { return std::abs(a - b) <= 2; }))
                << name << " at " << ms;
        }
    }
}

TEST(Mp3Decoder, NothingIsLeftToReadAtOrPastTheEnd) {
    Decoding d = OpenDecoder(Fixture("lame-cbr-mpeg2-22k.mp3"));
    EXPECT_FALSE(d.decoder->Seek(d.index->TotalMs()));
    std::int16_t buffer[64];
    EXPECT_EQ(d.decoder->Read(buffer, 32), 0);
    EXPECT_FALSE(d.decoder->Seek(1e9));
}

TEST(Mp3Decoder, EveryVersionLayerRateAndChannelModePlaysAtItsTrueSpeed) {
    struct Case {
        const char* what;
        std::uint8_t b1, b2, b3;
    } cases[] = {
        {"MPEG-1 III 44.1k stereo", 0xFB, 0x90, 0x44},
        {"MPEG-1 III 48k mono", 0xFB, 0x94, 0xC4},
        {"MPEG-1 III 32k stereo", 0xFB, 0x98, 0x00},
        {"MPEG-1 II 44.1k stereo", 0xFD, 0xA0, 0x04},
        {"MPEG-1 I 48k mono", 0xFF, 0x84, 0xC0},
        {"MPEG-2 III 22.05k mono", 0xF3, 0x80, 0xC4},
        {"MPEG-2 III 24k stereo", 0xF3, 0x84, 0x44},
        {"MPEG-2 II 16k stereo", 0xF5, 0x88, 0x04},
        {"MPEG-2 I 22.05k mono", 0xF7, 0x80, 0xC0},
        {"MPEG-2.5 III 8k mono", 0xE3, 0x18, 0xC4},
        {"MPEG-2.5 III 11.025k stereo", 0xE3, 0x40, 0x44},
        {"MPEG-2.5 III 12k stereo", 0xE3, 0x44, 0x44},
    };
    for (const Case& c : cases) {
        const Bytes frame = SilentFrame(c.b1, c.b2, c.b3);
        const FrameInfo info = *ReadFrameHeader(frame.data());
        const TempFile file(Repeat(frame, 40));
        Decoding d = OpenDecoder(file.path);
        EXPECT_EQ(d.decoder->Rate(), info.sampleRate) << c.what;
        ASSERT_TRUE(d.decoder->Seek(0)) << c.what;
        EXPECT_EQ(static_cast<std::int64_t>(ReadAll(*d.decoder).size() / 2),
                  40 * info.samplesPerFrame)
            << c.what;
    }
}

TEST(Mp3Decoder, ADamagedFrameStillKeepsItsTime) {
    const Bytes good = SilentFrame(0xFB, 0x94, 0x44);
    Bytes oddSync = good;
    oddSync[1] = 0x1B; // the frame walk takes it, the decoder's stricter sync test does not
    Bytes noise = good;
    for (std::size_t i = 4; i < noise.size(); ++i)
        noise[i] = static_cast<std::uint8_t>(i * 37 + 11);
    Bytes borrowsTooMuch = good;
    borrowsTooMuch[4] = 0xFF; // main data said to begin 510 bytes before the stream does
    for (const Bytes& damaged : {oddSync, noise, borrowsTooMuch}) {
        const TempFile file(Repeat(good, 5) + damaged + Repeat(good, 5));
        Decoding d = OpenDecoder(file.path);
        ASSERT_TRUE(d.decoder->Seek(0));
        EXPECT_EQ(ReadAll(*d.decoder).size() / 2, 11u * 1152);
    }
}

TEST(Mp3Decoder, ASampleRateChangeMidStreamKeepsTheTimeline) {
    const TempFile file(Repeat(SilentFrame(0xFB, 0x90, 0x44), 20) +
                        Repeat(SilentFrame(0xFB, 0x94, 0x44), 20));
    Decoding d = OpenDecoder(file.path);
    ASSERT_TRUE(d.decoder->Seek(0));
    const auto frames = static_cast<std::int64_t>(ReadAll(*d.decoder).size() / 2);
    EXPECT_NEAR(frames, FramesFor(d.index->TotalMs(), 44100), 1152);
}
