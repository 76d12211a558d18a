#include "LanguageSetting.h"

#include "ProfileFile.h"

#include <stdexcept>

std::uint8_t LanguageIndex = 0;

void SaveLanguageSetting(const std::string& appDir) {
    const std::string path = appDir + "Snipora.ini";
    if (!Profile::WriteString(path, "LANGUAGE", "Default", std::to_string(LanguageIndex)))
        throw std::runtime_error("Unable to write to " + path);
}
