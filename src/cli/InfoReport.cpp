#include "InfoReport.h"

#include "TagFields.h"
#include "TimeText.h"

#include <charconv>
#include <cstdio>
#include <vector>

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

// One fact of the analysis under the engine's field name: as a JSON value and as text.
struct Fact {
    const char* key;
    std::string json;
    std::string text;
};

// A fact that reads the same in both forms, the text with a unit or remark behind it.
Fact Plain(const char* key, const std::string& value, const std::string& suffix = {}) {
    return {key, value, value + suffix};
}

std::vector<Fact> FileFacts(const TMp3DataInfo& info) {
    using std::to_string;
    return {
        {"FileName", JsonString(info.FileName), info.FileName},
        Plain("FileSize", to_string(info.FileSize), " bytes"),
        Plain("IsMp3", Bool(info.IsMp3)),
        Plain("Bitrate", to_string(info.Bitrate), " kbit/s"),
        Plain("SampleRate", to_string(info.SampleRate), " Hz"),
        Plain("FrameSize", to_string(info.FrameSize), " bytes"),
        Plain("Version", Number(info.Version)),
        Plain("Layer", to_string(info.Layer)),
        Plain("Padding", to_string(info.Padding)),
        Plain("Mono", Bool(info.Mono)),
        Plain("Xing", Bool(info.Xing)),
        Plain("Id3v1Size", to_string(info.Id3v1Size)),
        Plain("Id3v2Size", to_string(info.Id3v2Size)),
        Plain("ApeSize", to_string(info.ApeSize)),
        Plain("ZeroPad", to_string(info.ZeroPad)),
        Plain("Duration", to_string(info.Duration), " ms (" + MsToTimeText(info.Duration) + ")"),
    };
}

// The texts quoted and escaped in both forms, so trailing spaces and control bytes stay
// visible in the text too.
std::vector<Fact> TagFacts(const TId3v1Tag& tag) {
    using std::to_string;
    const TTagFieldTexts texts = TagFieldTexts(tag);
    return {
        Plain("Title", JsonString(texts.Title)),
        Plain("Artist", JsonString(texts.Artist)),
        Plain("Album", JsonString(texts.Album)),
        Plain("Year", JsonString(texts.Year)),
        Plain("Comment", JsonString(texts.Comment)),
        Plain("Track", to_string(tag.Track)),
        Plain("Genre", to_string(tag.Genre), " (" + GenreName(tag.Genre) + ")"),
    };
}

std::string JsonObject(const std::vector<Fact>& facts) {
    std::string json;
    for (const Fact& fact : facts)
        json += (json.empty() ? "{\"" : ",\"") + std::string(fact.key) + "\":" + fact.json;
    return json + "}";
}

std::string TextLines(const std::vector<Fact>& facts, const std::string& indent) {
    std::string text;
    for (const Fact& fact : facts)
        text += indent + fact.key + ": " + fact.text + "\n";
    return text;
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

std::string InfoToJson(const TMp3DataInfo& info) {
    std::vector<Fact> facts = FileFacts(info);
    const bool tagged = info.Id3v1Size == 128;
    facts.push_back({"Id3Tag", tagged ? JsonObject(TagFacts(info.Id3Tag)) : "null", {}});
    return JsonObject(facts);
}

std::string InfoToText(const TMp3DataInfo& info) {
    const std::string text = TextLines(FileFacts(info), "");
    if (info.Id3v1Size != 128)
        return text + "Id3Tag: none\n";
    return text + "Id3Tag:\n" + TextLines(TagFacts(info.Id3Tag), "  ");
}
