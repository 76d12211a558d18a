#include "TagOptions.h"

#include "AnsiCodePage.h"
#include "CutToBytes.h"
#include "UsageError.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>

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

template <std::size_t Width>
void PutText(char (&field)[Width], const std::optional<std::string>& utf8, std::size_t width) {
    if (!utf8)
        return;
    std::string ansi = CutToBytes(AnsiCodePage::FromUtf8(*utf8), width);
    std::memcpy(field, ansi.data(), ansi.size());
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
    TId3v1Tag tag{};
    if (!options.Wanted())
        return tag;
    std::memcpy(tag.Marker, "TAG", 3);
    tag.Track = options.Track.value_or(0);
    tag.Genre = options.Genre.value_or(255);
    PutText(tag.Title, options.Title, sizeof tag.Title);
    PutText(tag.Artist, options.Artist, sizeof tag.Artist);
    PutText(tag.Album, options.Album, sizeof tag.Album);
    PutText(tag.Year, options.Year, sizeof tag.Year);
    PutText(tag.Comment, options.Comment, tag.Track != 0 ? 28 : sizeof tag.Comment);
    return tag;
}
