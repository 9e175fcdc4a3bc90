#!/usr/bin/env bash
# Runs a command inside one virtual X display (24-bit, so colours stay exact), with a Windows build's
# Wine prefix; waits for every Wine process to end before the display goes away.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# STEPGATE_BUILD names the build whose prefix and Wine are used: win32 (the default) or win64.
build="${STEPGATE_BUILD:-win32}"
export WINEPREFIX="${WINEPREFIX:-$root/build/$build/wine}"
if [ "$build" = win64 ]; then
  export WINEARCH=win64
  wine=/usr/lib/wine/wine64
else
  export WINEARCH=win32
  wine=wine
fi
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
if [ -z "${STEPGATE_IN_DISPLAY:-}" ]; then
  export STEPGATE_IN_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
mkdir -p "$WINEPREFIX"
wineserver -p
# Wine's background services start with the first Wine process of a session and keep its output open:
# start them here, away from the command's output, or ctest waits for its pipe to close for ever.
"$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
status=0
"$@" || status=$?
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
exit $status
