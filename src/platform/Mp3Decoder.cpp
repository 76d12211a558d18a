#include "Mp3Decoder.h"

#include "MediaPlayer.h"

#include <algorithm>
#include <cmath>
#include <mpg123.h>
#include <mutex>
#include <system_error>

namespace {

constexpr int Channels = 2;

void InitLibrary() {
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
}

// mpg123 takes a frame only when all eleven sync bits are set; the frame walk is content with
// the first eight, so such a frame is played as silence rather than fed.
bool Mpg123Accepts(const std::uint8_t* header) {
    return (header[1] & 0xE0) == 0xE0;
}

} // namespace

Mp3Decoder::Mp3Decoder(std::unique_ptr<SourceFile> source, std::shared_ptr<const FrameIndex> frames)
    : file(std::move(source)), index(std::move(frames)), rate(index->FirstSampleRate()) {
    InitLibrary();
    int error = MPG123_OK;
    handle = mpg123_new(nullptr, &error);
    if (!handle)
        throw EMCIDeviceError(std::string("Cannot start the MP3 decoder: ") +
                              mpg123_plain_strerror(error));
    // Frames are fed one whole frame at a time, already told apart from tags and VBR
    // information frames, and every frame counts: no gapless trimming, no look-ahead.
    mpg123_param(handle, MPG123_ADD_FLAGS,
                 MPG123_QUIET | MPG123_IGNORE_INFOFRAME | MPG123_NO_READAHEAD, 0.0);
    mpg123_param(handle, MPG123_REMOVE_FLAGS, MPG123_GAPLESS, 0.0);
    // One output format for the whole file: a frame of another rate or channel count (a
    // stream stitched together) is resampled or spread to it by the library.
    mpg123_format_none(handle);
    mpg123_format(handle, rate, MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(handle) != MPG123_OK) {
        const std::string reason = mpg123_strerror(handle);
        mpg123_delete(handle);
        throw EMCIDeviceError("Cannot start the MP3 decoder: " + reason);
    }
}

Mp3Decoder::~Mp3Decoder() {
    mpg123_delete(handle);
}

bool Mp3Decoder::Seek(double ms) {
    pending.clear();
    pendingRead = 0;
    walk.reset();
    const std::optional<StreamCue> cue = index->Find(*file, std::max(ms, 0.0));
    if (!cue)
        return false;
    // Decoding starts afresh: nothing of an earlier position may leak into the new one.
    mpg123_open_feed(handle);
    for (const AudioFrame& frame : cue->preroll)
        Decode(frame, false);
    Decode(cue->frame, true);
    // Counted from the start of the audio, so that a position and its sample agree with
    // playing from the start whatever the rounding inside the frame.
    const long long skip =
        std::llround(ms * rate / 1000.0) - std::llround(cue->frameStartMs * rate / 1000.0);
    pendingRead =
        std::min(static_cast<std::size_t>(std::max(skip, 0LL)) * Channels, pending.size());
    walk.emplace(*file, cue->frame.offset + cue->frame.length, index->AudioEnd());
    return true;
}

int Mp3Decoder::Read(std::int16_t* dst, int frameCount) {
    int done = 0;
    while (done < frameCount) {
        if (pendingRead == pending.size() && !DecodeNextFrame())
            break;
        const std::size_t take = std::min<std::size_t>(
            pending.size() - pendingRead, static_cast<std::size_t>(frameCount - done) * Channels);
        std::copy_n(pending.data() + pendingRead, take,
                    dst + static_cast<std::size_t>(done) * Channels);
        pendingRead += take;
        done += static_cast<int>(take / Channels);
    }
    return done;
}

bool Mp3Decoder::DecodeNextFrame() {
    pending.clear();
    pendingRead = 0;
    try {
        const std::optional<AudioFrame> frame = walk ? NextAudioFrame(*walk) : std::nullopt;
        if (frame) {
            Decode(*frame, true);
            return true;
        }
    } catch (const std::system_error&) {
        // A file that can no longer be read ends the sound as the end of the audio does.
    }
    walk.reset();
    return false;
}

void Mp3Decoder::Decode(const AudioFrame& frame, bool keep) {
    const std::uint8_t* bytes = file->Bytes(frame.offset, static_cast<std::size_t>(frame.length));
    const std::size_t before = pending.size();
    if (bytes != nullptr && Mpg123Accepts(bytes) &&
        mpg123_feed(handle, bytes, static_cast<std::size_t>(frame.length)) == MPG123_OK) {
        for (;;) {
            off_t number = 0;
            unsigned char* audio = nullptr;
            std::size_t size = 0;
            const int result = mpg123_decode_frame(handle, &number, &audio, &size);
            if (result == MPG123_NEW_FORMAT)
                continue;
            if (result != MPG123_OK)
                break;
            if (keep) {
                const auto* samples = reinterpret_cast<const std::int16_t*>(audio);
                pending.insert(pending.end(), samples, samples + size / sizeof(std::int16_t));
            }
        }
    }
    if (keep && pending.size() == before) {
        const auto silent = static_cast<std::size_t>(
            std::llround(static_cast<double>(frame.samples) * rate / frame.sampleRate));
        pending.resize(before + silent * Channels, 0);
    }
}
