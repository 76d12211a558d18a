// Time from a play request near the end of a long file to the first sound handed to the
// device, and the share of one core that playing takes. Run through run.sh.
#include "MediaPlayer.h"

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

// The sequence the engine runs for a play request: reopen, seek, end position, play.
void PlayRange(TMediaPlayer& player, std::int32_t startMs, std::int32_t endMs) {
    player.Close();
    player.SetFileName(longFile);
    player.Open();
    player.SetTimeFormat(tfMilliseconds);
    player.SetPosition(startMs);
    player.SetEndPos(endMs);
    player.Play();
}

// The position stands still at the start until the device has asked for its first buffer.
void WaitForFirstCallback(const TMediaPlayer& player, std::int32_t startMs) {
    while (player.Position() == startMs)
        std::this_thread::sleep_for(std::chrono::microseconds(100));
}

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

enum class Before {
    Stopped,       // the usual request: the file was analysed, nothing plays
    Playing,       // the request also ends a playback in progress
    NeverAnalysed, // a fresh player that has never walked the file's frames
};

void PlayRangeToFirstCallback(benchmark::State& state, Before before) {
    auto player = std::make_unique<TMediaPlayer>();
    player->SetFileName(longFile);
    player->Open(); // the analysis that loading the file runs first
    const std::int32_t length = player->Length();
    player->Close();
    std::int32_t startMs = length - 20000;
    for (auto _ : state) {
        if (before == Before::Playing) {
            PlayRange(*player, startMs, length);
            WaitForFirstCallback(*player, startMs);
        }
        if (before == Before::NeverAnalysed)
            player = std::make_unique<TMediaPlayer>();
        startMs = startMs == length - 20000 ? length - 10000 : length - 20000;
        const Clock::time_point asked = Clock::now();
        PlayRange(*player, startMs, length);
        WaitForFirstCallback(*player, startMs);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - asked).count());
        player->Close();
    }
}

void CpuShareWhilePlaying(benchmark::State& state) {
    TMediaPlayer player;
    player.SetFileName(longFile);
    player.Open();
    const std::int32_t length = player.Length();
    for (auto _ : state) {
        PlayRange(player, length / 2, length);
        WaitForFirstCallback(player, length / 2);
        const double cpuBefore = ProcessCpuSeconds();
        const Clock::time_point wallBefore = Clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
        state.counters["cpu_share_percent"] = 100.0 * (ProcessCpuSeconds() - cpuBefore) / wall;
        state.SetIterationTime(wall);
        player.Close();
    }
}

} // namespace

BENCHMARK_CAPTURE(PlayRangeToFirstCallback, stopped, Before::Stopped)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(PlayRangeToFirstCallback, playing, Before::Playing)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(PlayRangeToFirstCallback, never_analysed, Before::NeverAnalysed)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(CpuShareWhilePlaying)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(2);

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
