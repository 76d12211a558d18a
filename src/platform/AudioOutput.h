#pragma once

#include <SDL_audio.h>

#include <cstdint>
#include <functional>

// Holds SDL's audio subsystem up for as long as it lives. Raises EMCIDeviceError with SDL's
// reason when the machine offers no audio output at all.
class AudioSubsystem {
public:
    AudioSubsystem();
    ~AudioSubsystem();
    AudioSubsystem(const AudioSubsystem&) = delete;
    AudioSubsystem& operator=(const AudioSubsystem&) = delete;
};

// An audio device that plays interleaved 16-bit stereo at one rate, filled by a render function
// on SDL's audio thread; SDL converts to whatever the hardware takes. It opens silent and
// sounds from Start on. Needs a live AudioSubsystem.
class AudioOutput {
public:
    using Render = std::function<void(std::int16_t* dst, int frameCount)>;

    // Raises EMCIDeviceError with SDL's reason when no device can be opened.
    AudioOutput(int sampleRate, Render render);
    // Once this returns, the render function is not running and is never called again.
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    void Start();

private:
    static void SDLCALL Fill(void* self, Uint8* stream, int bytes);

    Render render;
    SDL_AudioDeviceID device = 0;
};
