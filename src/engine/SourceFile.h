#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

// A file opened read-only and read through one fixed buffer, so that walking it header by header
// costs a system call per buffer, not per read, and memory stays the same whatever its size.
class SourceFile {
public:
    static constexpr std::size_t Capacity = 256 * 1024;

    // Throws std::system_error naming the file when it cannot be opened or is not a regular file.
    explicit SourceFile(const std::string& fileName);
    ~SourceFile();
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    int Descriptor() const { return fd; }
    // The size when the file was opened.
    std::int64_t Size() const { return size; }

    // The bytes from pos on that are buffered, refilling when pos is not; empty at the end of the
    // file. Valid until the next call. Throws std::system_error when the file cannot be read.
    std::span<const std::uint8_t> BytesFrom(std::int64_t pos);
    // The n bytes at pos (n <= Capacity), or nullptr when the file ends before pos + n.
    const std::uint8_t* Bytes(std::int64_t pos, std::size_t n);

private:
    void Fill(std::int64_t pos);

    std::string name;
    int fd = -1;
    std::int64_t size = 0;
    std::unique_ptr<std::uint8_t[]> buffer;
    std::int64_t bufferPos = 0;
    std::size_t bufferLen = 0;
};
