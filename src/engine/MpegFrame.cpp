#include "MpegFrame.h"

#include <cstring>

const std::array<std::array<std::array<std::int32_t, 14>, 3>, 2> BitrateTable = {{
    {{
        {32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
        {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
        {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
    }},
    {{
        {32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
        {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
        {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
    }},
}};

const std::array<std::array<std::int32_t, 3>, 3> SampleRateTable = {{
    {44100, 48000, 32000},
    {22050, 24000, 16000},
    {11025, 12000, 8000},
}};

const std::array<std::array<std::int32_t, 3>, 2> SamplesPerFrameTable = {{
    {384, 1152, 1152},
    {384, 1152, 576},
}};

std::optional<FrameInfo> ReadFrameHeader(const std::uint8_t header[4]) {
    if (header[0] != 0xFF)
        return std::nullopt;
    const int versionCode = (header[1] >> 3) & 3;
    const int layerCode = (header[1] >> 1) & 3;
    const int bitrateIndex = header[2] >> 4;
    const int sampleRateIndex = (header[2] >> 2) & 3;
    if (versionCode == 1 || layerCode == 0 || bitrateIndex == 0 || bitrateIndex == 15 ||
        sampleRateIndex == 3)
        return std::nullopt;

    FrameInfo frame;
    int versionRow = 0;
    int sampleRateRow = 0;
    switch (versionCode) {
    case 3:
        frame.version = 1.0;
        break;
    case 2:
        frame.version = 2.0;
        versionRow = sampleRateRow = 1;
        break;
    default:
        frame.version = 2.5;
        versionRow = 1;
        sampleRateRow = 2;
        break;
    }
    frame.layer = 4 - layerCode;
    frame.bitrate = BitrateTable[versionRow][frame.layer - 1][bitrateIndex - 1];
    frame.sampleRate = SampleRateTable[sampleRateRow][sampleRateIndex];
    frame.padding = (header[2] >> 1) & 1;
    frame.mono = (header[3] >> 6) == 3;
    frame.samplesPerFrame = SamplesPerFrameTable[versionRow][frame.layer - 1];
    if (frame.layer == 1)
        frame.length = (12 * frame.bitrate * 1000 / frame.sampleRate + frame.padding) * 4;
    else
        frame.length =
            frame.samplesPerFrame / 8 * frame.bitrate * 1000 / frame.sampleRate + frame.padding;
    frame.duration = frame.samplesPerFrame * 1000.0 / frame.sampleRate;
    return frame;
}

std::int32_t XingMarkerOffset(const FrameInfo& frame) {
    if (frame.version == 1.0)
        return frame.mono ? 21 : 36;
    return frame.mono ? 13 : 21;
}

bool IsXingMarker(const std::uint8_t bytes[4]) {
    return std::memcmp(bytes, "Xing", 4) == 0 || std::memcmp(bytes, "Info", 4) == 0;
}

bool IsVbriMarker(const std::uint8_t bytes[4]) {
    return std::memcmp(bytes, "VBRI", 4) == 0;
}

bool IsId3v2Header(const std::uint8_t bytes[3]) {
    return std::memcmp(bytes, "ID3", 3) == 0;
}

std::int32_t Id3v2TagSize(const std::uint8_t header[10]) {
    return (header[6] & 0x7F) << 21 | (header[7] & 0x7F) << 14 | (header[8] & 0x7F) << 7 |
           (header[9] & 0x7F);
}
