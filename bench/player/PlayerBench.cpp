// Time from a play request near the end of a long file to the first sound handed to the
// device, the share of one core that playing takes, and what loading the long file costs.
// Run through bench/player/run.
#include "OrvoMp3.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
std::string longFile;

// The position stands still at the start until the device has asked for its first buffer.
void WaitForFirstCallback(TOrvoMP3& engine, std::int64_t startMs) {
    while (engine.PlayPosition() == startMs)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
}

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

void PlayRangeToFirstCallback(benchmark::State& state, bool whilePlaying) {
    TOrvoMP3 engine;
    engine.LoadFile(longFile);
    const std::int64_t length = engine.Info.Duration;
    std::int64_t startMs = length - 20000;
    for (auto _ : state) {
        if (whilePlaying) {
            engine.PlayRange(startMs, length);
            WaitForFirstCallback(engine, startMs);
        }
        startMs = startMs == length - 20000 ? length - 10000 : length - 20000;
        const Clock::time_point asked = Clock::now();
        if (!engine.PlayRange(startMs, length))
            state.SkipWithError("PlayRange did not start");
        WaitForFirstCallback(engine, startMs);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - asked).count());
        engine.Stop();
    }
}

void CpuShareWhilePlaying(benchmark::State& state) {
    TOrvoMP3 engine;
    engine.LoadFile(longFile);
    const std::int64_t length = engine.Info.Duration;
    for (auto _ : state) {
        engine.PlayRange(length / 2, length);
        WaitForFirstCallback(engine, length / 2);
        const double cpuBefore = ProcessCpuSeconds();
        const Clock::time_point wallBefore = Clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
        state.counters["cpu_share_percent"] = 100.0 * (ProcessCpuSeconds() - cpuBefore) / wall;
        state.SetIterationTime(wall);
        engine.Stop();
    }
}

// A fresh engine each time, so the player walks every frame header of the file once.
void LoadLongFile(benchmark::State& state) {
    for (auto _ : state) {
        TOrvoMP3 engine;
        engine.LoadFile(longFile);
        benchmark::DoNotOptimize(engine.Info.Duration);
    }
}

} // namespace

BENCHMARK_CAPTURE(PlayRangeToFirstCallback, stopped, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(PlayRangeToFirstCallback, while_playing, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(CpuShareWhilePlaying)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(2);
BENCHMARK(LoadLongFile)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') {
        std::cerr << "usage: player_bench LONG.mp3 [benchmark options]\n";
        return 2;
    }
    longFile = argv[1];
    std::vector<char*> options(argv, argv + argc);
    options.erase(options.begin() + 1);
    int optionCount = static_cast<int>(options.size());
    benchmark::Initialize(&optionCount, options.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
