#include "AudioTimeline.h"

#include "FrameWalker.h"
#include "StreamLayout.h"

std::optional<double> MeasureAudioMs(const std::string& fileName) {
    SourceFile source(fileName);
    const StreamStart start = FindFirstFrame(source);
    if (!start.isMp3)
        return std::nullopt;
    FrameWalker walk(source, start.FirstFrame(), AudioEnd(source.Size(), FindTrailingTags(source)));
    double total = 0.0;
    while (!walk.AtEnd())
        total += walk.StepFrame().duration;
    return total;
}
