#!/usr/bin/env bash
# Sets up what is missing, builds both presets and runs every test: natively with AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows build under 32-bit Wine in a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh
python3 resources/check_bitmaps.py
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
cmake --preset win32 >/dev/null
cmake --build --preset win32
scripts/under-display.sh ctest --preset win32
