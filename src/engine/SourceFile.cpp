#include "SourceFile.h"

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

[[noreturn]] void ThrowFileError(const char* what, const std::string& name, int error) {
    throw std::system_error(error, std::generic_category(), std::string(what) + " " + name);
}

} // namespace

SourceFile::SourceFile(const std::string& fileName)
    : name(fileName), buffer(std::make_unique_for_overwrite<std::uint8_t[]>(Capacity)) {
    // Not blocking: a named pipe must not hang the open; it is refused below like any file that
    // is not a regular file.
    fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        ThrowFileError("Cannot open", name, errno);
    struct stat st {};
    int error = 0;
    if (::fstat(fd, &st) != 0)
        error = errno;
    else if (S_ISDIR(st.st_mode))
        error = EISDIR;
    else if (!S_ISREG(st.st_mode))
        error = ENODEV;
    if (error != 0) {
        ::close(fd);
        ThrowFileError("Cannot open", name, error);
    }
    size = st.st_size;
}

SourceFile::~SourceFile() {
    ::close(fd);
}

void SourceFile::Fill(std::int64_t pos) {
    bufferPos = pos;
    bufferLen = 0;
    while (bufferLen < Capacity) {
        const ssize_t got = ::pread(fd, buffer.get() + bufferLen, Capacity - bufferLen,
                                    pos + static_cast<std::int64_t>(bufferLen));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            bufferLen = 0;
            ThrowFileError("Cannot read", name, error);
        }
        bufferLen += static_cast<std::size_t>(got);
    }
}

std::span<const std::uint8_t> SourceFile::BytesFrom(std::int64_t pos) {
    if (pos < bufferPos || pos >= bufferPos + static_cast<std::int64_t>(bufferLen))
        Fill(pos);
    const auto offset = static_cast<std::size_t>(pos - bufferPos);
    return {buffer.get() + offset, bufferLen - offset};
}

const std::uint8_t* SourceFile::Bytes(std::int64_t pos, std::size_t n) {
    if (n > Capacity)
        throw std::length_error("SourceFile::Bytes: more than one buffer");
    auto available = BytesFrom(pos);
    if (available.size() < n && bufferLen == Capacity) {
        Fill(pos);
        available = BytesFrom(pos);
    }
    return available.size() >= n ? available.data() : nullptr;
}
