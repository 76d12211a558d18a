#include "MediaPlayer.h"
#include "OrvoMp3.h"
#include "Polling.h"
#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <mpg123.h>

#include <cstdlib>
#include <limits>

namespace {

void OpenFile(TMediaPlayer& player, const std::string& path) {
    player.SetFileName(path);
    player.Open();
    player.SetTimeFormat(tfMilliseconds);
}

// The length the library's own reader finds, without gapless trimming: an independent count,
// which may differ by the odd frame in how it treats a damaged or information frame.
double LibraryLengthMs(const std::string& path) {
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    mpg123_param(handle, MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0.0);
    mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
    mpg123_open(handle, path.c_str());
    mpg123_scan(handle);
    long rate = 0;
    int channels = 0, encoding = 0;
    mpg123_getformat(handle, &rate, &channels, &encoding);
    const double ms =
        static_cast<double>(mpg123_length(handle)) * 1000.0 / static_cast<double>(rate);
    mpg123_delete(handle);
    return ms;
}

// How long the clip writer makes a clip of the whole file.
std::int64_t WholeClipMs(const std::string& path) {
    TOrvoMP3 engine;
    engine.LoadFile(path);
    const TempFile clip(Bytes{});
    std::int64_t bytes = 0, clipMs = 0;
    engine.SaveClip(0, std::numeric_limits<std::int32_t>::max(), clip.path, TId3v1Tag{}, bytes,
                    clipMs);
    return clipMs;
}

} // namespace

TEST(MediaPlayer, LengthIsTheSumOfTheFrameDurationsAsTheClipWriterCountsThem) {
    const Bytes frame48k = SilentFrame(0xFB, 0x94, 0x44); // 24 ms
    const TempFile synthetic(Repeat(frame48k, 1000) + Bytes(3, 0x55));
    TMediaPlayer player;
    OpenFile(player, synthetic.path);
    EXPECT_EQ(player.Length(), 24000);

    for (const char* name : RealFiles) {
        OpenFile(player, Fixture(name));
        EXPECT_EQ(player.Length(), WholeClipMs(Fixture(name))) << name;
        EXPECT_NEAR(player.Length(), LibraryLengthMs(Fixture(name)), 27.0) << name;
    }
}

TEST(MediaPlayer, EndPosHoldsForTheNextPlayOnly) {
    TMediaPlayer player;
    OpenFile(player, EightSeconds);
    player.SetPosition(1000);
    player.SetEndPos(1200);
    player.Play();
    ASSERT_TRUE(WaitUntil([&] { return player.Mode() == mpStopped; }, 2s));
    EXPECT_NEAR(player.Position(), 1200, 1);

    player.SetPosition(1000);
    player.Play();
    ASSERT_TRUE(WaitUntil([&] { return player.Position() > 1400; }, 2s));
    EXPECT_EQ(player.Mode(), mpPlaying);
}

TEST(MediaPlayer, RequestsBeyondTheEndAreRefusedSilently) {
    TMediaPlayer player;
    OpenFile(player, EightSeconds);
    const std::int32_t length = player.Length();
    struct Case {
        const char* what;
        std::int32_t position;
        std::int32_t endPos;
    } cases[] = {{"seek past the end", length + 1000, length},
                 {"negative seek", -1, length},
                 {"end before the position", 3000, 2000},
                 {"nothing left at the very end", length, length}};
    for (const Case& c : cases) {
        player.SetPosition(c.position);
        player.SetEndPos(c.endPos);
        EXPECT_NO_THROW(player.Play()) << c.what;
        EXPECT_NE(player.Mode(), mpPlaying) << c.what;
    }
}

TEST(MediaPlayer, NoAudioOutputStillAnalysesButRefusesToPlayWithSdlsReason) {
    ASSERT_EQ(setenv("SDL_AUDIODRIVER", "no-such-driver", 1), 0);
    TMediaPlayer player;
    OpenFile(player, EightSeconds);
    EXPECT_GT(player.Length(), 8000);
    try {
        player.Play();
        ADD_FAILURE() << "played without an audio output";
    } catch (const EMCIDeviceError& error) {
        EXPECT_NE(std::string(error.what()).find("no-such-driver"), std::string::npos)
            << error.what();
    }
    EXPECT_NE(player.Mode(), mpPlaying);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}
