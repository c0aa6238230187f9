#!/bin/sh
# Runs every libFuzzer target of a fuzz build for a bounded time, each on a scratch copy of its
# seed corpus so the repository is never written. Prints the executions per target; fails when a
# target crashes, leaks or times out (the crashing input is kept and its path printed).
# Usage: fuzz/run-all.sh BUILD_DIR [SECONDS_PER_TARGET]   (default 20)
set -u
BUILD=$(readlink -f "${1:?usage: fuzz/run-all.sh BUILD_DIR [SECONDS_PER_TARGET]}")
SECONDS_EACH=${2:-20}
HERE=$(dirname "$(readlink -f "$0")")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# Inputs that crash are left here for the report; the scratch folder goes away at the end.
ARTIFACTS=${FUZZ_ARTIFACTS:-$BUILD/fuzz-artifacts}
mkdir -p "$ARTIFACTS"

failures=0
targets=0
for target in "$BUILD"/fuzz/*_fuzz; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  targets=$((targets + 1))
  corpus="$WORK/corpus-$name"
  mkdir -p "$corpus"
  [ -d "$HERE/corpus/$name" ] && cp -R "$HERE/corpus/$name/." "$corpus/"
  log="$WORK/$name.log"
  "$target" "$corpus" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$ARTIFACTS/$name-" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  if [ "$status" -eq 0 ]; then
    echo "$name: ${runs:-?} executions in ${SECONDS_EACH}s, no failure"
  else
    failures=$((failures + 1))
    echo "$name: FAILED (status $status) after ${runs:-?} executions"
    grep -E '^(==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written)' "$log" | head -n 10
    tail -n 30 "$log"
  fi
done

if [ "$targets" -eq 0 ]; then
  echo "no *_fuzz targets in $BUILD/fuzz" >&2
  exit 1
fi
echo "fuzzing: $targets targets, $failures failed"
[ "$failures" -eq 0 ]
