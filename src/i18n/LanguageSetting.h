#pragma once

#include <cstdint>
#include <string>

// The current interface language, 0 to 7.
extern std::uint8_t LanguageIndex;

// Writes LanguageIndex to "Snipora.ini" in appDir (section "LANGUAGE", key "Default").
// Throws std::runtime_error("Unable to write to <path>") when the file cannot be written.
void SaveLanguageSetting(const std::string& appDir);
