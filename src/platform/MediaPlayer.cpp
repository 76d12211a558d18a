#include "MediaPlayer.h"

#include "AudioTimeline.h"

#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

struct TMediaPlayer::Impl {
    std::string fileName;
    std::optional<double> lengthMs; // set while open
    std::int32_t position = 0;
    std::int32_t endPos = 0;
};

TMediaPlayer::TMediaPlayer() : impl(std::make_unique<Impl>()) {}
TMediaPlayer::~TMediaPlayer() = default;
void TMediaPlayer::SetFileName(const std::string& fileName) {
    impl->fileName = fileName;
}
const std::string& TMediaPlayer::FileName() const {
    return impl->fileName;
}

void TMediaPlayer::Open() {
    Close();
    std::optional<double> length;
    try {
        length = MeasureAudioMs(impl->fileName);
    } catch (const std::system_error& e) {
        throw EMCIDeviceError(e.what());
    }
    if (!length)
        throw EMCIDeviceError("Cannot open " + impl->fileName + ": not an MP3 file");
    impl->lengthMs = length;
}

void TMediaPlayer::SetTimeFormat(TMPTimeFormats) {}

std::int32_t TMediaPlayer::Length() const {
    if (!impl->lengthMs)
        return 0;
    const double ms = std::trunc(*impl->lengthMs);
    constexpr double most = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(ms < most ? ms : most);
}

std::int32_t TMediaPlayer::Position() const {
    return 0;
}
void TMediaPlayer::SetPosition(std::int32_t ms) {
    impl->position = ms;
}
void TMediaPlayer::SetEndPos(std::int32_t ms) {
    impl->endPos = ms;
}
void TMediaPlayer::Play() {
    throw EMCIDeviceError("playback not available");
}
TMPModes TMediaPlayer::Mode() const {
    return impl->lengthMs ? mpStopped : mpNotReady;
}
void TMediaPlayer::Close() {
    impl->lengthMs.reset();
}
