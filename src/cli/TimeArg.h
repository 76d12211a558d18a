#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A time on the command line: whole milliseconds ("62500", "-1") or a clock time
// "[[h:]m:]s[.fff]" ("000:01:02.500", "1:02.5", "62.5"). Throws UsageError when the text is
// neither, or when the time does not fit the engine's signed 32-bit milliseconds.
std::int32_t ParseTimeArg(std::string_view text);
