#pragma once

#include "MarkerDrag.h"

#include <cstdint>
#include <optional>

// The time a marker stands for, on a bar whose right end is `maximum` milliseconds.
std::int64_t MarkerTime(std::int64_t maximum, const TMarkerDrag& marker);
// The Left that stands for `ms` in a file of `duration` milliseconds; empty when the file has
// no playing time, so there is no pixel to map to.
std::optional<int> MarkerLeft(std::int64_t ms, std::int64_t duration, const TMarkerDrag& marker);
