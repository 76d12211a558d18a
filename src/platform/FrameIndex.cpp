#include "FrameIndex.h"

#include "StreamLayout.h"

#include <algorithm>
#include <deque>

namespace {
constexpr std::size_t FramesPerEntry = 64;
// Layer III frames may borrow up to 511 bytes of main data from the frames before them; 1024
// bytes of earlier frames cover that with headers and side information to spare. The first
// preroll frame may itself lack what it borrows, so a second one rebuilds the overlap state.
constexpr std::int64_t PrerollBytes = 1024;
constexpr std::size_t MinPrerollFrames = 2;
constexpr std::size_t MaxPrerollFrames = 16;
} // namespace

std::optional<AudioFrame> NextAudioFrame(FrameWalker& walk) {
    while (!walk.AtEnd()) {
        const StreamUnit unit = walk.StepFrame();
        if (unit.length > 0) {
            const std::optional<FrameInfo> header = ReadFrameHeader(unit.bytes);
            return AudioFrame{unit.start, unit.length, header->sampleRate, header->samplesPerFrame,
                              unit.duration};
        }
    }
    return std::nullopt;
}

std::optional<FrameIndex> FrameIndex::Build(SourceFile& file) {
    const StreamStart start = FindFirstFrame(file);
    if (!start.isMp3)
        return std::nullopt;
    FrameIndex index;
    index.audioEnd = ::AudioEnd(file.Size(), FindTrailingTags(file));
    FrameWalker walk(file, start.FirstFrame(), index.audioEnd);
    std::size_t count = 0;
    for (auto frame = NextAudioFrame(walk); frame; frame = NextAudioFrame(walk), ++count) {
        if (count % FramesPerEntry == 0)
            index.entries.push_back({frame->offset, index.totalMs});
        if (count == 0)
            index.firstSampleRate = frame->sampleRate;
        index.totalMs += frame->durationMs;
    }
    index.entries.shrink_to_fit();
    return index;
}

std::optional<StreamCue> FrameIndex::Find(SourceFile& file, double ms) const {
    if (!(ms < totalMs))
        return std::nullopt;
    auto entry = std::upper_bound(entries.begin(), entries.end(), ms,
                                  [](double t, const Entry& e) { return t < e.startMs; });
    if (entry != entries.begin())
        --entry;
    // Starting one block early leaves a full block of frames to take the preroll from.
    if (entry != entries.begin())
        --entry;

    FrameWalker walk(file, entry->offset, audioEnd);
    std::deque<AudioFrame> recent;
    double startMs = entry->startMs;
    for (auto frame = NextAudioFrame(walk); frame; frame = NextAudioFrame(walk)) {
        if (startMs + frame->durationMs > ms) {
            StreamCue cue{{}, *frame, startMs};
            std::int64_t bytes = 0;
            auto first = recent.end();
            while (first != recent.begin() &&
                   (bytes < PrerollBytes ||
                    static_cast<std::size_t>(recent.end() - first) < MinPrerollFrames)) {
                --first;
                bytes += first->length;
            }
            cue.preroll.assign(first, recent.end());
            return cue;
        }
        startMs += frame->durationMs;
        recent.push_back(*frame);
        if (recent.size() > MaxPrerollFrames)
            recent.pop_front();
    }
    return std::nullopt;
}
