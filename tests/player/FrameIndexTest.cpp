#include "FrameIndex.h"
#include "StreamBytes.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(FrameIndex, FindsTheFrameHoldingAnInstantWithEnoughFramesBeforeIt) {
    const Bytes frame48k = SilentFrame(0xFB, 0x94, 0x44); // 384 bytes, 24 ms
    Bytes xing = frame48k;
    std::memcpy(xing.data() + 36, "Xing", 4);
    const TempFile file(xing + Repeat(frame48k, 300));
    SourceFile source(file.path);
    const std::optional<FrameIndex> index = FrameIndex::Build(source);
    ASSERT_TRUE(index);
    EXPECT_DOUBLE_EQ(index->TotalMs(), 300 * 24.0);
    EXPECT_EQ(index->FirstSampleRate(), 48000);

    // Preroll: at least two frames and 1024 bytes where the stream has them.
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
