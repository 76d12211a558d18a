#pragma once

#include "FrameIndex.h"
#include "SourceFile.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

struct mpg123_handle_struct;

// Decodes the audio frames of one file to interleaved 16-bit stereo at the rate of its first
// frame, from any instant on. Every audio frame yields its own duration of sound, silence when
// it cannot be decoded, so the sound keeps to the timeline the clip writer counts.
class Mp3Decoder {
public:
    Mp3Decoder(std::unique_ptr<SourceFile> file, std::shared_ptr<const FrameIndex> index);
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    std::int32_t Rate() const { return rate; }
    // Returns false, leaving nothing to read, when ms lies at or past the end of the audio.
    // Throws std::system_error when the file cannot be read.
    bool Seek(double ms);
    // Writes up to frameCount stereo frames; fewer only once the audio has ended, or the file
    // can no longer be read, which ends it too.
    int Read(std::int16_t* dst, int frameCount);

private:
    bool DecodeNextFrame();
    void Decode(const AudioFrame& frame, bool keep);

    std::unique_ptr<SourceFile> file;
    std::shared_ptr<const FrameIndex> index;
    mpg123_handle_struct* handle = nullptr;
    std::int32_t rate = 0;
    std::optional<FrameWalker> walk;
    std::vector<std::int16_t> pending;
    std::size_t pendingRead = 0;
};
