#include "Mp3Fixture.h"

#include <QFile>

#include <stdexcept>

namespace Mp3Fixture {

std::string Frames(int count, bool mono) {
    std::string bytes;
    for (int index = 0; index < count; ++index) {
        std::string frame(FrameBytes, '\0');
        frame[0] = '\xFF';
        frame[1] = '\xFB';
        frame[2] = '\x94';
        frame[3] = mono ? '\xC0' : '\x00';
        for (int i = 0; i < 4; ++i)
            frame[FrameBytes - 4 + i] = static_cast<char>((index >> (24 - 8 * i)) & 0xFF);
        bytes += frame;
    }
    return bytes;
}

std::string Id3v1(const TTag& tag) {
    std::string bytes(128, '\0');
    const auto put = [&](std::size_t offset, const std::string& text, std::size_t width) {
        bytes.replace(offset, std::min(text.size(), width), text.substr(0, width));
    };
    put(0, "TAG", 3);
    put(3, tag.Title, 30);
    put(33, tag.Artist, 30);
    put(63, tag.Album, 30);
    put(93, tag.Year, 4);
    put(97, tag.Comment, tag.Track ? 28 : 30);
    if (tag.Track)
        bytes[126] = static_cast<char>(tag.Track);
    bytes[127] = static_cast<char>(tag.Genre);
    return bytes;
}

void Write(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        throw std::runtime_error("cannot write " + path.toStdString());
}

std::string Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

int FrameIndexAt(const std::string& bytes, std::size_t offset) {
    int index = 0;
    for (int i = 0; i < 4; ++i)
        index = (index << 8) | static_cast<unsigned char>(bytes[offset + FrameBytes - 4 + i]);
    return index;
}

} // namespace Mp3Fixture
