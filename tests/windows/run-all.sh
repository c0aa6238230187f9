#!/bin/sh
# Every Windows check, after ./scripts/windows.sh has built both games and a Linux build sits in
# build/: the unit tests cross-built and run under Wine, the Windows games against the Linux one
# seed for seed, the real window driven by key presses and clicks, and the packages installed.
# Usage: tests/windows/run-all.sh
set -eu
cd "$(dirname "$0")/../.."
export WINEDEBUG=-all
export WINEPREFIX="${WINEPREFIX:-$(pwd)/build-windows/wine}"
wine64=/usr/lib/wine/wine64

# A kernel that runs 32-bit code itself, or one that needs qemu for it (then every 32-bit process
# takes minutes to start, so the 32-bit build gets one seed and no unit tests).
if [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then native32=; else native32=1; fi

echo "== Windows: unit tests under Wine (64-bit)"
cmake --build --preset win64
ctest --preset win64
if [ -n "$native32" ]; then
  echo "== Windows: unit tests under Wine (32-bit)"
  cmake --build --preset win32
  ctest --preset win32
else
  echo "== Windows: no 32-bit unit tests: this kernel runs 32-bit code only through qemu"
fi

echo "== Windows: the same games as the Linux build"
tests/windows/parity-check.sh build build-win64 "$wine64"
if [ -n "$native32" ]; then
  tests/windows/parity-check.sh build build-win32 wine
else
  tests/windows/parity-check.sh build build-win32 wine 11
fi

echo "== Windows: the real window under Wine"
tests/windows/window-check.sh build-win64/gloamdelve.exe build/gloamdelve "$wine64"

echo "== Windows: the zip and the installer"
tests/windows/installer-check.sh
