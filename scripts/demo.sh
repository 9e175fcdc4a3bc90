#!/usr/bin/env bash
# The main job: sets up, builds the plug-in and gatehost, gates a generated chord in time with bank
# pattern 3 at 120 BPM inside gatehost under Wine (out/gated.wav, the rhythm per step on screen), and
# takes a picture of the editor (out/editor.png, copied to docs/editor.png).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target stepgate gatehost
mkdir -p out
bin=build/win32/bin
scripts/under-display.sh wine "$bin/gatehost.exe" render "$bin/stepgate.dll" --bank 3 --tempo 120 --bars 2 \
  --out out/gated.wav
# The editor as a host shows it with the same pattern; the picture in the README is this one.
scripts/under-display.sh wine "$bin/gatehost.exe" editor "$bin/stepgate.dll" --bank 3 --screenshot out/editor.png
mkdir -p docs
cp out/editor.png docs/editor.png
