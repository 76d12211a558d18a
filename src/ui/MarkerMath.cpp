#include "MarkerMath.h"

#include <cmath>

// Both mappings form the product in 64-bit integers and divide in floating point; nearbyint
// under the default rounding mode sends ties to the even neighbour.

std::int64_t MarkerTime(std::int64_t maximum, const TMarkerDrag& marker) {
    if (marker.FullLeft == marker.ZeroLeft)
        return 0;
    const std::int64_t product = maximum * (marker.CurrentLeft - marker.ZeroLeft);
    return static_cast<std::int64_t>(
        std::nearbyint(static_cast<double>(product) / (marker.FullLeft - marker.ZeroLeft)));
}

std::optional<int> MarkerLeft(std::int64_t ms, std::int64_t duration, const TMarkerDrag& marker) {
    if (duration <= 0)
        return std::nullopt;
    const std::int64_t product = static_cast<std::int64_t>(marker.FullLeft - marker.ZeroLeft) * ms;
    return marker.ZeroLeft + static_cast<int>(std::nearbyint(static_cast<double>(product) /
                                                             static_cast<double>(duration)));
}
