#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with; does nothing when all are present.
# Both Windows builds are always made; the 64-bit one's tests always run (64-bit Wine). 32-bit Wine is
# added only where the kernel runs i386 programs; where it cannot be installed, the 32-bit tests are
# reported as not run.
set -euo pipefail
here="$(dirname "$0")"

packages=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev clang-format
          g++-mingw-w64-i686 g++-mingw-w64-x86-64-posix wine wine64 xvfb xdotool python3 libstb-dev)
packages32=(wine32:i386)

missing=()
find_missing() {
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
}
find_missing "${packages[@]}"
want32=0
if "$here/kernel-runs-i386.sh"; then
  want32=1
  find_missing "${packages32[@]}"
fi
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if [ $want32 -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
# A mirror caught mid-sync fails one index now and then; the others still serve, so retry, then go on.
for attempt in 1 2 3; do
  $sudo apt-get update -qq && break
  [ $attempt -eq 3 ] && echo "WARNING: apt-get update failed; installing from the indexes at hand" >&2
  sleep 10
done
install() { $sudo apt-get install -y -qq --no-install-recommends "$@"; }
missing=()
find_missing "${packages[@]}"
[ ${#missing[@]} -eq 0 ] || install "${missing[@]}"
if [ $want32 -eq 1 ]; then
  missing=()
  find_missing "${packages32[@]}"
  if [ ${#missing[@]} -gt 0 ] && ! install "${missing[@]}"; then
    echo "WARNING: 32-bit Wine could not be installed; the 32-bit Windows tests will not run" >&2
  fi
fi
