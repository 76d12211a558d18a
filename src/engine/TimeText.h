#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Times are shown and typed as "000:00:00.000": hours, minutes, seconds, milliseconds.

std::string TwoDigits(std::int64_t value);
std::string ThreeDigits(std::int64_t value);
std::string MsToTimeText(std::int64_t ms);
// Reads the four groups by position; a group that is not a number counts as 0.
std::int64_t TimeTextToMs(std::string_view text);
// Repairs a typed field text: tens of minutes and seconds above 5 become 5, blanks become 0.
std::string NormalizeTimeText(std::string_view text);
