#include "MediaPlayer.h"

#include "AudioOutput.h"
#include "FrameIndex.h"
#include "Mp3Decoder.h"
#include "Playback.h"
#include "SourceFile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <system_error>

namespace {

std::unique_ptr<SourceFile> OpenSource(const std::string& fileName) {
    try {
        return std::make_unique<SourceFile>(fileName);
    } catch (const std::system_error& e) {
        throw EMCIDeviceError(e.what());
    }
}

// Equal stamps mean the same file on disk, unchanged since it was indexed.
std::string FileStamp(const SourceFile& file) {
    struct stat st {};
    ::fstat(file.Descriptor(), &st);
    return std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino) + ':' +
           std::to_string(st.st_size) + ':' + std::to_string(st.st_mtim.tv_sec) + '.' +
           std::to_string(st.st_mtim.tv_nsec);
}

} // namespace

struct TMediaPlayer::Impl {
    std::string fileName;
    // Kept after Close: every play request reopens the file, and an unchanged file need not
    // be walked again.
    std::string indexedStamp;
    std::shared_ptr<const FrameIndex> index;

    bool open = false;
    double positionMs = 0.0;
    bool seekRefused = false;
    std::optional<double> endPosMs;

    std::optional<AudioSubsystem> audio;
    std::unique_ptr<Playback> playback;

    bool Playing() const { return playback && !playback->Finished(); }

    // Holds still what is sounding, at the instant last heard.
    void Halt() {
        if (!playback)
            return;
        positionMs = playback->PositionMs();
        playback.reset();
    }

    void Index(SourceFile& file) {
        const std::string stamp = FileStamp(file);
        if (index && indexedStamp == stamp)
            return;
        index.reset();
        std::optional<FrameIndex> built;
        try {
            built = FrameIndex::Build(file);
        } catch (const std::system_error& e) {
            throw EMCIDeviceError(e.what());
        }
        if (!built)
            throw EMCIDeviceError("Cannot open " + fileName + ": not an MP3 file");
        index = std::make_shared<const FrameIndex>(std::move(*built));
        indexedStamp = stamp;
    }
};

TMediaPlayer::TMediaPlayer() : impl(std::make_unique<Impl>()) {}

TMediaPlayer::~TMediaPlayer() {
    Close();
}

void TMediaPlayer::SetFileName(const std::string& fileName) {
    impl->fileName = fileName;
}

const std::string& TMediaPlayer::FileName() const {
    return impl->fileName;
}

void TMediaPlayer::Open() {
    Close();
    impl->Index(*OpenSource(impl->fileName));
    impl->open = true;
}

void TMediaPlayer::SetTimeFormat(TMPTimeFormats) {}

std::int32_t TMediaPlayer::Length() const {
    if (!impl->open)
        return 0;
    const double ms = std::trunc(impl->index->TotalMs());
    constexpr double most = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(ms < most ? ms : most);
}

std::int32_t TMediaPlayer::Position() const {
    if (!impl->open)
        return 0;
    return static_cast<std::int32_t>(impl->playback ? impl->playback->PositionMs()
                                                    : impl->positionMs);
}

void TMediaPlayer::SetPosition(std::int32_t ms) {
    if (!impl->open)
        return;
    impl->Halt();
    impl->seekRefused = ms < 0 || ms > impl->index->TotalMs();
    if (!impl->seekRefused)
        impl->positionMs = ms;
}

void TMediaPlayer::SetEndPos(std::int32_t ms) {
    impl->endPosMs = ms;
}

void TMediaPlayer::Play() {
    if (!impl->open)
        throw EMCIDeviceError("No file is open for playing");
    const double totalMs = impl->index->TotalMs();
    const double endMs = std::min(impl->endPosMs.value_or(totalMs), totalMs);
    impl->endPosMs.reset();
    impl->Halt();
    if (impl->seekRefused || endMs <= impl->positionMs)
        return;
    if (!impl->audio)
        impl->audio.emplace();
    auto decoder = std::make_unique<Mp3Decoder>(OpenSource(impl->fileName), impl->index);
    try {
        if (!decoder->Seek(impl->positionMs))
            return;
    } catch (const std::system_error& e) {
        throw EMCIDeviceError(e.what());
    }
    impl->playback = std::make_unique<Playback>(std::move(decoder), impl->positionMs, endMs);
}

TMPModes TMediaPlayer::Mode() const {
    if (!impl->open)
        return mpNotReady;
    return impl->Playing() ? mpPlaying : mpStopped;
}

void TMediaPlayer::Close() {
    impl->playback.reset();
    impl->open = false;
    impl->positionMs = 0.0;
    impl->seekRefused = false;
    impl->endPosMs.reset();
}
