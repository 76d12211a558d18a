// The engine's own cost on a synthetic CBR stream, without process start-up: the analysis,
// and clips of growing length from the middle of the file.
#include "OrvoMp3.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

// MPEG-1 layer III, 128 kbit/s, 44100 Hz: 417-byte frames of 26.12 ms.
constexpr int FramesPerMinute = 2297;
constexpr int SourceMinutes = 20;

std::string sourceFile;

void WriteSourceFile() {
    sourceFile = (std::filesystem::temp_directory_path() /
                  ("snipora-bench-" + std::to_string(getpid()) + ".mp3"))
                     .string();
    std::string frame(417, '\0');
    frame.replace(0, 4, "\xFF\xFB\x90\x44");
    std::ofstream out(sourceFile, std::ios::binary);
    for (int i = 0; i < SourceMinutes * FramesPerMinute; ++i)
        out << frame;
}

std::string ClipFile() {
    return sourceFile + ".clip.mp3";
}

void LoadFile(benchmark::State& state) {
    TOrvoMP3 engine;
    for (auto _ : state)
        engine.LoadFile(sourceFile);
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(sourceFile));
}
BENCHMARK(LoadFile)->Unit(benchmark::kMillisecond);

// Skips the first quarter of the file and copies state.range(0) minutes.
void SaveClip(benchmark::State& state) {
    TOrvoMP3 engine;
    engine.LoadFile(sourceFile);
    const std::int32_t start = SourceMinutes * 60000 / 4;
    const std::int32_t end = start + static_cast<std::int32_t>(state.range(0)) * 60000;
    std::int64_t bytes = 0;
    std::int64_t clipMs = 0;
    for (auto _ : state) {
        if (!engine.SaveClip(start, end, ClipFile(), TId3v1Tag{}, bytes, clipMs))
            state.SkipWithError("SaveClip failed");
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(SaveClip)->Arg(1)->Arg(5)->Arg(13)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    WriteSourceFile();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(ClipFile());
    std::filesystem::remove(sourceFile);
    return 0;
}
