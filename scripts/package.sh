#!/usr/bin/env bash
# Builds the release archives a musician downloads, one per kind of Windows host:
# build/win32/stepgate-VERSION-win32.zip and build/win64/stepgate-VERSION-win64.zip, each with the
# stripped plug-in DLL, gatehost.exe, the install guide and the factory patterns.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for build in win32 win64; do
  cmake --preset $build >/dev/null
  cmake --build --preset $build --target stepgate gatehost stepgate_patterns
  cpack --preset $build
done
