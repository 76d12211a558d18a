#include "Mpg123Decoder.h"
#include "OrvoMp3.h"
#include "StreamBuilder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>

namespace {

struct Fixture {
    const char* file;
    double version;
    int layer;
    int sampleRate;
    bool mono;
    bool vbrInfoFrame;
    bool constantBitrate;
    int samplesPerFrame;
};

const Fixture Fixtures[] = {
    {"lame-cbr-stereo-44k.mp3", 1.0, 3, 44100, false, true, true, 1152},
    {"lame-vbr-stereo-44k.mp3", 1.0, 3, 44100, false, true, false, 1152},
    {"lame-cbr-mono-44k.mp3", 1.0, 3, 44100, true, true, true, 1152},
    {"lame-cbr-mpeg2-22k.mp3", 2.0, 3, 22050, false, true, true, 576},
    {"twolame-layer2-48k.mp2", 1.0, 2, 48000, false, false, true, 1152},
    {"ffmpeg-cbr-stereo-44k.mp3", 1.0, 3, 44100, false, true, true, 1152},
};

void PrintTo(const Fixture& f, std::ostream* out) {
    *out << f.file;
}

class RealFile : public testing::TestWithParam<Fixture> {
protected:
    void SetUp() override {
        engine.LoadFile(std::string(SNIPORA_TEST_DATA "/") + GetParam().file);
        ASSERT_TRUE(engine.Info.IsMp3);
    }

    DecodedStream Cut(std::int32_t start, std::int32_t end) {
        EXPECT_TRUE(
            engine.SaveClip(start, end, dir / "clip.mp3", TId3v1Tag{}, bytesWritten, clipMs));
        return DecodeWithMpg123(dir / "clip.mp3");
    }

    TempDir dir;
    TOrvoMP3 engine;
    std::int64_t bytesWritten = 0;
    std::int64_t clipMs = 0;
};

TEST_P(RealFile, AnalysisAgreesWithTheDecoder) {
    const Fixture& f = GetParam();
    const TMp3DataInfo& info = engine.Info;
    EXPECT_EQ(info.Version, f.version);
    EXPECT_EQ(info.Layer, f.layer);
    EXPECT_EQ(info.SampleRate, f.sampleRate);
    EXPECT_EQ(info.Mono, f.mono);
    EXPECT_EQ(info.Xing, f.vbrInfoFrame);

    const DecodedStream source = DecodeWithMpg123(info.FileName);
    ASSERT_TRUE(source.clean);
    EXPECT_EQ(source.samples, source.frames * f.samplesPerFrame);
    EXPECT_NEAR(static_cast<double>(info.Duration), source.Ms(), 1.0);
}

TEST_P(RealFile, WholeClipHoldsEveryAudioFrame) {
    const DecodedStream source = DecodeWithMpg123(engine.Info.FileName);
    const DecodedStream clip = Cut(0, static_cast<std::int32_t>(engine.Info.Duration) + 1);
    ASSERT_TRUE(clip.clean);
    EXPECT_EQ(clip.frames, source.frames);
    EXPECT_EQ(clipMs, engine.Info.Duration);
}

TEST_P(RealFile, ClipFromTheMiddleDecodesAndLastsTheSpan) {
    const Fixture& f = GetParam();
    const double frameMs = f.samplesPerFrame * 1000.0 / f.sampleRate;
    for (const auto& [start, end] :
         {std::pair{0, 313}, std::pair{1000, 2000}, std::pair{1500, 1530}}) {
        SCOPED_TRACE(testing::Message() << start << ".." << end);
        const DecodedStream clip = Cut(start, end);
        ASSERT_TRUE(clip.clean);
        EXPECT_GE(clip.Ms(), end - start);
        EXPECT_LT(clip.Ms(), end - start + frameMs);
        EXPECT_EQ(clipMs, static_cast<std::int64_t>(std::trunc(clip.Ms())));
        // A VBR information frame left in the clip would make players announce the source's
        // length; without one, a constant-bitrate clip's length is estimated from its size.
        if (f.constantBitrate) {
            EXPECT_NEAR(clip.announcedSamples, clip.samples, f.samplesPerFrame);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, RealFile, testing::ValuesIn(Fixtures), [](const auto& info) {
    std::string name = info.param.file;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
});

TEST(RealFileTags, LameTagsAreRead) {
    TOrvoMP3 engine(SNIPORA_TEST_DATA "/lame-cbr-stereo-44k.mp3");
    const TMp3DataInfo& info = engine.Info;
    EXPECT_GT(info.Id3v2Size, 0);
    EXPECT_EQ(info.Id3v1Size, 128);
    EXPECT_EQ(std::string(info.Id3Tag.Title), "Fixture Tone");
    EXPECT_EQ(std::string(info.Id3Tag.Year, 4), "2024");
    EXPECT_EQ(info.Id3Tag.Track, 3);
    EXPECT_EQ(std::string(Id3Genres[info.Id3Tag.Genre]), "Ambient");
}

} // namespace
