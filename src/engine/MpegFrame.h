#pragma once

#include <array>
#include <cstdint>
#include <optional>

// One decoded MPEG audio frame header.
struct FrameInfo {
    double version = 0.0; // 1.0, 2.0 or 2.5
    std::int32_t layer = 0;
    std::int32_t bitrate = 0;    // kbit/s
    std::int32_t sampleRate = 0; // Hz
    std::int32_t padding = 0;
    bool mono = false;
    std::int32_t samplesPerFrame = 0;
    std::int32_t length = 0; // bytes, header included
    double duration = 0.0;   // ms, never rounded
};

// [MPEG-1 | MPEG-2 and 2.5][layer I, II, III][bitrate index 1..14 at 0..13], kbit/s.
extern const std::array<std::array<std::array<std::int32_t, 14>, 3>, 2> BitrateTable;
// [MPEG-1 | MPEG-2 | MPEG-2.5][sample-rate index 0..2], Hz.
extern const std::array<std::array<std::int32_t, 3>, 3> SampleRateTable;
// [MPEG-1 | MPEG-2 and 2.5][layer I, II, III].
extern const std::array<std::array<std::int32_t, 3>, 2> SamplesPerFrameTable;

// Only the first byte is tested for sync; a header with a reserved version or layer, a free-format
// or forbidden bitrate index or a reserved sample rate is not a frame either, since there are no
// values to give it.
std::optional<FrameInfo> ReadFrameHeader(const std::uint8_t header[4]);

// Encoders put the "Xing" or "Info" marker of a VBR information frame right after the side
// information, whose size depends on the version and the channel count.
std::int32_t XingMarkerOffset(const FrameInfo& frame);
constexpr std::int32_t VbriMarkerOffset = 36;
// True when the four bytes at the offset given for their kind name a VBR information frame.
bool IsXingMarker(const std::uint8_t bytes[4]);
bool IsVbriMarker(const std::uint8_t bytes[4]);

constexpr std::int32_t Id3v2HeaderSize = 10;
bool IsId3v2Header(const std::uint8_t bytes[3]);
// The size field of an ID3v2 header (bytes 6-9, four 7-bit groups): the bytes after the header.
std::int32_t Id3v2TagSize(const std::uint8_t header[10]);
