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
# A mirror caught mid-sync may serve an i386 index of a size its release file does not announce: apt
# refuses it and keeps no copy, so wine32:i386 has unmet dependencies. The .xz it serves still
# decompresses; place it where apt looks for the index (its name, plain or with a compressor's extension).
place_missing_i386_indexes() {
  local file uri ext partial
  apt-get indextargets --no-release-info --format '$(FILENAME) $(URI)' 'Created-By: Packages' \
    'Architecture: i386' | while read -r file uri; do
    for ext in "" .lz4 .zst .gz .xz .bz2 .lzma; do [ -e "$file$ext" ] && continue 2; done
    # Fetched into apt's own partial folder, where its unprivileged downloader may write.
    partial="$(dirname "$file")/partial/$(basename "$file")"
    echo "Placing $uri by hand" >&2
    $sudo /usr/lib/apt/apt-helper download-file "$uri.xz" "$partial.xz" && $sudo xz -d "$partial.xz" &&
      $sudo mv "$partial" "$file" || $sudo rm -f "$partial.xz" "$partial"
  done
}
missing=()
find_missing "${packages[@]}"
[ ${#missing[@]} -eq 0 ] || install "${missing[@]}"
if [ $want32 -eq 1 ]; then
  missing=()
  find_missing "${packages32[@]}"
  if [ ${#missing[@]} -gt 0 ] && ! install "${missing[@]}" &&
    ! { place_missing_i386_indexes && install "${missing[@]}"; }; then
    echo "WARNING: 32-bit Wine could not be installed; the 32-bit Windows tests will not run" >&2
  fi
fi
