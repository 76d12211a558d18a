#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// At most n bytes of text in the ANSI code page, never ending in the first half of a
// double-byte character.
std::string CutToBytes(std::string_view ansi, std::size_t n);
