#include "OrvoMp3.h"
#include "Polling.h"
#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

std::unique_ptr<TOrvoMP3> LoadedEngine(const std::string& path) {
    auto engine = std::make_unique<TOrvoMP3>();
    engine->LoadFile(path);
    EXPECT_TRUE(engine->Info.IsMp3) << path;
    EXPECT_GT(engine->Info.Duration, 0) << path;
    return engine;
}

} // namespace

TEST(EnginePlayback, PlaysFromFiveSecondsToTheEndInRealTimeThenReportsStopped) {
    const auto engine = LoadedEngine(EightSeconds);
    const std::int64_t duration = engine->Info.Duration;
    const Clock::time_point started = Clock::now();
    ASSERT_TRUE(engine->PlayRange(5000, duration));
    EXPECT_LT(SecondsSince(started), 0.1) << "PlayRange must return at once";
    EXPECT_FALSE(engine->IsStopped());
    EXPECT_NEAR(engine->PlayPosition(), 5000, 100);

    ASSERT_TRUE(WaitUntil([&] { return engine->PlayPosition() >= 6500; }, 5s));
    const double climbed = (engine->PlayPosition() - 5000) / 1000.0;
    // Loose enough for a busy machine, tight enough to catch a stream played at a wrong rate.
    EXPECT_NEAR(climbed / SecondsSince(started), 1.0, 0.25) << "position runs at real-time speed";

    ASSERT_TRUE(WaitUntil([&] { return engine->IsStopped(); }, 5s));
    // The dummy driver waits whole milliseconds per buffer, rounded down: up to 6% fast.
    const double playedFor = SecondsSince(started);
    EXPECT_GT(playedFor, (duration - 5000) / 1000.0 * 0.9);
    EXPECT_LT(playedFor, (duration - 5000) / 1000.0 + 1.0);
    EXPECT_EQ(engine->PlayPosition(), -1);
}

TEST(EnginePlayback, PlayRangeWhilePlayingRestartsAtTheNewStart) {
    auto engine = LoadedEngine(EightSeconds);
    const std::int64_t duration = engine->Info.Duration;
    for (std::int64_t start : {1000, 6000, 2500, 0}) {
        ASSERT_TRUE(engine->PlayRange(start, duration)) << start;
        EXPECT_NEAR(engine->PlayPosition(), start, 100) << start;
        ASSERT_TRUE(WaitUntil([&] { return engine->PlayPosition() > start + 50; }, 2s)) << start;
    }
    engine.reset(); // while playing: the destructor closes the player under the audio thread
}

TEST(EnginePlayback, StopEndsAtOnceAndLeavesTheFileFreeForSaveClip) {
    const auto engine = LoadedEngine(EightSeconds);
    ASSERT_TRUE(engine->PlayRange(2000, engine->Info.Duration));
    EXPECT_GT(OpenDescriptorsOn(EightSeconds), 0);
    engine->Stop();
    EXPECT_TRUE(engine->IsStopped());
    EXPECT_EQ(engine->PlayPosition(), -1);
    EXPECT_EQ(OpenDescriptorsOn(EightSeconds), 0);

    const std::string clip = TempFile(Bytes{}).path;
    std::int64_t bytes = 0, clipMs = 0;
    EXPECT_TRUE(engine->SaveClip(1000, 3000, clip, TId3v1Tag{}, bytes, clipMs));
    EXPECT_GT(bytes, 0);
    EXPECT_GE(clipMs, 2000);
    std::filesystem::remove(clip);
}

TEST(EnginePlayback, LoadingAnotherFileWhilePlayingEndsThePlayback) {
    const auto engine = LoadedEngine(EightSeconds);
    ASSERT_TRUE(engine->PlayRange(0, engine->Info.Duration));
    engine->LoadFile(Fixture("lame-cbr-mono-44k.mp3"));
    EXPECT_EQ(engine->PlayPosition(), -1);
    EXPECT_TRUE(engine->IsStopped());
    EXPECT_EQ(OpenDescriptorsOn(EightSeconds), 0);
}

TEST(EnginePlayback, AStartBeyondTheEndPlaysNothing) {
    const auto engine = LoadedEngine(EightSeconds);
    EXPECT_FALSE(engine->PlayRange(engine->Info.Duration + 1000, engine->Info.Duration));
    EXPECT_EQ(engine->PlayPosition(), -1);
}
