#include "Id3v1Tag.h"

#include <cstddef>
#include <cstring>

namespace {

constexpr std::size_t TextBytes = offsetof(TId3v1Tag, Track); // marker to comment: 127
constexpr std::size_t CommentPos = offsetof(TId3v1Tag, Comment);
constexpr std::size_t TrackZeroPos = 125;
constexpr std::size_t TrackPos = 126;
constexpr std::size_t GenrePos = 127;

} // namespace

TId3v1Tag DecodeId3v1Tag(const std::array<std::uint8_t, 128>& bytes) {
    TId3v1Tag tag{};
    std::memcpy(&tag, bytes.data(), CommentPos);
    if (bytes[TrackZeroPos] == 0) {
        std::memcpy(tag.Comment, bytes.data() + CommentPos, TrackZeroPos - CommentPos);
        tag.Track = bytes[TrackPos];
    } else {
        std::memcpy(tag.Comment, bytes.data() + CommentPos, sizeof tag.Comment);
    }
    tag.Genre = bytes[GenrePos];
    return tag;
}

std::array<std::uint8_t, 128> EncodeId3v1Tag(const TId3v1Tag& tag) {
    std::array<std::uint8_t, 128> bytes{};
    std::memcpy(bytes.data(), &tag, TextBytes);
    if (tag.Track != 0) {
        bytes[TrackZeroPos] = 0;
        bytes[TrackPos] = tag.Track;
    }
    bytes[GenrePos] = tag.Genre;
    return bytes;
}
