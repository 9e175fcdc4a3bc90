#!/usr/bin/env bash
# Builds the 64-bit editor repaint benchmark and runs it under Wine in a virtual display; prints the time
# of a full repaint of the editor at 100, 150 and 200 % for the README.
set -euo pipefail
cd "$(dirname "$0")/.."
export STEPGATE_BUILD=win64
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target editor_repaint
scripts/under-display.sh /usr/lib/wine/wine64 build/win64/bin/editor_repaint.exe
