#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A whole decimal number with an optional sign, blanks around it allowed; empty for anything
// else, an out-of-range value included.
std::optional<std::int64_t> ParseInteger(std::string_view text);
