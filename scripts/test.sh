#!/usr/bin/env bash
# Sets up what is missing, builds every preset and runs every test: natively with AddressSanitizer and
# UndefinedBehaviorSanitizer, the gate and host tests under ThreadSanitizer, a short fuzz run, then both
# Windows builds under Wine in a virtual display (their tests include the validator and the release
# archives, built and checked as a musician unpacks them): the 64-bit one always, the 32-bit one where
# 32-bit programs run. The last two lines say which Windows tests ran.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh
python3 resources/check_bitmaps.py
python3 scripts/layout_table.py --check README.md
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
# Both Windows builds, always: each one's gatehost test refuses the other's DLL.
cmake --preset win32 >/dev/null
cmake --build --preset win32
cmake --preset win64 >/dev/null
cmake --build --preset win64
# 64-bit Wine runs wherever the set-up installs it. 32-bit Wine is an i386 Linux program, which a kernel
# started without 32-bit emulation cannot run: there the 32-bit build runs only the checks that need no Wine.
status=0
if STEPGATE_BUILD=win64 scripts/under-display.sh ctest --preset win64; then
  summary64="64-bit Windows tests: run, passed"
else
  summary64="64-bit Windows tests: run, FAILED"
  status=1
fi
if scripts/can-run-32-bit.sh; then
  if STEPGATE_BUILD=win32 scripts/under-display.sh ctest --preset win32; then
    summary32="32-bit Windows tests: run, passed"
  else
    summary32="32-bit Windows tests: run, FAILED"
    status=1
  fi
else
  if scripts/kernel-runs-i386.sh; then
    summary32="32-bit Windows tests: NOT run: 32-bit Wine is not installed (the set-up said why)"
  else
    summary32="32-bit Windows tests: NOT run: this kernel cannot run 32-bit programs"
  fi
  if ctest --preset win32 -R "^(plugin_exports|package_archive|package_contents)$"; then
    summary32="$summary32 (its checks without Wine passed: plugin_exports, package_archive, package_contents)"
  else
    summary32="$summary32 (its checks without Wine FAILED: plugin_exports, package_archive, package_contents)"
    status=1
  fi
fi
echo
echo "$summary64"
echo "$summary32"
exit $status
