#!/usr/bin/env bash
# Succeeds when this machine runs i386 Linux programs such as 32-bit Wine natively; a kernel started
# without 32-bit emulation refuses them (an emulator registered for them is far too slow for Wine).
[ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && /usr/lib/wine/wineserver32 --version >/dev/null 2>&1
