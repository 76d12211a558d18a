#pragma once

#include "MpegFrame.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
using Header = std::array<std::uint8_t, 4>;

// MPEG-1 layer III, 128 kbit/s, joint stereo: 417-byte frames of 1152 samples at 44.1 kHz and
// 384-byte frames of 24 ms at 48 kHz.
constexpr Header Mpeg1At44k = {0xFF, 0xFB, 0x90, 0x44};
constexpr Header Mpeg1At48k = {0xFF, 0xFB, 0x94, 0x44};

inline Bytes& operator+=(Bytes& to, const Bytes& more) {
    to.insert(to.end(), more.begin(), more.end());
    return to;
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all += part;
    return all;
}

inline Bytes Text(const std::string& s) {
    return Bytes(s.begin(), s.end());
}

// A frame filled with its id, so a clip shows which frames it took.
inline Bytes Frame(const Header& header, std::uint8_t id) {
    const auto info = ReadFrameHeader(header.data());
    if (!info)
        throw std::invalid_argument("not a frame header");
    Bytes frame(static_cast<std::size_t>(info->length), id);
    std::memcpy(frame.data(), header.data(), 4);
    return frame;
}

inline Bytes Frames(const Header& header, int count, int firstId = 0) {
    Bytes all;
    for (int i = 0; i < count; ++i)
        all += Frame(header, static_cast<std::uint8_t>(firstId + i));
    return all;
}

inline Bytes VbrInfoFrame(const Header& header, const char* marker, std::size_t offset) {
    Bytes frame = Frame(header, 0);
    std::memcpy(frame.data() + offset, marker, 4);
    return frame;
}

// An ID3v2 tag of `size` bytes after its header, filled with non-zero bytes.
inline Bytes Id3v2Tag(std::int32_t size) {
    Bytes tag = {'I',
                 'D',
                 '3',
                 4,
                 0,
                 0,
                 static_cast<std::uint8_t>(size >> 21 & 0x7F),
                 static_cast<std::uint8_t>(size >> 14 & 0x7F),
                 static_cast<std::uint8_t>(size >> 7 & 0x7F),
                 static_cast<std::uint8_t>(size & 0x7F)};
    tag.resize(tag.size() + static_cast<std::size_t>(size), 'x');
    return tag;
}

inline Bytes Id3v1Tag(const std::string& title, std::uint8_t track125, std::uint8_t track126,
                      std::uint8_t genre) {
    Bytes tag(128, 0);
    std::memcpy(tag.data(), "TAG", 3);
    std::memcpy(tag.data() + 3, title.data(), title.size());
    std::memset(tag.data() + 97, 'c', 28);
    tag[125] = track125;
    tag[126] = track126;
    tag[127] = genre;
    return tag;
}

inline Bytes ApeFooter() {
    Bytes footer = Text("APETAGEX");
    footer.resize(32, 0);
    return footer;
}

// A folder of its own under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "snipora-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path = pattern;
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string operator/(const std::string& name) const { return (path / name).string(); }
    std::filesystem::path path;
};

inline std::string WriteFile(const std::string& name, const Bytes& bytes) {
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return name;
}

inline Bytes ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}
