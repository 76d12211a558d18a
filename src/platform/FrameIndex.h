#pragma once

#include "FrameWalk.h"

#include <cstdint>
#include <optional>
#include <vector>

// Where an instant lies in the stream: the frames to decode first so that the decoder's
// state (bit reservoir, filter history) is whole, then the frame that holds the instant.
struct StreamCue {
    std::vector<AudioFrame> preroll;
    AudioFrame frame;
    double frameStartMs = 0.0;
};

// The audio frames of one file, every 64th remembered with its offset and start time, so that
// finding any instant steps over at most two blocks of frame headers and memory stays small.
class FrameIndex {
public:
    // Walks the whole file once; empty when it holds no audio frame.
    static std::optional<FrameIndex> Build(SourceFile& file);

    double TotalMs() const { return totalMs; }
    std::int32_t FirstSampleRate() const { return firstSampleRate; }
    const AudioSpan& Span() const { return span; }
    // Empty when ms lies at or past the end of the audio.
    std::optional<StreamCue> Find(SourceFile& file, double ms) const;

private:
    struct Entry {
        std::int64_t offset;
        double startMs;
    };
    AudioSpan span;
    std::vector<Entry> entries;
    double totalMs = 0.0;
    std::int32_t firstSampleRate = 0;
};
