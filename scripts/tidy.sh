#!/bin/sh
# Runs clang-tidy (the checks in .clang-tidy) over src/ and tools/ with the compile commands of the
# ci build, and fails when it reports anything. Usage: scripts/tidy.sh [build dir, default build]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/compile_commands.json" ] || { echo "tidy: configure first (cmake --preset ci)" >&2; exit 2; }
out=$(mktemp)
trap 'rm -f "$out"' EXIT
run-clang-tidy -p "$build" -j "$(nproc)" -quiet "$PWD/(src|tools)/" >"$out" 2>&1 || true
if grep -q "warning:\|error:" "$out"; then
  grep -A3 "warning:\|error:" "$out"
  echo "tidy: findings above" >&2
  exit 1
fi
echo "tidy: no finding in src/ and tools/"
