#include "OrvoMp3.h"

#include "FrameWalker.h"
#include "Id3v1Tag.h"
#include "ReplacementFile.h"
#include "SourceFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool SourceIsGone(const std::string& fileName) {
    struct stat st {};
    return ::stat(fileName.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR);
}

// Writing the clip over its own source, under any of its names, would destroy the source; a
// folder cannot take the clip's place; and a file the user may not write stays as it is, although
// renaming over it would be allowed.
bool CannotBeReplaced(const std::string& outName, const SourceFile& source) {
    struct stat out {};
    if (::stat(outName.c_str(), &out) != 0)
        return false;
    struct stat src {};
    ::fstat(source.Descriptor(), &src);
    return S_ISDIR(out.st_mode) || (out.st_dev == src.st_dev && out.st_ino == src.st_ino) ||
           ::access(outName.c_str(), W_OK) != 0;
}

void SkipToTime(FrameWalker& walk, std::int32_t Start) {
    double total = 0.0;
    while (!walk.AtEnd() && Start > total)
        total += walk.StepFrame().duration;
}

void WriteId3v1Tag(ReplacementFile& output, const TId3v1Tag& NewTag) {
    const std::int64_t size = output.Size();
    char marker[3];
    if (size >= 128 && output.ReadBack(size - 128, marker, 3) && std::memcmp(marker, "TAG", 3) == 0)
        output.SeekTo(size - 128);
    const auto bytes = EncodeId3v1Tag(NewTag);
    output.Write(bytes.data(), bytes.size());
}

} // namespace

bool TOrvoMP3::SaveClip(std::int32_t Start, std::int32_t End, const std::string& OutName,
                        TId3v1Tag NewTag, std::int64_t& BytesWritten, std::int64_t& ClipMs) {
    if (!Info.IsMp3 || SourceIsGone(Info.FileName))
        return false;
    SourceFile source(Info.FileName);
    if (CannotBeReplaced(OutName, source))
        return false;
    const auto output = ReplacementFile::Create(OutName);
    if (!output)
        return false;

    const std::int64_t audioEnd =
        std::min(Info.FileSize - Info.Id3v1Size - Info.ApeSize, source.Size());
    FrameWalker walk(source, std::int64_t{Info.Id3v2Size} + Info.ZeroPad, audioEnd);
    if (Start > 0)
        SkipToTime(walk, Start);

    const double span = static_cast<double>(std::int64_t{End} - Start);
    double total = 0.0;
    std::int64_t written = 0;
    while (!walk.AtEnd() && span > total) {
        const StreamUnit unit = walk.StepFrame();
        if (unit.length == 0)
            continue;
        output->Write(unit.bytes, static_cast<std::size_t>(unit.length));
        written += unit.length;
        total += unit.duration;
    }
    if (std::memcmp(NewTag.Marker, "TAG", 3) == 0)
        WriteId3v1Tag(*output, NewTag);
    if (!output->Commit())
        return false;
    BytesWritten = written;
    ClipMs = static_cast<std::int64_t>(total);
    return true;
}
