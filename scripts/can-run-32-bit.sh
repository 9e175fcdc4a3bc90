#!/usr/bin/env bash
# Succeeds when the 32-bit Windows tests can run here: the kernel runs i386 programs and 32-bit Wine is
# installed and starts.
"$(dirname "$0")/kernel-runs-i386.sh" && /usr/lib/wine/wineserver32 --version >/dev/null 2>&1
