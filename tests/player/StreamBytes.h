#pragma once

#include "FrameWalk.h"

#include <gtest/gtest.h>

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
    Bytes frame(static_cast<std::size_t>(ParseFrameHeader(header)->length), 0);
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

inline Bytes Id3v2Tag(std::uint32_t bodySize) {
    Bytes tag = {'I', 'D', '3', 4, 0, 0};
    for (int shift = 21; shift >= 0; shift -= 7)
        tag.push_back(static_cast<std::uint8_t>((bodySize >> shift) & 0x7F));
    tag.resize(10 + bodySize, 'x');
    return tag;
}

// A file in the test's temporary folder, removed with the object.
class TempFile {
public:
    explicit TempFile(const Bytes& bytes)
        : path((std::filesystem::temp_directory_path() /
                ("snipora-player-" + std::to_string(::getpid()) + "-" + std::to_string(++count) +
                 ".mp3"))
                   .string()) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    ~TempFile() { std::filesystem::remove(path); }
    const std::string path;

private:
    static inline int count = 0;
};

inline std::string Fixture(const char* name) {
    return std::string(PLAYER_FIXTURES) + "/" + name;
}
