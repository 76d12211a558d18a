#include "OrvoMp3.h"
#include "StreamBuilder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <system_error>

namespace {

class Analysis : public testing::Test {
protected:
    const TMp3DataInfo& Load(const Bytes& bytes) {
        engine.LoadFile(WriteFile(dir / "in.mp3", bytes));
        return engine.Info;
    }

    TempDir dir;
    TOrvoMP3 engine;
};

struct StartCase {
    const char* name;
    Bytes bytes;
    bool isMp3;
    int id3v2Size;
    int zeroPad;
};

TEST_F(Analysis, FindsTheFirstFrameBehindId3v2AndZeroBytes) {
    const StartCase cases[] = {
        {"sync byte first, whatever follows", {0xFF, 0, 0, 0}, true, 0, 0},
        {"tag, zero bytes, frame", Concat({Id3v2Tag(1000), Bytes(24, 0), Frames(Mpeg1At44k, 2)}),
         true, 1010, 24},
        {"tag directly before a frame", Concat({Id3v2Tag(20), Frames(Mpeg1At44k, 2)}), true, 30, 0},
        {"tag and only zero bytes", Concat({Id3v2Tag(20), Bytes(500, 0)}), false, 30, 0},
        {"tag, then neither zero nor sync", Concat({Id3v2Tag(20), Text("RIFF....")}), false, 30, 0},
        {"tag size past the end",
         {'I', 'D', '3', 4, 0, 0, 0, 0, 0x7F, 0x7F, 0xFF},
         false,
         16393,
         0},
        {"zero bytes before a frame without a tag", Concat({Bytes(4, 0), Frames(Mpeg1At44k, 2)}),
         false, 0, 0},
        {"fewer than 4 bytes", {0xFF, 0xFB, 0x90}, false, 0, 0},
        {"fewer than 4 bytes at the first frame", Concat({Id3v2Tag(20), Bytes{0, 0xFF, 0xFB}}),
         false, 30, 1},
        {"empty file", {}, false, 0, 0},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TMp3DataInfo& info = Load(c.bytes);
        EXPECT_EQ(info.IsMp3, c.isMp3);
        EXPECT_EQ(info.Id3v2Size, c.id3v2Size);
        EXPECT_EQ(info.ZeroPad, c.zeroPad);
        EXPECT_EQ(info.FileSize, static_cast<std::int64_t>(c.bytes.size()));
        if (!c.isMp3) {
            EXPECT_EQ(info.Duration, 0);
        }
    }
}

TEST_F(Analysis, DescribesTheFirstFrame) {
    const struct {
        const char* name;
        Bytes bytes;
        double version;
        int layer, bitrate, sampleRate, frameSize;
        bool mono, xing;
    } cases[] = {
        {"stereo", Frames(Mpeg1At44k, 3), 1.0, 3, 128, 44100, 417, false, false},
        {"mono", Frames({0xFF, 0xFB, 0x90, 0xC4}, 3), 1.0, 3, 128, 44100, 417, true, false},
        {"MPEG-2.5", Frames({0xFF, 0xE3, 0x18, 0x44}, 3), 2.5, 3, 8, 8000, 72, false, false},
        {"VBR information frame first",
         Concat({VbrInfoFrame({0xFF, 0xFB, 0xB0, 0x44}, "Xing", 36), Frames(Mpeg1At44k, 2)}), 1.0,
         3, 192, 44100, 626, false, true},
        {"marker cut off by the end of the file",
         Concat({Bytes(Mpeg1At44k.begin(), Mpeg1At44k.end()), Bytes(32, 0), Text("Xin")}), 1.0, 3,
         128, 44100, 417, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TMp3DataInfo& info = Load(c.bytes);
        ASSERT_TRUE(info.IsMp3);
        EXPECT_EQ(info.Version, c.version);
        EXPECT_EQ(info.Layer, c.layer);
        EXPECT_EQ(info.Bitrate, c.bitrate);
        EXPECT_EQ(info.SampleRate, c.sampleRate);
        EXPECT_EQ(info.FrameSize, c.frameSize);
        EXPECT_EQ(info.Mono, c.mono);
        EXPECT_EQ(info.Xing, c.xing);
    }
}

TEST_F(Analysis, ReadsTrailingTags) {
    const Bytes audio = Frames(Mpeg1At44k, 2);
    const struct {
        const char* name;
        Bytes bytes;
        int id3v1Size, apeSize;
        int track;
        int commentBytes; // how many of the comment's bytes come from the file
    } cases[] = {
        {"ID3v1.1", Concat({audio, Id3v1Tag("Song", 0, 7, 17)}), 128, 0, 7, 28},
        {"ID3v1.0", Concat({audio, Id3v1Tag("Song", 'c', 7, 17)}), 128, 0, 0, 30},
        {"ID3v1.1 without track", Concat({audio, Id3v1Tag("Song", 0, 0, 17)}), 128, 0, 0, 28},
        {"APE footer before ID3v1", Concat({audio, ApeFooter(), Id3v1Tag("Song", 0, 7, 17)}), 128,
         32, 7, 28},
        {"APE footer at the end", Concat({audio, ApeFooter()}), 0, 32, 0, 0},
        {"APE footer not directly before ID3v1",
         Concat({audio, ApeFooter(), Bytes(4, 1), Id3v1Tag("Song", 0, 7, 17)}), 128, 0, 7, 28},
        {"ID3v1 marker in a file shorter than a tag",
         {0xFF, 0xFB, 0x90, 0x44, 'T', 'A', 'G'},
         0,
         0,
         0,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TMp3DataInfo& info = Load(c.bytes);
        EXPECT_EQ(info.Id3v1Size, c.id3v1Size);
        EXPECT_EQ(info.ApeSize, c.apeSize);
        if (c.id3v1Size == 0)
            continue;
        EXPECT_EQ(std::string(info.Id3Tag.Title, 4), "Song");
        EXPECT_EQ(info.Id3Tag.Track, c.track);
        EXPECT_EQ(info.Id3Tag.Genre, 17);
        const Bytes comment(info.Id3Tag.Comment, info.Id3Tag.Comment + 30);
        Bytes expected(30, 0);
        std::copy_n(c.bytes.end() - 31, c.commentBytes, expected.begin());
        EXPECT_EQ(comment, expected);
    }
}

TEST_F(Analysis, SecondFileLeavesNoTraceOfTheFirst) {
    Load(Concat({Id3v2Tag(30), Frames({0xFF, 0xFB, 0x90, 0xC4}, 3), ApeFooter(),
                 Id3v1Tag("First", 0, 3, 1)}));
    const TMp3DataInfo& info = Load(Frames(Mpeg1At48k, 10));
    EXPECT_EQ(info.Id3v2Size, 0);
    EXPECT_EQ(info.Id3v1Size, 0);
    EXPECT_EQ(info.ApeSize, 0);
    EXPECT_FALSE(info.Mono);
    EXPECT_EQ(info.SampleRate, 48000);
    EXPECT_EQ(info.Duration, 240);
}

TEST_F(Analysis, DurationCountsEveryAudioFrameAndNothingElse) {
    // 3 frames of 26.12 ms, a VBR information frame and ID3v2 tags that take no time.
    const Bytes bytes = Concat({Id3v2Tag(50), Bytes(3, 0), VbrInfoFrame(Mpeg1At44k, "Info", 36),
                                Frames(Mpeg1At44k, 2), Id3v2Tag(7), Frames(Mpeg1At44k, 1),
                                Id3v1Tag("", 0, 0, 255)});
    EXPECT_EQ(Load(bytes).Duration, 78);
}

TEST_F(Analysis, UnreadableFileRaisesAFileErrorNamingIt) {
    ::mkfifo((dir / "pipe.mp3").c_str(), 0600); // would block a plain open
    const struct {
        std::string name;
        const char* reason;
    } cases[] = {
        {dir / "missing.mp3", "No such file or directory"},
        {dir.path.string(), "Is a directory"},
        {dir / "pipe.mp3", "No such device"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            engine.LoadFile(c.name);
            ADD_FAILURE() << "no error raised";
        } catch (const std::system_error& e) {
            EXPECT_NE(std::string(e.what()).find("Cannot open " + c.name), std::string::npos)
                << e.what();
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
        }
        EXPECT_EQ(engine.Info.FileName, c.name);
        EXPECT_FALSE(engine.Info.IsMp3);
    }
}

} // namespace
