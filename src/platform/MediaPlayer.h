#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

// Raised when the player cannot open a file or an audio device; the text says why.
class EMCIDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };
enum TMPTimeFormats { tfMilliseconds };

// Plays one MP3 file. Lengths and positions count every audio frame from the first one, in
// the same way the clip writer counts them, so one millisecond value means one instant.
// Open analyses the file without touching the sound system; Play opens the audio device and
// returns at once while the sound runs on SDL's audio thread. Mode is mpPlaying until
// everything up to the end position has been heard, then mpStopped; mpNotReady while closed.
// A seek or play request beyond the end of the media is refused without an error.
class TMediaPlayer {
public:
    TMediaPlayer();
    ~TMediaPlayer();
    TMediaPlayer(const TMediaPlayer&) = delete;
    TMediaPlayer& operator=(const TMediaPlayer&) = delete;

    void SetFileName(const std::string& fileName);
    const std::string& FileName() const;
    void Open();
    void SetTimeFormat(TMPTimeFormats format);
    std::int32_t Length() const;
    std::int32_t Position() const;
    void SetPosition(std::int32_t ms);
    void SetEndPos(std::int32_t ms);
    void Play();
    TMPModes Mode() const;
    void Close();

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};
