#pragma once

#include "AudioOutput.h"
#include "Mp3Decoder.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>

// One run of sound from one instant of a file to another, on an audio device of its own.
// The decoder belongs to SDL's audio thread from the start on; the device is closed, and with
// it that thread's use of the decoder ended, before the decoder goes.
class Playback {
public:
    // The decoder stands at fromMs. Raises EMCIDeviceError when no audio output can be opened.
    Playback(std::unique_ptr<Mp3Decoder> decoder, double fromMs, double toMs);

    // The instant being heard, in milliseconds of the file.
    double PositionMs() const;
    // True once everything up to the end instant (or the end of the audio) has been heard.
    bool Finished() const;

private:
    using Clock = std::chrono::steady_clock;
    void Render(std::int16_t* dst, int frameCount);

    std::unique_ptr<Mp3Decoder> decoder;
    const double fromMs;
    const double rate;
    std::int64_t framesLeft;

    mutable std::mutex mutex;
    // Frames of sound handed to the device before the latest buffer, the sound frames in it,
    // and when the device asked for it: the latest buffer starts sounding when it is asked for.
    std::int64_t framesBefore = 0;
    int framesInBuffer = 0;
    std::optional<Clock::time_point> bufferAskedAt;
    bool finished = false;

    std::unique_ptr<AudioOutput> output;
};
