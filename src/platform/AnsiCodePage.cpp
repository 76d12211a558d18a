#include "AnsiCodePage.h"

namespace AnsiCodePage {
int Number() { return 1252; }
std::string ToUtf8(std::string_view ansi) { return std::string(ansi); }
std::string FromUtf8(std::string_view utf8) { return std::string(utf8); }
bool IsLeadByte(unsigned char) { return false; }
} // namespace AnsiCodePage
