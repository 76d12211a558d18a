#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

// Playback runs in real time: tests poll against a deadline instead of sleeping a fixed time.
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

inline bool WaitUntil(const std::function<bool()>& condition, Clock::duration timeout) {
    const Clock::time_point deadline = Clock::now() + timeout;
    while (!condition()) {
        if (Clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

inline double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

inline int OpenDescriptorsOn(const std::string& path) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (std::filesystem::read_symlink(entry.path(), error) == std::filesystem::path(path))
            ++count;
    }
    return count;
}
