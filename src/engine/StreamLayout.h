#pragma once

#include "SourceFile.h"

#include <array>
#include <cstdint>
#include <optional>

// Where the audio of a file begins: after a leading ID3v2 tag and the zero bytes behind it.
struct StreamStart {
    std::int32_t id3v2Size = 0; // the whole tag, header included
    std::int32_t zeroPad = 0;
    bool isMp3 = false; // a sync byte and three more bytes stand where the first frame belongs
    std::array<std::uint8_t, 4> header{};

    std::int64_t FirstFrame() const { return std::int64_t{id3v2Size} + zeroPad; }
};

// The tags at the end of a file, which the audio stops before.
struct TrailingTags {
    std::int32_t id3v1Size = 0;
    std::int32_t apeSize = 0; // the APE footer only; the tag's own size is not read
    std::array<std::uint8_t, 128> id3v1{};
};

// The position of the first non-zero byte at or after pos, or none when only zero bytes follow.
std::optional<std::int64_t> SkipZeroBytes(SourceFile& source, std::int64_t pos);
StreamStart FindFirstFrame(SourceFile& source);
TrailingTags FindTrailingTags(SourceFile& source);
inline std::int64_t AudioEnd(std::int64_t fileSize, const TrailingTags& tags) {
    return fileSize - tags.id3v1Size - tags.apeSize;
}
