#pragma once

#include "MpegFrame.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// A frame of the given header whose side information and main data are all zero: a valid
// frame of silence in every layer.
inline Bytes SilentFrame(std::uint8_t b1, std::uint8_t b2, std::uint8_t b3) {
    const std::uint8_t header[4] = {0xFF, b1, b2, b3};
    Bytes frame(static_cast<std::size_t>(ReadFrameHeader(header)->length), 0);
    std::copy(header, header + 4, frame.begin());
    return frame;
}

inline Bytes Repeat(const Bytes& unit, int times) {
    Bytes out;
    for (int i = 0; i < times; ++i)
        out.insert(out.end(), unit.begin(), unit.end());
    return out;
}

inline Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A file in the temporary folder, removed with the object.
class TempFile {
public:
    explicit TempFile(const Bytes& bytes)
        : path((std::filesystem::temp_directory_path() /
                ("snipora-player-" + std::to_string(::getpid()) + "-" + std::to_string(++count) +
                 ".mp3"))
                   .string()) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!bytes.empty())
            std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    ~TempFile() { std::filesystem::remove(path); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string path;

private:
    static inline int count = 0;
};

// The real files made by lame, twolame and ffmpeg that the engine's tests use too.
inline std::string Fixture(const char* name) {
    return std::string(SNIPORA_TEST_DATA) + "/" + name;
}

inline const char* const RealFiles[] = {"lame-cbr-stereo-44k.mp3", "lame-vbr-stereo-44k.mp3",
                                        "lame-cbr-mono-44k.mp3",   "lame-cbr-mpeg2-22k.mp3",
                                        "twolame-layer2-48k.mp2",  "ffmpeg-cbr-stereo-44k.mp3"};

// 8 s of stereo at 44.1 kHz, behind an ID3v2 tag and an "Info" frame.
inline const std::string EightSeconds = Fixture("lame-cbr-stereo-44k.mp3");
