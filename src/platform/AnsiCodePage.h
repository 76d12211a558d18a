#pragma once

#include <string>
#include <string_view>

// The system's ANSI code page, chosen from the system locale as Windows chooses it.
namespace AnsiCodePage {
int Number();                                // 936, 1252, ...
std::string ToUtf8(std::string_view ansi);   // undecodable bytes become U+FFFD
std::string FromUtf8(std::string_view utf8); // unrepresentable characters become '?'
// First byte of a double-byte character. A trail byte can look like a lead byte, so only a
// walk from the start of a string tells which bytes really start a character.
bool IsLeadByte(unsigned char byte);

// The code page Windows gives a locale named like "zh_CN.UTF-8" or "sr_RS@latin"; 1252 for
// languages it has no other code page for, and for "C" and "POSIX".
int ForLocale(std::string_view localeName);
// LC_ALL, else LC_CTYPE, else LANG as a locale settings file (/etc/locale.conf,
// /etc/default/locale) sets them; empty when the text sets none of them.
std::string LocaleFromSettings(std::string_view settingsText);
// The system-wide locale, else the process's locale from its environment.
std::string SystemLocaleName();

// Replaces the system's code page for every caller until Select(0). Throws
// std::invalid_argument for a code page that is not an ANSI code page of Windows.
void Select(int codePage);

// Selects a code page for the lifetime of the object, then restores the previous choice.
class ScopedSelection {
public:
    explicit ScopedSelection(int codePage);
    ~ScopedSelection();
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    int previous;
};
} // namespace AnsiCodePage
