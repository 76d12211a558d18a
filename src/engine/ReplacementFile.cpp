#include "ReplacementFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {

std::string TempNameBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".%ld.%u.part", static_cast<long>(::getpid()), counter++);
    return (target.parent_path() / ("." + target.filename().string() + suffix)).string();
}

} // namespace

std::unique_ptr<ReplacementFile> ReplacementFile::Create(const std::string& target) {
    const std::filesystem::path path(target);
    if (!path.has_filename())
        return nullptr;
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::string tempName = TempNameBeside(path);
        // 0666 lets the umask (or a default ACL) decide, as for any newly created file.
        const int fd = ::open(tempName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return std::unique_ptr<ReplacementFile>(
                new ReplacementFile(target, std::move(tempName), fd));
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

ReplacementFile::ReplacementFile(std::string target, std::string tempName, int fd)
    : target(std::move(target)), tempName(std::move(tempName)), fd(fd),
      buffer(std::make_unique_for_overwrite<std::uint8_t[]>(Capacity)) {}

ReplacementFile::~ReplacementFile() {
    if (committed)
        return;
    if (fd >= 0)
        ::close(fd);
    ::unlink(tempName.c_str());
}

void ReplacementFile::ThrowWriteError(int error) const {
    throw std::system_error(error, std::generic_category(), "Cannot write " + target);
}

void ReplacementFile::Write(const void* data, std::size_t n) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (n > 0) {
        if (bufferLen == Capacity)
            Flush();
        const std::size_t take = std::min(n, Capacity - bufferLen);
        std::memcpy(buffer.get() + bufferLen, bytes, take);
        bufferLen += take;
        bytes += take;
        n -= take;
    }
}

void ReplacementFile::Flush() {
    std::size_t done = 0;
    while (done < bufferLen) {
        const ssize_t put = ::pwrite(fd, buffer.get() + done, bufferLen - done,
                                     writePos + static_cast<std::int64_t>(done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            ThrowWriteError(errno);
        }
        if (put == 0)
            ThrowWriteError(ENOSPC);
        done += static_cast<std::size_t>(put);
    }
    writePos += static_cast<std::int64_t>(bufferLen);
    fileEnd = std::max(fileEnd, writePos);
    bufferLen = 0;
}

std::int64_t ReplacementFile::Size() const {
    return std::max(fileEnd, writePos + static_cast<std::int64_t>(bufferLen));
}

bool ReplacementFile::ReadBack(std::int64_t pos, void* data, std::size_t n) {
    Flush();
    std::size_t done = 0;
    while (done < n) {
        const ssize_t got = ::pread(fd, static_cast<std::uint8_t*>(data) + done, n - done,
                                    pos + static_cast<std::int64_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw std::system_error(errno, std::generic_category(), "Cannot read " + target);
        if (got == 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

void ReplacementFile::SeekTo(std::int64_t pos) {
    Flush();
    writePos = pos;
}

bool ReplacementFile::Commit() {
    Flush();
    const int closing = fd;
    fd = -1;
    if (::close(closing) != 0)
        ThrowWriteError(errno);
    if (::rename(tempName.c_str(), target.c_str()) != 0)
        return false;
    committed = true;
    return true;
}
