#include "MarkerMath.h"

#include <gtest/gtest.h>

namespace {

// The marker geometry of the window's position bar (Left 128, Width 449).
TMarkerDrag StartMarker(int left) {
    TMarkerDrag marker;
    marker.ZeroLeft = 129;
    marker.FullLeft = 553;
    marker.CurrentLeft = left;
    return marker;
}

TMarkerDrag EndMarker(int left) {
    TMarkerDrag marker;
    marker.ZeroLeft = 135;
    marker.FullLeft = 560;
    marker.CurrentLeft = left;
    return marker;
}

TEST(MarkerMath, TurnsPixelsIntoTimeWithTiesToEven) {
    const struct {
        TMarkerDrag marker;
        std::int64_t maximum;
        std::int64_t ms;
    } cases[] = {{StartMarker(130), 212, 0},
                 {StartMarker(132), 212, 2},
                 {StartMarker(134), 212, 2},
                 {StartMarker(129), 60000, 0},
                 {StartMarker(553), 60000, 60000},
                 {EndMarker(560), 60000, 60000},
                 {EndMarker(135), 60000, 0},
                 {EndMarker(556), 100000, 99059},
                 {StartMarker(553), 2147483647, 2147483647}};
    for (const auto& c : cases)
        EXPECT_EQ(MarkerTime(c.maximum, c.marker), c.ms)
            << "left " << c.marker.CurrentLeft << " maximum " << c.maximum;
}

TEST(MarkerMath, TurnsTimeIntoPixels) {
    const struct {
        TMarkerDrag marker;
        std::int64_t ms;
        std::int64_t duration;
        int left;
    } cases[] = {{EndMarker(0), 99000, 100000, 556},
                 {StartMarker(0), 0, 100000, 129},
                 {StartMarker(0), 100000, 100000, 553},
                 {EndMarker(0), 100000, 100000, 560},
                 {StartMarker(0), 3599999999, 3599999999, 553},
                 // 424 * 1 / 848 = 0.5 goes to the even 0, 424 * 3 / 848 = 1.5 to 2.
                 {StartMarker(0), 1, 848, 129},
                 {StartMarker(0), 3, 848, 131}};
    for (const auto& c : cases)
        EXPECT_EQ(MarkerLeft(c.ms, c.duration, c.marker), c.left) << c.ms << " of " << c.duration;
}

TEST(MarkerMath, HasNoPixelForAFileWithoutPlayingTime) {
    EXPECT_EQ(MarkerLeft(0, 0, StartMarker(129)), std::nullopt);
    EXPECT_EQ(MarkerLeft(0, 0, EndMarker(560)), std::nullopt);
    EXPECT_EQ(MarkerTime(0, EndMarker(560)), 0);
}

} // namespace
