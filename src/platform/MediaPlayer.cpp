#include "MediaPlayer.h"

struct TMediaPlayer::Impl {
    std::string fileName;
};

TMediaPlayer::TMediaPlayer() : impl(std::make_unique<Impl>()) {}
TMediaPlayer::~TMediaPlayer() = default;
void TMediaPlayer::SetFileName(const std::string& fileName) { impl->fileName = fileName; }
const std::string& TMediaPlayer::FileName() const { return impl->fileName; }
void TMediaPlayer::Open() { throw EMCIDeviceError("No media device"); }
void TMediaPlayer::SetTimeFormat(TMPTimeFormats) {}
std::int32_t TMediaPlayer::Length() const { return 0; }
std::int32_t TMediaPlayer::Position() const { return 0; }
void TMediaPlayer::SetPosition(std::int32_t) {}
void TMediaPlayer::SetEndPos(std::int32_t) {}
void TMediaPlayer::Play() {}
TMPModes TMediaPlayer::Mode() const { return mpNotReady; }
void TMediaPlayer::Close() {}
