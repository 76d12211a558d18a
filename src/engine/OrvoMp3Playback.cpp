#include "OrvoMp3.h"

#include "MediaPlayer.h"

bool TOrvoMP3::PlayRange(std::int64_t Start, std::int64_t End) {
    if (!Info.IsMp3)
        return false;
    Player->Close();
    Player->SetFileName(Info.FileName);
    Player->Open();
    Player->SetTimeFormat(tfMilliseconds);
    Player->SetPosition(static_cast<std::int32_t>(Start));
    Player->SetEndPos(static_cast<std::int32_t>(End));
    Player->Play();
    return Player->Mode() == mpPlaying;
}

void TOrvoMP3::Stop() {
    Player->Close();
}

std::int64_t TOrvoMP3::PlayPosition() {
    if (Player->Mode() != mpPlaying)
        return -1;
    return Player->Position();
}

// A closed player has no mode; counting it as stopped lets a caller's poll end.
bool TOrvoMP3::IsStopped() {
    const TMPModes mode = Player->Mode();
    return mode == mpStopped || mode == mpNotReady;
}
