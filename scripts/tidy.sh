#!/bin/sh
# Runs clang-tidy (the checks in .clang-tidy) over src/ and tools/ with the compile commands of a
# build, and fails when it reports anything. Usage: scripts/tidy.sh [build dir, default build]
# A MinGW-w64 build (build-win64) is checked as Windows code: clang gets the cross compiler's target
# and its C++ and Windows headers.
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/compile_commands.json" ] || { echo "tidy: configure first (cmake --preset ci)" >&2; exit 2; }
compiler=$(sed -n 's/^ *"command": "\([^ ]*\) .*/\1/p' "$build/compile_commands.json" | grep -- '-g++' | head -n 1)
set --
case $compiler in
  *-w64-mingw32-*)
    set -- "-extra-arg=--target=$(basename "$compiler" | sed 's/-g++.*//')"
    for folder in $(echo | "$compiler" -xc++ -E -v - 2>&1 | sed -n 's/^ \(.*\(c++\|mingw32\/include\).*\)$/\1/p'); do
      set -- "$@" "-extra-arg=-isystem$folder"
    done
    ;;
esac
out=$(mktemp)
trap 'rm -f "$out"' EXIT
run-clang-tidy -p "$build" -j "$(nproc)" -quiet "$@" "$PWD/(src|tools)/" >"$out" 2>&1 || true
if grep -q "warning:\|error:" "$out"; then
  grep -A3 "warning:\|error:" "$out"
  echo "tidy: findings above" >&2
  exit 1
fi
echo "tidy: no finding in src/ and tools/"
