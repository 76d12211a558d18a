#include "MediaPlayer.h"
#include "OrvoMp3.h"
#include "StreamBuilder.h"

#include <gtest/gtest.h>

namespace {

TEST(PlaybackControl, WithoutAnMp3NothingPlaysAndTheClosedPlayerCountsAsStopped) {
    TempDir dir;
    TOrvoMP3 engine;
    EXPECT_FALSE(engine.PlayRange(0, 1000));
    engine.LoadFile(WriteFile(dir / "text.mp3", Text("not audio at all")));
    EXPECT_FALSE(engine.PlayRange(0, 1000));
    EXPECT_TRUE(engine.IsStopped());
    EXPECT_EQ(engine.PlayPosition(), -1);
    engine.Stop();
    EXPECT_TRUE(engine.IsStopped());
}

TEST(MediaPlayer, LengthIsTheTruncatedSumOfFrameDurations) {
    TempDir dir;
    TMediaPlayer player;
    player.SetFileName(WriteFile(dir / "a.mp3", Frames(Mpeg1At44k, 39))); // 1018.78 ms
    player.Open();
    player.SetTimeFormat(tfMilliseconds);
    EXPECT_EQ(player.Length(), 1018);
    EXPECT_EQ(player.Mode(), mpStopped);
    player.Close();
    EXPECT_EQ(player.Mode(), mpNotReady);
}

TEST(MediaPlayer, OpenErrorsNameTheFileAndTheReason) {
    TempDir dir;
    const struct {
        std::string file;
        const char* reason;
    } cases[] = {
        {WriteFile(dir / "text.mp3", Text("plain text")), "not an MP3 file"},
        {dir / "missing.mp3", "No such file or directory"},
    };
    for (const auto& c : cases) {
        TMediaPlayer player;
        player.SetFileName(c.file);
        try {
            player.Open();
            ADD_FAILURE() << c.file << " opened";
        } catch (const EMCIDeviceError& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find(c.file), std::string::npos) << text;
            EXPECT_NE(text.find(c.reason), std::string::npos) << text;
        }
        EXPECT_EQ(player.Mode(), mpNotReady);
    }
}

} // namespace
