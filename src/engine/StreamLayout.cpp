#include "StreamLayout.h"

#include "MpegFrame.h"

#include <algorithm>
#include <cstring>
#include <limits>

std::optional<std::int64_t> SkipZeroBytes(SourceFile& source, std::int64_t pos) {
    for (;;) {
        const auto bytes = source.BytesFrom(pos);
        if (bytes.empty())
            return std::nullopt;
        const auto nonZero =
            std::find_if(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b != 0; });
        pos += nonZero - bytes.begin();
        if (nonZero != bytes.end())
            return pos;
    }
}

StreamStart FindFirstFrame(SourceFile& source) {
    StreamStart start;
    const std::uint8_t* bytes = source.Bytes(0, 4);
    if (bytes == nullptr)
        return start;
    std::int64_t framePos = 0;
    if (IsId3v2Header(bytes)) {
        const std::uint8_t* tagHeader = source.Bytes(0, Id3v2HeaderSize);
        if (tagHeader == nullptr)
            return start;
        start.id3v2Size = Id3v2HeaderSize + Id3v2TagSize(tagHeader);
        const auto found = SkipZeroBytes(source, start.id3v2Size);
        if (!found || *found - start.id3v2Size > std::numeric_limits<std::int32_t>::max())
            return start;
        start.zeroPad = static_cast<std::int32_t>(*found - start.id3v2Size);
        framePos = *found;
        bytes = source.Bytes(framePos, 4);
        if (bytes == nullptr)
            return start;
    }
    if (bytes[0] != 0xFF)
        return start;
    std::memcpy(start.header.data(), bytes, 4);
    start.isMp3 = true;
    return start;
}

TrailingTags FindTrailingTags(SourceFile& source) {
    TrailingTags tags;
    const std::int64_t size = source.Size();
    if (size >= 128) {
        if (const std::uint8_t* tag = source.Bytes(size - 128, 128);
            tag != nullptr && std::memcmp(tag, "TAG", 3) == 0) {
            tags.id3v1Size = 128;
            std::memcpy(tags.id3v1.data(), tag, 128);
        }
    }
    const std::int64_t footerPos = size - 32 - tags.id3v1Size;
    if (footerPos >= 0) {
        if (const std::uint8_t* footer = source.Bytes(footerPos, 8);
            footer != nullptr && std::memcmp(footer, "APETAGEX", 8) == 0)
            tags.apeSize = 32;
    }
    return tags;
}
