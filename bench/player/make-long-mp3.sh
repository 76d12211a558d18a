#!/usr/bin/env bash
# Writes a 60-minute stereo 44.1 kHz 128 kbit/s MP3 file (about 58 MB) for the player benchmark.
# Usage: make-long-mp3.sh OUTPUT.mp3   (needs sox and lame; takes about half a minute)
set -euo pipefail
out=${1:?output file}
sox -n -r 44100 -c 2 -b 16 -t wav - synth 3600 sine 440 sine 660 vol 0.5 2>/dev/null |
    lame --quiet -f -b 128 - "$out"
