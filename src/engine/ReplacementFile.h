#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// A new file written under a temporary name beside its target, so that the target is replaced
// only by a complete file: it takes the target's name on Commit and is removed otherwise.
// Writes are buffered; a failing write throws std::system_error naming the target.
class ReplacementFile {
public:
    static constexpr std::size_t Capacity = 256 * 1024;

    // Empty when no file can be created in the target's folder.
    static std::unique_ptr<ReplacementFile> Create(const std::string& target);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    void Write(const void* data, std::size_t n);
    std::int64_t Size() const;
    // Reads n bytes that were written at pos; false when fewer are there.
    bool ReadBack(std::int64_t pos, void* data, std::size_t n);
    // The next write goes to pos.
    void SeekTo(std::int64_t pos);
    // False when the target cannot be replaced; the temporary file is then removed.
    bool Commit();

private:
    ReplacementFile(std::string target, std::string tempName, int fd);
    void Flush();
    [[noreturn]] void ThrowWriteError(int error) const;

    std::string target;
    std::string tempName;
    int fd;
    bool committed = false;
    std::unique_ptr<std::uint8_t[]> buffer;
    std::size_t bufferLen = 0;
    std::int64_t writePos = 0; // where the buffer goes
    std::int64_t fileEnd = 0;
};
