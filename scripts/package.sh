#!/usr/bin/env bash
# Builds the release archive a musician downloads: build/win32/stepgate-VERSION-win32.zip with the
# stripped plug-in DLL, gatehost.exe, the install guide and the factory patterns.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target stepgate gatehost stepgate_patterns
cpack --preset win32
