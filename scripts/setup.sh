#!/usr/bin/env bash
# Installs the Debian packages the project builds and tests with; does nothing when all are present.
set -euo pipefail

packages=(cmake ninja-build g++ clang libclang-rt-14-dev googletest libbenchmark-dev clang-format
          g++-mingw-w64-i686 wine wine32:i386 xvfb xdotool python3 libstb-dev)

missing=()
find_missing() {
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
}
find_missing "${packages[@]}"
# A kernel that cannot run 32-bit programs runs the Windows tests as a 64-bit build under 64-bit Wine.
if [ ${#missing[@]} -eq 0 ] && ! "$(dirname "$0")/can-run-32-bit.sh"; then
  find_missing wine64 g++-mingw-w64-x86-64-posix
fi
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
# The 32-bit loader is in place only now; ask again whether the machine can run it.
if ! "$(dirname "$0")/can-run-32-bit.sh"; then
  missing=()
  find_missing wine64 g++-mingw-w64-x86-64-posix
  [ ${#missing[@]} -eq 0 ] || $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
