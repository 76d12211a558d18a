#include "ProfileFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace Profile {
namespace {

constexpr std::size_t MaxValueLength = 2047;
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

enum class LineKind { Section, Entry, Other };

// One line of the file. Offsets point into the file's text, so a writer can replace one part
// and keep every other byte.
struct Line {
    std::size_t begin = 0;      // first byte of the line
    std::size_t end = 0;        // end of the content, before the line break
    std::size_t next = 0;       // first byte of the following line
    std::size_t valueBegin = 0; // entries only: first byte after the '='
    LineKind kind = LineKind::Other;
    std::string_view name; // section name or key, trimmed
    std::string_view rawValue;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x += 'a' - 'A';
        if (y >= 'A' && y <= 'Z')
            y += 'a' - 'A';
        if (x != y)
            return false;
    }
    return true;
}

Line ClassifyLine(std::string_view text, std::size_t begin, std::size_t end, std::size_t next) {
    Line line;
    line.begin = begin;
    line.end = end;
    line.next = next;
    const std::string_view content = Trim(text.substr(begin, end - begin));
    if (content.empty() || content.front() == ';')
        return line;
    if (content.front() == '[') {
        const std::size_t close = content.find(']');
        line.kind = LineKind::Section;
        line.name = Trim(content.substr(1, close == std::string_view::npos ? close : close - 1));
        return line;
    }
    const std::size_t equals = text.find('=', begin);
    if (equals == std::string_view::npos || equals >= end)
        return line;
    line.kind = LineKind::Entry;
    line.name = Trim(text.substr(begin, equals - begin));
    line.valueBegin = equals + 1;
    line.rawValue = text.substr(line.valueBegin, end - line.valueBegin);
    return line;
}

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t begin = text.starts_with(Utf8Bom) ? Utf8Bom.size() : 0;
    while (begin < text.size()) {
        const std::size_t lineFeed = text.find('\n', begin);
        const std::size_t next = lineFeed == std::string_view::npos ? text.size() : lineFeed + 1;
        std::size_t end = lineFeed == std::string_view::npos ? text.size() : lineFeed;
        if (end > begin && text[end - 1] == '\r')
            --end;
        lines.push_back(ClassifyLine(text, begin, end, next));
        begin = next;
    }
    return lines;
}

// Index range [first, last) of the lines after the first header of the section; only the
// first section of a name counts, as later ones are unreachable for the reader.
struct SectionSpan {
    std::size_t header;
    std::size_t first;
    std::size_t last;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Section || !SameName(lines[i].name, section))
            continue;
        std::size_t last = i + 1;
        while (last < lines.size() && lines[last].kind != LineKind::Section)
            ++last;
        return SectionSpan{i, i + 1, last};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindEntry(const std::vector<Line>& lines, const SectionSpan& span,
                                     std::string_view key) {
    for (std::size_t i = span.first; i < span.last; ++i)
        if (lines[i].kind == LineKind::Entry && SameName(lines[i].name, key))
            return i;
    return std::nullopt;
}

std::string CleanValue(std::string_view raw) {
    std::string_view value = Trim(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, MaxValueLength));
}

enum class LoadResult { Loaded, Missing, Failed };

LoadResult LoadFile(const std::string& path, std::string& text) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? LoadResult::Missing : LoadResult::Failed;
    if (S_ISDIR(info.st_mode))
        return LoadResult::Failed;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return LoadResult::Failed;
    char buffer[8192];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, count);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return failed ? LoadResult::Failed : LoadResult::Loaded;
}

std::string_view LineBreakOf(std::string_view text) {
    const std::size_t lineFeed = text.find('\n');
    if (lineFeed != std::string_view::npos && lineFeed > 0 && text[lineFeed - 1] == '\r')
        return "\r\n";
    return "\n";
}

// The path the new contents must replace: a link's target, so the link itself survives.
std::string ResolvedTarget(const std::string& path) {
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) != nullptr)
        return resolved;
    return path;
}

bool WriteWhole(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A new file beside the target, created with the permissions the user's umask gives.
int CreateTempBeside(const std::string& target, std::string& temp) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target + ".tmp-" + std::to_string(getpid()) + "-" + std::to_string(counter++);
        const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes beside the target and renames over it, so a failed write never leaves a truncated
// file behind. A file without write permission stays as it is, as a read-only file does on
// the system these files come from.
bool ReplaceFile(const std::string& path, std::string_view contents) {
    const std::string target = ResolvedTarget(path);
    struct stat info;
    const bool existed = stat(target.c_str(), &info) == 0;
    if (existed &&
        (access(target.c_str(), W_OK) != 0 || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0))
        return false;
    std::string temp;
    const int fd = CreateTempBeside(target, temp);
    if (fd < 0)
        return false;
    const bool ok = WriteWhole(fd, contents) &&
                    (!existed || fchmod(fd, info.st_mode & 07777) == 0) && fsync(fd) == 0;
    if (close(fd) != 0 || !ok || std::rename(temp.c_str(), target.c_str()) != 0) {
        unlink(temp.c_str());
        return false;
    }
    return true;
}

bool IsBlankLine(std::string_view text, const Line& line) {
    return Trim(text.substr(line.begin, line.end - line.begin)).empty();
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

std::string ReadString(const std::string& path, const std::string& section, const std::string& key,
                       const std::string& fallback) {
    std::string text;
    if (LoadFile(path, text) != LoadResult::Loaded)
        return fallback;
    const std::vector<Line> lines = SplitLines(text);
    const auto span = FindSection(lines, section);
    if (!span)
        return fallback;
    const auto entry = FindEntry(lines, *span, key);
    if (!entry)
        return fallback;
    return CleanValue(lines[*entry].rawValue);
}

std::vector<std::string> ReadSectionKeys(const std::string& path, const std::string& section) {
    std::vector<std::string> keys;
    std::string text;
    if (LoadFile(path, text) != LoadResult::Loaded)
        return keys;
    const std::vector<Line> lines = SplitLines(text);
    const auto span = FindSection(lines, section);
    if (!span)
        return keys;
    for (std::size_t i = span->first; i < span->last; ++i) {
        // A repeated key reads as its first value, so listing it twice would only repeat that.
        if (lines[i].kind == LineKind::Entry && FindEntry(lines, *span, lines[i].name) == i)
            keys.emplace_back(lines[i].name);
    }
    return keys;
}

bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                 const std::string& value) {
    // A line break would split the entry and plant lines of its own in the file.
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
        return false;
    std::string text;
    const LoadResult load = LoadFile(path, text);
    if (load == LoadResult::Failed)
        return false;

    const std::vector<Line> lines = SplitLines(text);
    const std::string lineBreak(LineBreakOf(text));
    const std::string entry = key + "=" + value;
    std::string updated;

    const auto span = FindSection(lines, section);
    if (!span) {
        updated = text;
        if (!updated.empty() && !updated.ends_with('\n'))
            updated += lineBreak;
        if (!lines.empty() && !IsBlankLine(text, lines.back()))
            updated += lineBreak;
        updated += "[" + section + "]" + lineBreak + entry + lineBreak;
    } else if (const auto found = FindEntry(lines, *span, key)) {
        const Line& line = lines[*found];
        updated = text.substr(0, line.valueBegin) + value + text.substr(line.end);
    } else {
        // After the section's last non-blank line, so blank lines before the next section stay.
        std::size_t after = span->header;
        for (std::size_t i = span->first; i < span->last; ++i)
            if (!IsBlankLine(text, lines[i]))
                after = i;
        const Line& anchor = lines[after];
        const bool anchorEndsLine = anchor.next > anchor.end;
        updated = text.substr(0, anchor.next) + (anchorEndsLine ? "" : lineBreak) + entry +
                  lineBreak + text.substr(anchor.next);
    }
    return ReplaceFile(path, updated);
}

} // namespace Profile
