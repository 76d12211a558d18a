#include "OrvoMp3.h"
#include "StreamBuilder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TId3v1Tag NoTag() {
    return TId3v1Tag{};
}

TId3v1Tag NewTag(std::uint8_t track) {
    TId3v1Tag tag{};
    std::memcpy(tag.Marker, "TAG", 3);
    std::memcpy(tag.Title, "Clip", 4);
    std::memcpy(tag.Year, "2024", 4);
    std::memset(tag.Comment, 'n', track == 0 ? 30 : 28);
    tag.Track = track;
    tag.Genre = 17;
    return tag;
}

class ClipWriter : public testing::Test {
protected:
    void LoadSource(const Bytes& bytes) {
        source = bytes;
        engine.LoadFile(WriteFile(dir / "source.mp3", bytes));
        ASSERT_TRUE(engine.Info.IsMp3);
    }

    Bytes Save(std::int32_t start, std::int32_t end, TId3v1Tag tag = NoTag()) {
        EXPECT_TRUE(engine.SaveClip(start, end, Out(), tag, bytesWritten, clipMs));
        return ReadFile(Out());
    }

    std::string Out() const { return dir / "clip.mp3"; }

    TempDir dir;
    TOrvoMP3 engine;
    Bytes source;
    std::int64_t bytesWritten = -1;
    std::int64_t clipMs = -1;
};

// The ids of the frames a clip holds, read from the frames' fill bytes.
std::vector<int> FrameIds(const Bytes& clip, std::size_t frameLength) {
    std::vector<int> ids;
    for (std::size_t pos = 0; pos + frameLength <= clip.size(); pos += frameLength)
        ids.push_back(clip[pos + 4]);
    return ids;
}

std::vector<int> Range(int first, int count) {
    std::vector<int> ids(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        ids[static_cast<std::size_t>(i)] = first + i;
    return ids;
}

TEST_F(ClipWriter, CutsAtFrameBoundaries) {
    const struct {
        const char* name;
        Header header;
        int start, end;
        int firstId, count;
        std::int64_t clipMs;
    } cases[] = {
        {"start inside a frame skips it", Mpeg1At48k, 47, 95, 2, 2, 48},
        {"start on a boundary", Mpeg1At48k, 48, 96, 2, 2, 48},
        {"start just past a boundary", Mpeg1At48k, 49, 97, 3, 2, 48},
        {"span of exactly two frames", Mpeg1At48k, 0, 48, 0, 2, 48},
        {"span a millisecond over two frames", Mpeg1At48k, 0, 49, 0, 3, 72},
        {"negative start is the beginning", Mpeg1At48k, -5, 43, 0, 2, 48},
        {"end before start", Mpeg1At48k, 100, 50, 0, 0, 0},
        {"end equal to start", Mpeg1At48k, 100, 100, 0, 0, 0},
        {"start beyond the last frame", Mpeg1At48k, 100000, 200000, 0, 0, 0},
        {"clip runs to the end of the audio", Mpeg1At48k, 2400, 100000, 100, 20, 480},
        // 49 frames of 26.122448979591837 ms add up to 1279.999999999999, short of 1280.
        {"accumulated durations fall short of the start", Mpeg1At44k, 1280, 1281, 50, 1, 26},
        {"accumulated durations fall short of the span", Mpeg1At44k, 0, 1280, 0, 50, 1306},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoadSource(Frames(c.header, 120));
        const Bytes clip = Save(c.start, c.end);
        const auto frameLength = static_cast<std::size_t>(ReadFrameHeader(c.header.data())->length);
        EXPECT_EQ(FrameIds(clip, frameLength), Range(c.firstId, c.count));
        EXPECT_EQ(clip.size(), c.count * frameLength);
        EXPECT_EQ(bytesWritten, static_cast<std::int64_t>(clip.size()));
        EXPECT_EQ(clipMs, c.clipMs);
    }
}

TEST_F(ClipWriter, WholeFileClipHoldsExactlyTheAudioFrames) {
    const Bytes audio = Frames(Mpeg1At44k, 30);
    LoadSource(Concat({Id3v2Tag(300), Bytes(17, 0), VbrInfoFrame(Mpeg1At44k, "Xing", 36), audio,
                       ApeFooter(), Id3v1Tag("Old", 0, 1, 2)}));
    EXPECT_EQ(Save(0, engine.Info.Duration + 1), audio);

    const TId3v1Tag tag = NewTag(0);
    const Bytes tagged = Save(0, engine.Info.Duration + 1, tag);
    const Bytes tagBytes(reinterpret_cast<const std::uint8_t*>(&tag),
                         reinterpret_cast<const std::uint8_t*>(&tag) + 127);
    EXPECT_EQ(Bytes(tagged.begin(), tagged.end() - 128), audio);
    EXPECT_EQ(Bytes(tagged.end() - 128, tagged.end() - 1), tagBytes);
    EXPECT_EQ(tagged.back(), 17);
    EXPECT_EQ(bytesWritten, static_cast<std::int64_t>(audio.size()));
}

TEST_F(ClipWriter, LeavesOutWhatIsNotAudio) {
    const struct {
        const char* name;
        Bytes source;
        std::vector<int> ids;
    } cases[] = {
        {"ID3v2 tag between frames",
         Concat({Frames(Mpeg1At44k, 2), Id3v2Tag(33), Frames(Mpeg1At44k, 2, 2)}), Range(0, 4)},
        {"VBR information frame between frames",
         Concat({Frames(Mpeg1At44k, 2), VbrInfoFrame(Mpeg1At44k, "Info", 36),
                 Frames(Mpeg1At44k, 2, 2)}),
         Range(0, 4)},
        {"junk in 4-byte strides",
         Concat({Frames(Mpeg1At44k, 2), Bytes(8, 0x11), Frames(Mpeg1At44k, 2, 2)}), Range(0, 4)},
        // The walk never searches for a sync byte: two junk bytes put it out of step for good.
        {"junk that is not a multiple of 4",
         Concat({Frames(Mpeg1At44k, 2), Bytes(2, 0x11), Frames(Mpeg1At44k, 2, 2)}), Range(0, 2)},
        {"headers outside the tables",
         Concat({Frames(Mpeg1At44k, 1), Bytes{0xFF, 0xFB, 0xF0, 0x44, 0xFF, 0xEB, 0x90, 0x44},
                 Frames(Mpeg1At44k, 1, 1)}),
         Range(0, 2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoadSource(c.source);
        const Bytes clip = Save(0, 100000);
        EXPECT_EQ(FrameIds(clip, 417), c.ids);
        EXPECT_EQ(clip.size(), c.ids.size() * 417);
    }
}

// Encoders write "Info" for constant bitrates, and put the marker where the side information
// ends; a clip that kept such a frame would show the source's length.
TEST_F(ClipWriter, RecognisesVbrInformationFramesAsEncodersWriteThem) {
    const struct {
        const char* name;
        Header header;
        const char* marker;
        std::size_t offset;
        bool isVbrInfo;
    } cases[] = {
        {"Xing, MPEG-1 stereo", Mpeg1At44k, "Xing", 36, true},
        {"Info, MPEG-1 stereo", Mpeg1At44k, "Info", 36, true},
        {"Xing, MPEG-1 mono", {0xFF, 0xFB, 0x90, 0xC4}, "Xing", 21, true},
        {"Info, MPEG-2 stereo", {0xFF, 0xF3, 0x80, 0x44}, "Info", 21, true},
        {"Xing, MPEG-2 mono", {0xFF, 0xF3, 0x80, 0xC4}, "Xing", 13, true},
        {"Xing, MPEG-2.5 mono", {0xFF, 0xE3, 0x18, 0xC4}, "Xing", 13, true},
        {"VBRI, MPEG-1 stereo", Mpeg1At44k, "VBRI", 36, true},
        {"VBRI, MPEG-2 mono", {0xFF, 0xF3, 0x80, 0xC4}, "VBRI", 36, true},
        {"Xing at 36 in a mono frame", {0xFF, 0xFB, 0x90, 0xC4}, "Xing", 36, false},
        {"Info at 21 in a stereo frame", Mpeg1At44k, "Info", 21, false},
        {"VBRI after the side information", {0xFF, 0xF3, 0x80, 0xC4}, "VBRI", 13, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes first = VbrInfoFrame(c.header, c.marker, c.offset);
        const Bytes audio = Frames(c.header, 3, 1);
        LoadSource(Concat({first, audio}));
        EXPECT_EQ(engine.Info.Xing, c.isVbrInfo);
        EXPECT_EQ(Save(0, 100000), c.isVbrInfo ? audio : Concat({first, audio}));
    }
}

TEST_F(ClipWriter, AppendsTheTagAsAsked) {
    const Bytes audio = Frames(Mpeg1At44k, 5);
    const struct {
        const char* name;
        TId3v1Tag tag;
        int start, end;
        std::size_t audioBytes;
    } cases[] = {
        {"ID3v1.1 with a track", NewTag(5), 0, 1000, audio.size()},
        {"ID3v1.0 without", NewTag(0), 0, 1000, audio.size()},
        {"no frames copied", NewTag(5), 50, 50, 0},
        {"no tag asked for", NoTag(), 0, 1000, audio.size()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoadSource(Concat({audio, Id3v1Tag("Old", 0, 9, 1)}));
        const Bytes clip = Save(c.start, c.end, c.tag);
        const bool tagged = std::memcmp(c.tag.Marker, "TAG", 3) == 0;
        ASSERT_EQ(clip.size(), c.audioBytes + (tagged ? 128 : 0));
        EXPECT_EQ(Bytes(clip.begin(), clip.begin() + c.audioBytes),
                  Bytes(audio.begin(), audio.begin() + c.audioBytes));
        if (!tagged)
            continue;
        const Bytes tag(clip.end() - 128, clip.end());
        EXPECT_EQ(Bytes(tag.begin(), tag.begin() + 3), Text("TAG"));
        EXPECT_EQ(Bytes(tag.begin() + 3, tag.begin() + 7), Text("Clip"));
        EXPECT_EQ(Bytes(tag.begin() + 93, tag.begin() + 97), Text("2024"));
        if (c.tag.Track != 0) {
            EXPECT_EQ(Bytes(tag.begin() + 97, tag.begin() + 125), Bytes(28, 'n'));
            EXPECT_EQ(tag[125], 0);
            EXPECT_EQ(tag[126], c.tag.Track);
        } else {
            EXPECT_EQ(Bytes(tag.begin() + 97, tag.begin() + 127), Bytes(30, 'n'));
        }
        EXPECT_EQ(tag[127], 17);
    }
}

TEST_F(ClipWriter, TagReplacesAudioThatEndsLikeATag) {
    Bytes last = Frame(Mpeg1At44k, 1);
    std::memcpy(last.data() + last.size() - 128, "TAG", 3);
    const Bytes audio = Concat({Frames(Mpeg1At44k, 1), last});
    LoadSource(Concat({audio, Frames(Mpeg1At44k, 1, 2)}));
    const Bytes clip = Save(0, 50, NewTag(3));
    ASSERT_EQ(clip.size(), audio.size());
    EXPECT_EQ(Bytes(clip.begin(), clip.end() - 128), Bytes(audio.begin(), audio.end() - 128));
    EXPECT_EQ(Bytes(clip.end() - 128 + 3, clip.end() - 128 + 7), Text("Clip"));
}

TEST_F(ClipWriter, ReplacesAnExistingOutputInsteadOfAppending) {
    WriteFile(Out(), Bytes(5000, 0x77));
    LoadSource(Frames(Mpeg1At44k, 4));
    EXPECT_EQ(Save(0, 30), Frames(Mpeg1At44k, 2));
}

} // namespace
