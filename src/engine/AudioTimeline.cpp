#include "AudioTimeline.h"

std::optional<double> MeasureAudioMs(const std::string&) { return std::nullopt; }
