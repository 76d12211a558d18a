// Arbitrary bytes as an MP3 file: the analysis and two cuts must neither crash nor disagree
// about the playing time.
#include "OrvoMp3.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Removed when the program ends.
struct WorkFolder {
    WorkFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "snipora-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path = pattern;
    }
    ~WorkFolder() { std::filesystem::remove_all(path); }
    std::string path;
};

const std::string& WorkDir() {
    static const WorkFolder folder;
    return folder.path;
}

void Check(bool ok) {
    if (!ok)
        std::abort();
}

std::int64_t FileSize(const std::string& name) {
    struct stat st {};
    Check(::stat(name.c_str(), &st) == 0);
    return st.st_size;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string source = WorkDir() + "/source.mp3";
    const std::string clip = WorkDir() + "/clip.mp3";
    std::FILE* file = std::fopen(source.c_str(), "wb");
    Check(file != nullptr && std::fwrite(data, 1, size, file) == size && std::fclose(file) == 0);

    TOrvoMP3 engine;
    engine.LoadFile(source);
    std::int64_t bytesWritten = 0;
    std::int64_t clipMs = 0;
    if (!engine.Info.IsMp3) {
        Check(!engine.SaveClip(0, 1000, clip, TId3v1Tag{}, bytesWritten, clipMs));
        return 0;
    }

    // The whole audio, tagged: it takes every frame the playing time counts.
    TId3v1Tag tag{};
    std::memcpy(tag.Marker, "TAG", 3);
    tag.Track = 1;
    const auto duration = static_cast<std::int32_t>(engine.Info.Duration);
    Check(engine.SaveClip(0, duration + 1, clip, tag, bytesWritten, clipMs));
    Check(clipMs == engine.Info.Duration);
    const std::int64_t clipSize = FileSize(clip);
    Check(clipSize == bytesWritten + 128 || clipSize == bytesWritten);
    Check(bytesWritten <= engine.Info.FileSize);

    // The middle third, untagged.
    Check(engine.SaveClip(duration / 3, duration / 3 * 2, clip, TId3v1Tag{}, bytesWritten, clipMs));
    Check(FileSize(clip) == bytesWritten);
    ::unlink(clip.c_str());
    return 0;
}
