#pragma once

#include "OrvoMp3.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The tag asked for on the command line; texts are UTF-8 as typed.
struct TagOptions {
    std::optional<std::string> Title, Artist, Album, Year, Comment;
    std::optional<std::uint8_t> Track; // 0: no track number
    std::optional<std::uint8_t> Genre;

    bool Wanted() const { return Title || Artist || Album || Year || Comment || Track || Genre; }
};

// A track number; one outside 1..255 means none (0). Throws UsageError when it is no number.
std::uint8_t ParseTrack(std::string_view text);

// A genre byte 0..255, or a name from Id3Genres in any letter case. Throws UsageError otherwise.
std::uint8_t ParseGenre(std::string_view text);

// The tag record SaveClip takes: all zero (no tag) unless a tag is wanted, texts converted to
// the ANSI code page and cut to their fields.
TId3v1Tag BuildTag(const TagOptions& options);
