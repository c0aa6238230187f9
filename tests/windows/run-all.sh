#!/bin/sh
# The Windows checks, after ./scripts/windows.sh has built both games and a Linux build sits in
# build/.
# Usage: tests/windows/run-all.sh
set -eu
cd "$(dirname "$0")/../.."
export WINEDEBUG=-all
export WINEPREFIX="${WINEPREFIX:-$(pwd)/build-win64/wine}"  # the one scripts/windows.sh made
wine64=/usr/lib/wine/wine64

# A kernel that runs 32-bit code itself, or one that needs qemu for it (then a 32-bit process
# takes minutes to start, when it starts at all, so the 32-bit build is only built and packaged).
native32=
if /lib/ld-linux.so.2 --version >/dev/null 2>&1 && [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then native32=1; fi

# The GL tests need an X display under Wine, even for the hidden window of a headless game.
# One Wine server for every test program, kept up until the end.
. tests/e2e/lib.sh
. tests/windows/wine_prefix.sh
start_xvfb 1280x1024
trap 'stop_wine_server; stop_xvfb' EXIT
keep_wine_server_up
# Wine's own services start with the first program; started here, they do not inherit (and hold
# open) the output of a test program, which would keep CTest waiting for it.
"$wine64" wineboot >/dev/null 2>&1 </dev/null || true

echo "== Windows: unit tests under Wine (64-bit)"
cmake --build --preset win64
ctest --preset win64
if [ -n "$native32" ]; then
  echo "== Windows: unit tests under Wine (32-bit)"
  cmake --build --preset win32
  ctest --preset win32
else
  echo "== Windows: no 32-bit unit tests: this kernel runs 32-bit code only through qemu, or not at all"
fi

echo "== Windows: the same games as the Linux build"
tests/windows/parity-check.sh build build-win64 "$wine64"
if [ -n "$native32" ]; then
  tests/windows/parity-check.sh build build-win32 wine
else
  echo "== Windows: the 32-bit game not run: this kernel runs 32-bit code only through qemu, or not at all"
fi

echo "== Windows: the 64-bit game in a real window"
tests/windows/window-check.sh build-win64/gloamdelve.exe build/gloamdelve "$wine64"

echo "== Windows: the zip and the installer"
tests/windows/installer-check.sh
