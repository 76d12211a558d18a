#pragma once

#include <QString>

#include <cstdint>
#include <string>

// Small MP3 files built from bytes: silent MPEG-1 Layer III frames, 128 kbit/s at 48000 Hz, so
// each frame is 384 bytes and 24 ms. The last four bytes of each frame hold its index, so a
// clip shows which frames it took.
namespace Mp3Fixture {

constexpr int FrameBytes = 384;
constexpr int FrameMs = 24;

std::string Frames(int count, bool mono = false);

struct TTag {
    std::string Title, Artist, Album, Year, Comment;
    std::uint8_t Track = 0;
    std::uint8_t Genre = 255;
};
// A 128-byte ID3v1 tag; ID3v1.1 with its track byte when Track is not 0.
std::string Id3v1(const TTag& tag);

void Write(const QString& path, const std::string& bytes);
std::string Read(const QString& path);
// The index a frame of the fixture carries, for the frame starting at byte `offset`.
int FrameIndexAt(const std::string& bytes, std::size_t offset);

} // namespace Mp3Fixture
