#pragma once

#include "FrameWalker.h"
#include "SourceFile.h"

#include <cstdint>
#include <optional>
#include <vector>

// One audio frame of the stream, where it lies and what the decoder needs to know of it.
struct AudioFrame {
    std::int64_t offset = 0;
    std::int32_t length = 0;
    std::int32_t sampleRate = 0;
    std::int32_t samples = 0;
    double durationMs = 0.0;
};

// The next audio frame of the walk, stepping over everything the clip writer does not count;
// empty at the end of the audio.
std::optional<AudioFrame> NextAudioFrame(FrameWalker& walk);

// Where an instant lies in the stream: the frames to decode first so that the decoder's
// state (bit reservoir, filter history) is whole, then the frame that holds the instant.
struct StreamCue {
    std::vector<AudioFrame> preroll;
    AudioFrame frame;
    double frameStartMs = 0.0;
};

// The audio frames of one file, every 64th remembered with its offset and start time, so that
// finding any instant steps over at most two blocks of frame headers and memory stays small.
// Times are summed frame by frame in stream order, as the clip writer sums them.
class FrameIndex {
public:
    // Walks the whole file once; empty when it is not an MP3 file. Throws std::system_error
    // when the file cannot be read.
    static std::optional<FrameIndex> Build(SourceFile& file);

    double TotalMs() const { return totalMs; }
    // Zero when the file holds no audio frame at all.
    std::int32_t FirstSampleRate() const { return firstSampleRate; }
    std::int64_t AudioEnd() const { return audioEnd; }
    // Empty when ms lies at or past the end of the audio.
    std::optional<StreamCue> Find(SourceFile& file, double ms) const;

private:
    struct Entry {
        std::int64_t offset;
        double startMs;
    };
    std::int64_t audioEnd = 0;
    std::vector<Entry> entries;
    double totalMs = 0.0;
    std::int32_t firstSampleRate = 0;
};
