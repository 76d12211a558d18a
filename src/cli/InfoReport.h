#pragma once

#include "OrvoMp3.h"

#include <string>
#include <string_view>

// A JSON string literal, quotes included. Bytes that are not UTF-8 become U+FFFD, so the
// result is valid JSON whatever a file name or tag holds.
std::string JsonString(std::string_view utf8);

// The analysis as one JSON object; Id3Tag is null unless the file ends with an ID3v1 tag.
std::string InfoToJson(const TMp3DataInfo& info);

// The same facts as "Key: value" lines.
std::string InfoToText(const TMp3DataInfo& info);
