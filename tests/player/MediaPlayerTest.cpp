#include "MediaPlayer.h"
#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <mpg123.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

bool WaitUntil(const std::function<bool()>& condition, Clock::duration timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    while (!condition()) {
        if (Clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void OpenFile(TMediaPlayer& player, const std::string& path) {
    player.SetFileName(path);
    player.Open();
    player.SetTimeFormat(tfMilliseconds);
}

int OpenFileDescriptorsOn(const std::string& path) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (std::filesystem::read_symlink(entry.path(), error) == std::filesystem::path(path))
            ++count;
    }
    return count;
}

// The length the library's own reader finds, without trimming; it skips a leading LAME "Info"
// frame that the clip writer counts as audio, hence the one frame of tolerance.
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

const std::string Sweep = Fixture("sweep-44k-stereo.mp3"); // 8071 ms

} // namespace

TEST(MediaPlayer, OpenRefusesWhatIsNoMpegAudioWithAReadableReason) {
    const TempFile text(Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n'});
    const TempFile empty(Bytes{});
    for (const std::string& path : {std::string("/no/such/file.mp3"), text.path, empty.path}) {
        TMediaPlayer player;
        player.SetFileName(path);
        try {
            player.Open();
            ADD_FAILURE() << path << " opened";
        } catch (const EMCIDeviceError& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        }
        EXPECT_EQ(player.Mode(), mpStopped) << path;
        EXPECT_EQ(player.Length(), 0) << path;
    }
}

TEST(MediaPlayer, LengthIsTheSumOfTheFrameDurations) {
    const Bytes frame48k = SilentFrame(0xFB, 0x94, 0x44); // 24 ms
    const TempFile synthetic(Id3v2Tag(300) + Repeat(frame48k, 1000) + Bytes(3, 0x55));
    TMediaPlayer player;
    OpenFile(player, synthetic.path);
    EXPECT_EQ(player.Length(), 24000);

    for (const char* name :
         {"sweep-44k-stereo.mp3", "tone-32k-stereo-vbr.mp3", "tone-22k-mono.mp3"}) {
        OpenFile(player, Fixture(name));
        EXPECT_NEAR(player.Length(), LibraryLengthMs(Fixture(name)), 36.0) << name;
    }
}

TEST(MediaPlayer, PlaysFromAPositionToTheEndInRealTime) {
    TMediaPlayer player;
    OpenFile(player, Sweep);
    const std::int32_t length = player.Length();
    player.SetPosition(5000);
    const Clock::time_point started = Clock::now();
    player.Play();
    ASSERT_EQ(player.Mode(), mpPlaying);
    EXPECT_LT(SecondsSince(started), 0.1) << "Play must return at once";
    const std::int32_t first = player.Position();
    EXPECT_NEAR(first, 5000, 100);

    ASSERT_TRUE(WaitUntil([&] { return player.Position() >= 6500; }, 5s));
    const double climbed = (player.Position() - 5000) / 1000.0;
    // Loose enough for a busy machine, tight enough to catch a stream played at a wrong rate.
    EXPECT_NEAR(climbed / SecondsSince(started), 1.0, 0.25) << "position runs at real-time speed";

    ASSERT_TRUE(WaitUntil([&] { return player.Mode() == mpStopped; }, 5s));
    const double playedFor = SecondsSince(started);
    EXPECT_GT(playedFor, (length - 5000) / 1000.0 - 0.1);
    EXPECT_LT(playedFor, (length - 5000) / 1000.0 + 1.0);
    EXPECT_NEAR(player.Position(), length, 1);
}

TEST(MediaPlayer, EndPosHoldsForTheNextPlayOnly) {
    TMediaPlayer player;
    OpenFile(player, Sweep);
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
    OpenFile(player, Sweep);
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

TEST(MediaPlayer, CloseWhilePlayingEndsTheSoundAndReleasesTheFile) {
    TMediaPlayer player;
    OpenFile(player, Sweep);
    player.Play();
    ASSERT_EQ(player.Mode(), mpPlaying);
    EXPECT_GT(OpenFileDescriptorsOn(Sweep), 0);
    player.Close();
    EXPECT_EQ(player.Mode(), mpStopped);
    EXPECT_EQ(OpenFileDescriptorsOn(Sweep), 0);
}

TEST(MediaPlayer, OpeningAnotherFileEndsThePlayback) {
    TMediaPlayer player;
    OpenFile(player, Sweep);
    player.Play();
    ASSERT_EQ(player.Mode(), mpPlaying);
    OpenFile(player, Fixture("tone-22k-mono.mp3"));
    EXPECT_EQ(player.Mode(), mpStopped);
    EXPECT_EQ(player.Position(), 0);
}

TEST(MediaPlayer, PlayingAgainWhilePlayingAndDestroyingWhilePlayingAreSafe) {
    auto player = std::make_unique<TMediaPlayer>();
    OpenFile(*player, Sweep);
    for (std::int32_t at : {0, 4000, 2000, 7000}) {
        player->SetPosition(at);
        player->Play();
        ASSERT_EQ(player->Mode(), mpPlaying);
        EXPECT_NEAR(player->Position(), at, 100);
        std::this_thread::sleep_for(30ms); // let the audio thread run inside the decoder
    }
    player.reset();
}

TEST(MediaPlayer, NoAudioOutputStillAnalysesButRefusesToPlayWithSdlsReason) {
    ASSERT_EQ(setenv("SDL_AUDIODRIVER", "no-such-driver", 1), 0);
    TMediaPlayer player;
    OpenFile(player, Sweep);
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
