#pragma once

#include <string>
#include <string_view>

// The system's ANSI code page, chosen from the system locale as Windows chooses it.
namespace AnsiCodePage {
int Number();                                // 936, 1252, ...
std::string ToUtf8(std::string_view ansi);   // undecodable bytes become U+FFFD
std::string FromUtf8(std::string_view utf8); // unrepresentable characters become '?'
bool IsLeadByte(unsigned char byte);         // first byte of a double-byte character
} // namespace AnsiCodePage
