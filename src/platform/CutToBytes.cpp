#include "CutToBytes.h"

#include "AnsiCodePage.h"

#include <algorithm>

std::string CutToBytes(std::string_view ansi, std::size_t n) {
    // Walk from the start: a lead-byte value may also occur as a trail byte, so only the
    // position reached by whole characters tells where one begins.
    std::size_t end = 0;
    while (end < ansi.size()) {
        const bool pair = AnsiCodePage::IsLeadByte(static_cast<unsigned char>(ansi[end]));
        const std::size_t next = end + (pair ? 2 : 1);
        if (next > n)
            break;
        end = std::min(next, ansi.size());
    }
    return std::string(ansi.substr(0, end));
}
