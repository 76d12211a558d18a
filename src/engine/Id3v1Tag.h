#pragma once

#include "OrvoMp3.h"

#include <array>
#include <cstdint>

// A comment whose byte 29 is zero carries an ID3v1.1 track number in byte 30.
TId3v1Tag DecodeId3v1Tag(const std::array<std::uint8_t, 128>& bytes);
std::array<std::uint8_t, 128> EncodeId3v1Tag(const TId3v1Tag& tag);
