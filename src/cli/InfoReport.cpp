#include "InfoReport.h"

#include "AnsiCodePage.h"
#include "TimeText.h"

#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

// Length of the well-formed UTF-8 sequence at the start of text, 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view text) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

std::string Number(double value) {
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string Bool(bool value) {
    return value ? "true" : "false";
}

std::string GenreName(std::uint8_t genre) {
    return genre < Id3Genres.size() ? Id3Genres[genre] : "none";
}

template <std::size_t Width> std::string JsonField(const char (&field)[Width]) {
    return JsonString(TagFieldText(field, Width));
}

} // namespace

std::string JsonString(std::string_view utf8) {
    std::string json = "\"";
    while (!utf8.empty()) {
        std::size_t length = Utf8SequenceLength(utf8);
        unsigned char c = static_cast<unsigned char>(utf8[0]);
        if (length == 0) {
            json += "\xEF\xBF\xBD";
            length = 1;
        } else if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            json += escape;
        } else {
            json.append(utf8.substr(0, length));
        }
        utf8.remove_prefix(length);
    }
    return json + "\"";
}

std::string TagFieldText(const char* field, std::size_t width) {
    const void* zero = std::memchr(field, 0, width);
    std::size_t length = zero ? static_cast<const char*>(zero) - field : width;
    return AnsiCodePage::ToUtf8(std::string_view(field, length));
}

std::string InfoToJson(const TMp3DataInfo& info) {
    std::string json =
        "{\"FileName\":" + JsonString(info.FileName) +
        ",\"FileSize\":" + std::to_string(info.FileSize) + ",\"IsMp3\":" + Bool(info.IsMp3) +
        ",\"Bitrate\":" + std::to_string(info.Bitrate) +
        ",\"SampleRate\":" + std::to_string(info.SampleRate) +
        ",\"FrameSize\":" + std::to_string(info.FrameSize) +
        ",\"Version\":" + Number(info.Version) + ",\"Layer\":" + std::to_string(info.Layer) +
        ",\"Padding\":" + std::to_string(info.Padding) + ",\"Mono\":" + Bool(info.Mono) +
        ",\"Xing\":" + Bool(info.Xing) + ",\"Id3v1Size\":" + std::to_string(info.Id3v1Size) +
        ",\"Id3v2Size\":" + std::to_string(info.Id3v2Size) +
        ",\"ApeSize\":" + std::to_string(info.ApeSize) +
        ",\"ZeroPad\":" + std::to_string(info.ZeroPad) +
        ",\"Duration\":" + std::to_string(info.Duration) + ",\"Id3Tag\":";
    if (info.Id3v1Size != 128)
        return json + "null}";
    const TId3v1Tag& tag = info.Id3Tag;
    return json + "{\"Title\":" + JsonField(tag.Title) + ",\"Artist\":" + JsonField(tag.Artist) +
           ",\"Album\":" + JsonField(tag.Album) + ",\"Year\":" + JsonField(tag.Year) +
           ",\"Comment\":" + JsonField(tag.Comment) + ",\"Track\":" + std::to_string(tag.Track) +
           ",\"Genre\":" + std::to_string(tag.Genre) + "}}";
}

std::string InfoToText(const TMp3DataInfo& info) {
    std::string text =
        "FileName: " + info.FileName + "\nFileSize: " + std::to_string(info.FileSize) +
        " bytes\nIsMp3: " + Bool(info.IsMp3) + "\nBitrate: " + std::to_string(info.Bitrate) +
        " kbit/s\nSampleRate: " + std::to_string(info.SampleRate) +
        " Hz\nFrameSize: " + std::to_string(info.FrameSize) +
        " bytes\nVersion: " + Number(info.Version) + "\nLayer: " + std::to_string(info.Layer) +
        "\nPadding: " + std::to_string(info.Padding) + "\nMono: " + Bool(info.Mono) +
        "\nXing: " + Bool(info.Xing) + "\nId3v1Size: " + std::to_string(info.Id3v1Size) +
        "\nId3v2Size: " + std::to_string(info.Id3v2Size) +
        "\nApeSize: " + std::to_string(info.ApeSize) +
        "\nZeroPad: " + std::to_string(info.ZeroPad) +
        "\nDuration: " + std::to_string(info.Duration) + " ms (" + MsToTimeText(info.Duration) +
        ")\n";
    if (info.Id3v1Size != 128)
        return text + "Id3Tag: none\n";
    // Quoted and escaped, so trailing spaces and control bytes stay visible.
    const TId3v1Tag& tag = info.Id3Tag;
    return text + "Id3Tag:\n  Title: " + JsonField(tag.Title) +
           "\n  Artist: " + JsonField(tag.Artist) + "\n  Album: " + JsonField(tag.Album) +
           "\n  Year: " + JsonField(tag.Year) + "\n  Comment: " + JsonField(tag.Comment) +
           "\n  Track: " + std::to_string(tag.Track) + "\n  Genre: " + std::to_string(tag.Genre) +
           " (" + GenreName(tag.Genre) + ")\n";
}
