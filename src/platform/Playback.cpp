#include "Playback.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int Channels = 2;
}

Playback::Playback(std::unique_ptr<Mp3Decoder> source, double from, double to)
    : decoder(std::move(source)), fromMs(from), rate(decoder->Rate()),
      framesLeft(std::max<std::int64_t>(std::llround((to - from) * rate / 1000.0), 0)) {
    output = std::make_unique<AudioOutput>(
        decoder->Rate(), [this](std::int16_t* dst, int count) { Render(dst, count); });
    output->Start();
}

void Playback::Render(std::int16_t* dst, int frameCount) {
    int sound = 0;
    if (framesLeft > 0) {
        sound =
            decoder->Read(dst, static_cast<int>(std::min<std::int64_t>(frameCount, framesLeft)));
        framesLeft = sound < frameCount ? 0 : framesLeft - sound;
    }
    std::fill(dst + static_cast<std::ptrdiff_t>(sound) * Channels,
              dst + static_cast<std::ptrdiff_t>(frameCount) * Channels, std::int16_t{0});

    const std::lock_guard lock(mutex);
    if (bufferAskedAt)
        framesBefore += framesInBuffer;
    framesInBuffer = sound;
    bufferAskedAt = Clock::now();
    // The device asks for a buffer when the one before has sounded.
    finished = sound == 0 && framesLeft == 0;
}

double Playback::PositionMs() const {
    const std::lock_guard lock(mutex);
    double frames = static_cast<double>(framesBefore);
    if (bufferAskedAt) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - *bufferAskedAt).count();
        frames += std::min(elapsed * rate, static_cast<double>(framesInBuffer));
    }
    return fromMs + frames * 1000.0 / rate;
}

bool Playback::Finished() const {
    const std::lock_guard lock(mutex);
    return finished;
}
