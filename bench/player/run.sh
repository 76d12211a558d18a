#!/usr/bin/env bash
# Builds the tree, makes the 60-minute file once (kept in build/bench-data), and runs the player
# benchmark on SDL's dummy audio driver, which paces the device in real time.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/scripts/build"
long="$root/build/bench-data/long-60min.mp3"
if [[ ! -f "$long" ]]; then
    mkdir -p "$(dirname "$long")"
    "$root/bench/player/make-long-mp3.sh" "$long"
fi
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
exec "$root/build/bin/player_bench" "$long" "$@"
