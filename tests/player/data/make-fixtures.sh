#!/usr/bin/env bash
# Makes the small MP3 files the player tests play (needs sox and lame; the outputs are committed).
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# 8 s, stereo, 44.1 kHz, 128 kbit/s CBR with a leading "Info" frame: two sweeps, so that every
# frame sounds different.
sox -n -r 44100 -c 2 -b 16 "$tmp/sweep.wav" synth 8 sine 300-3000 sine 2000-200 vol 0.5
lame --quiet -b 128 "$tmp/sweep.wav" sweep-44k-stereo.mp3

# 3 s, stereo, 32 kHz VBR with a leading "Xing" frame, which is no audio.
sox -n -r 32000 -c 2 -b 16 "$tmp/tone.wav" synth 3 sine 440 sine 660 vol 0.5
lame --quiet -V 5 "$tmp/tone.wav" tone-32k-stereo-vbr.mp3

# 2 s, mono, 22.05 kHz (MPEG-2 layer III), 32 kbit/s CBR.
sox -n -r 22050 -c 1 -b 16 "$tmp/mono.wav" synth 2 sine 440 vol 0.5
lame --quiet -b 32 "$tmp/mono.wav" tone-22k-mono.mp3
