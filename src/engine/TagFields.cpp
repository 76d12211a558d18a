#include "TagFields.h"

#include "AnsiCodePage.h"
#include "CutToBytes.h"
#include "IntegerText.h"

#include <algorithm>
#include <cstring>

namespace {

template <std::size_t N> void Fill(char (&field)[N], std::string_view utf8, std::size_t width) {
    const std::string bytes = CutToBytes(AnsiCodePage::FromUtf8(utf8), width);
    std::memcpy(field, bytes.data(), bytes.size());
}

template <std::size_t N> std::string Text(const char (&field)[N]) {
    return TagFieldText(field, N);
}

std::uint8_t TrackNumber(std::string_view text) {
    const std::int64_t track = ParseInteger(text).value_or(0);
    return track >= 1 && track <= 255 ? static_cast<std::uint8_t>(track) : 0;
}

} // namespace

TId3v1Tag BuildId3v1Tag(bool include, const TTagFieldTexts& fields) {
    TId3v1Tag tag{};
    if (!include)
        return tag;
    std::memcpy(tag.Marker, "TAG", 3);
    Fill(tag.Title, fields.Title, 30);
    Fill(tag.Artist, fields.Artist, 30);
    Fill(tag.Album, fields.Album, 30);
    Fill(tag.Year, fields.Year, 4);
    tag.Track = TrackNumber(fields.Track);
    // ID3v1.1 keeps the track in the last comment byte, behind a zero byte.
    Fill(tag.Comment, fields.Comment, tag.Track ? 28 : 30);
    tag.Genre = static_cast<std::uint8_t>(fields.GenreIndex);
    return tag;
}

std::string TagFieldText(const char* field, std::size_t width) {
    const char* end = std::find(field, field + width, '\0');
    return AnsiCodePage::ToUtf8(std::string_view(field, end - field));
}

TTagFieldTexts TagFieldTexts(const TId3v1Tag& tag) {
    TTagFieldTexts fields;
    fields.Title = Text(tag.Title);
    fields.Artist = Text(tag.Artist);
    fields.Album = Text(tag.Album);
    fields.Year = Text(tag.Year);
    fields.Track = tag.Track ? std::to_string(tag.Track) : std::string();
    fields.Comment = Text(tag.Comment);
    fields.GenreIndex = tag.Genre < Id3Genres.size() ? tag.Genre : -1;
    return fields;
}
