#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A file opened read-only for the player, read at any offset through one window of buffered
// bytes, so that stepping over frame headers costs a memory copy rather than a system call.
class SourceFile {
public:
    // Throws std::system_error naming the file when it cannot be opened.
    explicit SourceFile(const std::string& fileName);
    ~SourceFile();
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    std::int64_t Size() const { return size; }
    // Which file this is on disk, and in which state: equal stamps mean the same bytes.
    std::string Stamp() const { return stamp; }
    // Copies up to count bytes from offset; fewer at the end of the file.
    std::size_t ReadAt(std::int64_t offset, std::uint8_t* dst, std::size_t count);

private:
    int fd = -1;
    std::int64_t size = 0;
    std::string stamp;
    std::vector<std::uint8_t> window;
    std::int64_t windowStart = 0;
    std::size_t windowFill = 0;
};
