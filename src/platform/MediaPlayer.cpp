#include "MediaPlayer.h"

#include "AudioOutput.h"
#include "FrameIndex.h"
#include "Mp3Decoder.h"
#include "Playback.h"
#include "SourceFile.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace {

std::unique_ptr<SourceFile> OpenSource(const std::string& fileName) {
    try {
        return std::make_unique<SourceFile>(fileName);
    } catch (const std::system_error& error) {
        throw EMCIDeviceError("Cannot open \"" + fileName + "\": " + error.code().message());
    }
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
    const std::unique_ptr<SourceFile> file = OpenSource(impl->fileName);
    if (!impl->index || impl->indexedStamp != file->Stamp()) {
        impl->index.reset();
        std::optional<FrameIndex> built = FrameIndex::Build(*file);
        if (!built)
            throw EMCIDeviceError("\"" + impl->fileName + "\" holds no MPEG audio");
        impl->index = std::make_shared<const FrameIndex>(std::move(*built));
        impl->indexedStamp = file->Stamp();
    }
    impl->open = true;
}

void TMediaPlayer::SetTimeFormat(TMPTimeFormats) {}

std::int32_t TMediaPlayer::Length() const {
    return impl->open ? static_cast<std::int32_t>(impl->index->TotalMs()) : 0;
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
    const double endMs =
        std::min(impl->endPosMs.value_or(impl->index->TotalMs()), impl->index->TotalMs());
    impl->endPosMs.reset();
    impl->Halt();
    if (impl->seekRefused || endMs <= impl->positionMs)
        return;
    if (!impl->audio)
        impl->audio.emplace();
    auto decoder = std::make_unique<Mp3Decoder>(OpenSource(impl->fileName), impl->index);
    if (!decoder->Seek(impl->positionMs))
        return;
    impl->playback = std::make_unique<Playback>(std::move(decoder), impl->positionMs, endMs);
}

TMPModes TMediaPlayer::Mode() const {
    return impl->Playing() ? mpPlaying : mpStopped;
}

void TMediaPlayer::Close() {
    impl->playback.reset();
    impl->open = false;
    impl->positionMs = 0.0;
    impl->seekRefused = false;
    impl->endPosMs.reset();
}
