// Plays a range of an MP3 file through the player and waits for the end: a manual listening
// check, and with SDL's disk driver a way to capture what the player hands to the device.
// Usage: player_play FILE [FROM_MS [TO_MS]]
#include "MediaPlayer.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <thread>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: player_play FILE [FROM_MS [TO_MS]]\n";
        return 2;
    }
    try {
        TMediaPlayer player;
        player.SetFileName(argv[1]);
        player.Open();
        player.SetTimeFormat(tfMilliseconds);
        const std::int32_t from = argc > 2 ? std::atoi(argv[2]) : 0;
        const std::int32_t to = argc > 3 ? std::atoi(argv[3]) : player.Length();
        std::cout << "length " << player.Length() << " ms, playing " << from << " to " << to
                  << " ms\n";
        player.SetPosition(from);
        player.SetEndPos(to);
        player.Play();
        while (player.Mode() == mpPlaying)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::cout << "stopped at " << player.Position() << " ms\n";
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
