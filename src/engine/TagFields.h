#pragma once

#include "OrvoMp3.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The ID3v1 fields as people read and type them, in the window and on the command line: UTF-8
// texts, and the index of the genre list (-1 for no selection).
struct TTagFieldTexts {
    std::string Title;
    std::string Artist;
    std::string Album;
    std::string Year;
    std::string Track;
    std::string Comment;
    int GenreIndex = -1;
};

// The tag record a clip gets; all zero bytes, so no tag, when include is false.
TId3v1Tag BuildId3v1Tag(bool include, const TTagFieldTexts& fields);
// The fields a tag record shows: texts up to their first zero byte, trailing blanks kept.
TTagFieldTexts TagFieldTexts(const TId3v1Tag& tag);
// One text field of a tag record up to its first zero byte, from the ANSI code page to UTF-8.
std::string TagFieldText(const char* field, std::size_t width);
