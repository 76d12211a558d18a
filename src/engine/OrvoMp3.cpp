#include "OrvoMp3.h"

#include "MediaPlayer.h"

TOrvoMP3::TOrvoMP3(const std::string&) : Player(std::make_unique<TMediaPlayer>()) {}
TOrvoMP3::~TOrvoMP3() { Player->Close(); }
void TOrvoMP3::LoadFile(const std::string& FileName) { Info = TMp3DataInfo{FileName}; }
bool TOrvoMP3::SaveClip(std::int32_t, std::int32_t, const std::string&, TId3v1Tag, std::int64_t&,
                        std::int64_t&) {
    return false;
}
bool TOrvoMP3::PlayRange(std::int64_t, std::int64_t) { return false; }
void TOrvoMP3::Stop() { Player->Close(); }
std::int64_t TOrvoMP3::PlayPosition() { return -1; }
bool TOrvoMP3::IsStopped() { return true; }
