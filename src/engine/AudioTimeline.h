#pragma once

#include <optional>
#include <string>

// Playing time of an MP3 file exactly as the clip writer counts it: the frame durations,
// summed one by one, of every audio frame from the first frame to the end of the audio.
// Empty when the file is not an MP3 file. Throws std::system_error when it cannot be read.
std::optional<double> MeasureAudioMs(const std::string& fileName);
