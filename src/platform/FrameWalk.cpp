#include "FrameWalk.h"

#include <cstring>

namespace {

// [MPEG-1 | MPEG-2 and 2.5][layer I, II, III][bitrate index 1..14], kbit/s
constexpr int Bitrates[2][3][14] = {
    {{32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    {{32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};

// [MPEG-1 | MPEG-2 | MPEG-2.5][sample-rate index]
constexpr int SampleRates[3][3] = {
    {44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};

// [MPEG-1 | MPEG-2 and 2.5][layer I, II, III]
constexpr int SamplesPerFrame[2][3] = {{384, 1152, 1152}, {384, 1152, 576}};

constexpr int XingOffset = 36;

std::uint32_t SyncsafeSize(const std::uint8_t* b) {
    return (b[0] & 0x7Fu) << 21 | (b[1] & 0x7Fu) << 14 | (b[2] & 0x7Fu) << 7 | (b[3] & 0x7Fu);
}

} // namespace

std::optional<AudioFrame> ParseFrameHeader(const std::uint8_t* h) {
    const int versionCode = (h[1] >> 3) & 3;
    const int layerCode = (h[1] >> 1) & 3;
    const int bitrateIndex = h[2] >> 4;
    const int rateIndex = (h[2] >> 2) & 3;
    if (h[0] != 0xFF || versionCode == 1 || layerCode == 0 || bitrateIndex == 0 ||
        bitrateIndex == 15 || rateIndex == 3)
        return std::nullopt;
    const int layer = 4 - layerCode;
    const int tableRow = versionCode == 3 ? 0 : 1;
    const int rateRow = versionCode == 3 ? 0 : versionCode == 2 ? 1 : 2;
    const int padding = (h[2] >> 1) & 1;

    AudioFrame frame;
    const int bitrate = Bitrates[tableRow][layer - 1][bitrateIndex - 1] * 1000;
    frame.sampleRate = SampleRates[rateRow][rateIndex];
    frame.samples = SamplesPerFrame[tableRow][layer - 1];
    frame.length = layer == 1 ? (12 * bitrate / frame.sampleRate + padding) * 4
                              : frame.samples / 8 * bitrate / frame.sampleRate + padding;
    frame.durationMs = frame.samples * 1000.0 / frame.sampleRate;
    return frame;
}

std::optional<AudioSpan> FindAudioSpan(SourceFile& file) {
    const std::int64_t size = file.Size();
    std::uint8_t head[10] = {};
    std::int64_t first = 0;
    if (file.ReadAt(0, head, sizeof head) >= 3 && std::memcmp(head, "ID3", 3) == 0) {
        if (size < 10)
            return std::nullopt;
        first = 10 + static_cast<std::int64_t>(SyncsafeSize(head + 6));
        std::uint8_t byte = 0;
        while (file.ReadAt(first, &byte, 1) == 1 && byte == 0)
            ++first;
    }
    std::uint8_t sync[4] = {};
    if (file.ReadAt(first, sync, 4) < 4 || sync[0] != 0xFF)
        return std::nullopt;

    std::int64_t trailing = 0;
    std::uint8_t marker[8] = {};
    if (size >= 128 && file.ReadAt(size - 128, marker, 3) == 3 &&
        std::memcmp(marker, "TAG", 3) == 0)
        trailing = 128;
    if (size >= trailing + 32 && file.ReadAt(size - trailing - 32, marker, 8) == 8 &&
        std::memcmp(marker, "APETAGEX", 8) == 0)
        trailing += 32;
    return AudioSpan{first, size - trailing - 4};
}

std::optional<AudioFrame> FrameWalk::Next() {
    while (position < limit) {
        std::uint8_t head[10] = {};
        const std::size_t got = file.ReadAt(position, head, sizeof head);
        if (head[0] == 0xFF) {
            std::optional<AudioFrame> frame = ParseFrameHeader(head);
            if (frame) {
                frame->offset = position;
                if (frame->offset + frame->length > file.Size())
                    return std::nullopt;
                position += frame->length;
                std::uint8_t xing[4] = {};
                const bool isInfoFrame = file.ReadAt(frame->offset + XingOffset, xing, 4) == 4 &&
                                         std::memcmp(xing, "Xing", 4) == 0;
                if (!isInfoFrame)
                    return frame;
                continue;
            }
        } else if (got >= 10 && std::memcmp(head, "ID3", 3) == 0) {
            position += 10 + static_cast<std::int64_t>(SyncsafeSize(head + 6));
            continue;
        }
        position += 4;
    }
    return std::nullopt;
}
