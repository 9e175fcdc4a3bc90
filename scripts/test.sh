#!/usr/bin/env bash
# Sets up what is missing, builds both presets and runs every test: natively with AddressSanitizer and
# UndefinedBehaviorSanitizer, the gate and host tests under ThreadSanitizer, a short fuzz run, then the
# Windows build under 32-bit Wine in a virtual display (its tests include the validator and the release
# archive, built and checked as a musician unpacks it).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh
python3 resources/check_bitmaps.py
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native
cmake --preset tsan >/dev/null
cmake --build --preset tsan
ctest --preset tsan
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
# New inputs go to a scratch folder, so the committed corpus stays as it is; the run is bounded in time.
# The folder is in memory where the machine has one: every run ends with the effect writing its program
# dump there, which on a disk would cost more than the run itself.
scratch="$(mktemp -d "$([ -d /dev/shm ] && echo /dev/shm || echo "$PWD/build/fuzz")/stepgate-fuzz.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/new" && (cd "$scratch" && "$OLDPWD/build/fuzz/tests/fuzz/gate_fuzz" -max_total_time=60 \
  -max_len=1024 new "$OLDPWD/tests/fuzz/corpus")
cmake --preset win32 >/dev/null
cmake --build --preset win32
# 32-bit Wine is an i386 Linux program, which a kernel started without 32-bit emulation cannot run. There
# the same sources are built as 64-bit programs and the Windows tests run under 64-bit Wine instead.
windows=win32
if ! scripts/can-run-32-bit.sh; then
  windows=win64
  echo "NOTE: this kernel cannot run 32-bit programs; the Windows tests run as a 64-bit build." >&2
  cmake --preset win64 >/dev/null
  cmake --build --preset win64
  ctest --preset win32 -R "plugin_exports|package_archive"
fi
STEPGATE_BUILD=$windows scripts/under-display.sh ctest --preset $windows
