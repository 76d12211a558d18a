#include "SourceFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {
constexpr std::size_t WindowSize = 64 * 1024;
}

SourceFile::SourceFile(const std::string& fileName) : window(WindowSize) {
    fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        throw std::system_error(error, std::generic_category(), fileName);
    }
    size = st.st_size;
    stamp = std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino) + ':' +
            std::to_string(st.st_size) + ':' + std::to_string(st.st_mtim.tv_sec) + '.' +
            std::to_string(st.st_mtim.tv_nsec);
}

SourceFile::~SourceFile() {
    ::close(fd);
}

std::size_t SourceFile::ReadAt(std::int64_t offset, std::uint8_t* dst, std::size_t count) {
    if (offset < 0 || offset >= size)
        return 0;
    count = static_cast<std::size_t>(std::min<std::int64_t>(count, size - offset));
    const bool inWindow =
        offset >= windowStart && offset + static_cast<std::int64_t>(count) <=
                                     windowStart + static_cast<std::int64_t>(windowFill);
    if (!inWindow) {
        if (count > WindowSize) {
            const ssize_t got = ::pread(fd, dst, count, offset);
            return got > 0 ? static_cast<std::size_t>(got) : 0;
        }
        const ssize_t got = ::pread(fd, window.data(), WindowSize, offset);
        windowStart = offset;
        windowFill = got > 0 ? static_cast<std::size_t>(got) : 0;
        count = std::min(count, windowFill);
    }
    std::memcpy(dst, window.data() + (offset - windowStart), count);
    return count;
}
