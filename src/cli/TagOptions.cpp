#include "TagOptions.h"

#include "TagFields.h"
#include "UsageError.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>

namespace {

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::optional<long long> ReadInteger(std::string_view text) {
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::uint8_t ParseTrack(std::string_view text) {
    std::string_view digits = text;
    bool negative = digits.starts_with('-');
    if (negative || digits.starts_with('+'))
        digits.remove_prefix(1);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        throw UsageError("--track: not a number: \"" + std::string(text) + "\"");
    std::size_t significant = std::min(digits.find_first_not_of('0'), digits.size());
    digits.remove_prefix(significant);
    if (negative || digits.size() > 3)
        return 0;
    int track = 0;
    for (char digit : digits)
        track = track * 10 + (digit - '0');
    return track <= 255 ? static_cast<std::uint8_t>(track) : 0;
}

std::uint8_t ParseGenre(std::string_view text) {
    if (std::optional<long long> number = ReadInteger(text)) {
        if (*number < 0 || *number > 255)
            throw UsageError("--genre: number out of 0..255: " + std::string(text));
        return static_cast<std::uint8_t>(*number);
    }
    for (std::size_t index = 0; index < Id3Genres.size(); ++index) {
        if (EqualIgnoringAsciiCase(text, Id3Genres[index]))
            return static_cast<std::uint8_t>(index);
    }
    throw UsageError("--genre: no such genre: \"" + std::string(text) + "\"");
}

TId3v1Tag BuildTag(const TagOptions& options) {
    TTagFieldTexts fields;
    fields.Title = options.Title.value_or("");
    fields.Artist = options.Artist.value_or("");
    fields.Album = options.Album.value_or("");
    fields.Year = options.Year.value_or("");
    fields.Comment = options.Comment.value_or("");
    fields.Track = options.Track ? std::to_string(*options.Track) : "";
    fields.GenreIndex = options.Genre.value_or(255);
    return BuildId3v1Tag(options.Wanted(), fields);
}
