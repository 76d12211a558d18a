#include "AudioOutput.h"

#include "MediaPlayer.h"

#include <SDL.h>

#include <string>

namespace {
constexpr int Channels = 2;

// About 10 ms per buffer: short enough that sound follows a play request at once, that the
// reported position stays close to what is heard, and that closing (SDL lets two buffers
// drain first) is quick; long enough to cost little CPU.
Uint16 BufferFrames(int sampleRate) {
    Uint16 frames = 128;
    while (frames < sampleRate / 100)
        frames *= 2;
    return frames;
}
} // namespace

AudioSubsystem::AudioSubsystem() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        throw EMCIDeviceError(std::string("No audio output is available: ") + SDL_GetError());
}

AudioSubsystem::~AudioSubsystem() {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

AudioOutput::AudioOutput(int sampleRate, Render renderFunction)
    : render(std::move(renderFunction)) {
    SDL_AudioSpec wanted{};
    wanted.freq = sampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = Channels;
    wanted.samples = BufferFrames(sampleRate);
    wanted.callback = &AudioOutput::Fill;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device == 0)
        throw EMCIDeviceError(std::string("Cannot open the audio output: ") + SDL_GetError());
}

AudioOutput::~AudioOutput() {
    SDL_CloseAudioDevice(device);
}

void AudioOutput::Start() {
    SDL_PauseAudioDevice(device, 0);
}

void SDLCALL AudioOutput::Fill(void* self, Uint8* stream, int bytes) {
    auto* output = static_cast<AudioOutput*>(self);
    output->render(reinterpret_cast<std::int16_t*>(stream),
                   bytes / static_cast<int>(Channels * sizeof(std::int16_t)));
}
