#pragma once

#include "SourceFile.h"

#include <cstdint>
#include <optional>

// One audio frame of the stream, as the clip writer counts it.
struct AudioFrame {
    std::int64_t offset = 0;
    std::int32_t length = 0;
    std::int32_t sampleRate = 0;
    std::int32_t samples = 0;
    double durationMs = 0.0;
};

// Decodes a 4-byte frame header; empty when the bytes are no frame the tables describe
// (no 0xFF sync byte, or a reserved version, layer, bitrate or sample-rate code).
std::optional<AudioFrame> ParseFrameHeader(const std::uint8_t* header);

// Where the audio of a file lies: from the first frame (after a leading ID3v2 tag and the zero
// bytes behind it) to the limit past which no unit starts (the trailing tags and 4 bytes off).
struct AudioSpan {
    std::int64_t first = 0;
    std::int64_t limit = 0;
};

// Empty when no frame sync byte stands where the first frame is expected.
std::optional<AudioSpan> FindAudioSpan(SourceFile& file);

// Steps through the stream unit by unit exactly as the clip writer does: VBR information frames
// ("Xing" 36 bytes in) and ID3v2 tags are stepped over, unrecognised bytes in 4-byte strides,
// and everything else is an audio frame. Times summed over Next() therefore match the clip's.
class FrameWalk {
public:
    FrameWalk(SourceFile& file, std::int64_t from, std::int64_t limit)
        : file(file), position(from), limit(limit) {}

    // The next audio frame, or empty at the end of the audio. A frame that runs past the end
    // of the file is not audio anyone can play or cut, so it ends the walk.
    std::optional<AudioFrame> Next();
    std::int64_t Position() const { return position; }

private:
    SourceFile& file;
    std::int64_t position;
    std::int64_t limit;
};
