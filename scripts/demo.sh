#!/usr/bin/env bash
# The main job: sets up, builds the 64-bit plug-in and gatehost, gates a generated chord in time with bank
# pattern 3 at 120 BPM inside gatehost under Wine (out/gated.wav, the rhythm per step on screen), and
# takes pictures of the editor at 100 and 200 % (out/editor.png and out/editor-200.png, copied to docs/),
# of its readout and of its pattern menu (docs/readout.png, docs/pattern-menu.png).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# The 64-bit plug-in and gatehost: 64-bit Wine runs wherever the set-up installs it, 32-bit Wine only
# where the kernel runs 32-bit programs. Both DLLs behave and draw alike.
build=win64
wine=/usr/lib/wine/wine64
export STEPGATE_BUILD=$build
cmake --preset $build >/dev/null
cmake --build --preset $build --target stepgate gatehost
mkdir -p out docs
bin=build/$build/bin
scripts/under-display.sh $wine "$bin/gatehost.exe" render "$bin/stepgate.dll" --bank 3 --tempo 120 --bars 2 \
  --out out/gated.wav
# The editor as a host shows it with the same pattern; the picture in the README is this one.
scripts/under-display.sh $wine "$bin/gatehost.exe" editor "$bin/stepgate.dll" --bank 3 --screenshot out/editor.png
# The same at 200 %, the pointer resting on step fader 5 so the readout shows at its size too.
scripts/under-display.sh $wine "$bin/gatehost.exe" editor "$bin/stepgate.dll" --bank 3 --size 200 \
  --hover 174,300 --screenshot out/editor-200.png
# The wheel turned down two notches over step fader 5, the pointer left there: the readout names it.
scripts/under-display.sh $wine "$bin/gatehost.exe" editor "$bin/stepgate.dll" --bank 3 \
  --wheel 87,150:-240 --hover 87,150 --screenshot out/readout.png
# The pattern menu open on its factory patterns, then pattern 5 chosen.
scripts/under-display.sh $wine "$bin/gatehost.exe" editor "$bin/stepgate.dll" --bank 3 \
  --menu "200,215:Factory patterns/Pattern 5" --menu-screenshot out/pattern-menu.png
cp out/editor.png out/editor-200.png out/readout.png out/pattern-menu.png docs/
