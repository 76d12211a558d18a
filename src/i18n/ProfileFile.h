#pragma once

#include <string>
#include <vector>

// Profile (INI) files as Windows reads and writes them: section and key names without regard
// to case, values trimmed and freed of one pair of surrounding quotes, values cut at 2047
// characters; writing replaces one entry and keeps the rest of the file as it was.
namespace Profile {

std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& fallback);
// Keys of a section in file order.
std::vector<std::string> ReadSectionKeys(const std::string& path, const std::string& section);
// False when the file cannot be written.
bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                 const std::string& value);

} // namespace Profile
