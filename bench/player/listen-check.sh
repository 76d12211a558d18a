#!/usr/bin/env bash
# Plays 3 s out of a 6 s, 1 kHz tone at half of full scale through SDL's disk driver and
# measures with sox what reached the "device": the tone should last 3 s at an RMS of about 0.354
# (a sine of amplitude 0.5), followed only by the silent buffers before the device closed.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
sox -n -r 44100 -c 2 -b 16 "$tmp/tone.wav" synth 6 sine 1000 vol 0.5
lame --quiet -b 192 "$tmp/tone.wav" "$tmp/tone.mp3"
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$tmp/out.raw" "$root/build/bin/player_play" "$tmp/tone.mp3" 1500 4500
raw=(-t raw -r 44100 -e signed -b 16 -c 2)
echo "everything written:"
sox "${raw[@]}" "$tmp/out.raw" -n stat 2>&1 | grep -E 'Length|RMS +amplitude|Maximum amplitude'
echo "the tone alone (silence trimmed at both ends):"
sox "${raw[@]}" "$tmp/out.raw" -n silence 1 1 0.5% reverse silence 1 1 0.5% reverse stat 2>&1 |
    grep -E 'Length|RMS +amplitude|Maximum amplitude'
