#!/usr/bin/env bash
# The main job: sets up, builds the plug-in and gatehost, and gates a generated chord in time with bank
# pattern 3 at 120 BPM inside gatehost under Wine, writing out/gated.wav and printing the rhythm per step.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target stepgate gatehost
mkdir -p out
bin=build/win32/bin
scripts/under-display.sh "$bin/gatehost.exe" render "$bin/stepgate.dll" --bank 3 --tempo 120 --bars 2 \
  --out out/gated.wav
