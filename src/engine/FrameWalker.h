#pragma once

#include "MpegFrame.h"
#include "SourceFile.h"

#include <cstdint>

// What one step of the walk went over.
struct StreamUnit {
    std::int64_t start = 0;
    std::int32_t length = 0; // bytes of an audio frame; 0 for everything that is never copied
    double duration = 0.0;   // ms of an audio frame
    const std::uint8_t* bytes = nullptr; // the audio frame, valid until the source is read again
};

bool IsVbrInfoFrame(SourceFile& source, std::int64_t framePos, const FrameInfo& frame);

// Walks a stream unit by unit: an audio frame, a VBR information frame or an ID3v2 tag as a
// whole, anything else in 4-byte strides. The audio ends at audioEnd, and with it any frame that
// would run past it (a truncated file, or a frame overlapping the trailing tags).
class FrameWalker {
public:
    FrameWalker(SourceFile& source, std::int64_t firstFrame, std::int64_t audioEnd)
        : source(source), position(firstFrame), audioEnd(audioEnd), limit(audioEnd - 4) {}

    bool AtEnd() const { return position >= limit; }
    StreamUnit StepFrame();

private:
    StreamUnit EndAudio(std::int64_t start) {
        position = audioEnd;
        return {start};
    }

    SourceFile& source;
    std::int64_t position;
    std::int64_t audioEnd;
    std::int64_t limit;
};
