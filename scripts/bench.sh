#!/usr/bin/env bash
# Builds the optimised native benchmarks (the bench preset) and runs them; the last lines give the
# figures and ratios for the README.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench --target gate_benchmarks
# From the build tree: every gate destroyed writes its program dump into the working directory.
cd build/bench
benchmarks/gate_benchmarks "$@"
