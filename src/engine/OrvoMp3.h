#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class TMediaPlayer;

#pragma pack(push, 1)
// The in-memory ID3v1 tag: raw bytes in the system's ANSI code page, unterminated.
struct TId3v1Tag {
    char Marker[3];
    char Title[30];
    char Artist[30];
    char Album[30];
    char Year[4];
    char Comment[30];
    std::uint8_t Track;
    std::uint8_t Genre;
};
#pragma pack(pop)
static_assert(sizeof(TId3v1Tag) == 129);

// What the last analysed file looks like.
struct TMp3DataInfo {
    std::string FileName;
    std::int64_t FileSize = 0;
    bool IsMp3 = false;
    std::int32_t Bitrate = 0;
    std::int32_t SampleRate = 0;
    std::int32_t FrameSize = 0;
    double Version = 0.0;
    std::int32_t Layer = 0;
    std::int32_t Padding = 0;
    bool Mono = false;
    bool Xing = false;
    std::int32_t Id3v1Size = 0;
    std::int32_t Id3v2Size = 0;
    std::int32_t ApeSize = 0;
    std::int32_t ZeroPad = 0;
    std::int64_t Duration = 0;
    TId3v1Tag Id3Tag{};
};

// Index = ID3v1 genre byte.
extern const std::array<const char*, 148> Id3Genres;

class TOrvoMP3 {
public:
    TMp3DataInfo Info;

    explicit TOrvoMP3(const std::string& FileName = {});
    virtual ~TOrvoMP3();
    TOrvoMP3(const TOrvoMP3&) = delete;
    TOrvoMP3& operator=(const TOrvoMP3&) = delete;

    void LoadFile(const std::string& FileName);
    bool SaveClip(std::int32_t Start, std::int32_t End, const std::string& OutName,
                  TId3v1Tag NewTag, std::int64_t& BytesWritten, std::int64_t& ClipMs);

    bool PlayRange(std::int64_t Start, std::int64_t End);
    void Stop();
    std::int64_t PlayPosition();
    bool IsStopped();

private:
    std::unique_ptr<TMediaPlayer> Player;
};
