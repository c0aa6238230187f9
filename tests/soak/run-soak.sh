#!/bin/sh
# Soak test: plays the headless game for FRAMES passes with seeded random input on every key but
# Escape, then checks that it ended cleanly, its state and its sanitizer report (see soak.py), and
# that its peak memory stayed under a bound.
# Usage: tests/soak/run-soak.sh BINARY FRAMES [SEED] [MAX_RSS_MB]   (defaults: seed 1, 700 MB)
# The memory bound suits a sanitized build, whose quarantine alone holds up to 256 MB; a plain
# build stays near 200 MB.
set -u
GAME=$(readlink -f "${1:?usage: run-soak.sh BINARY FRAMES [SEED] [MAX_RSS_MB]}")
FRAMES=${2:?usage: run-soak.sh BINARY FRAMES [SEED] [MAX_RSS_MB]}
SEED=${3:-1}
MAX_RSS_MB=${4:-700}
HERE=$(dirname "$(readlink -f "$0")")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() {
  echo "soak: FAILED: $*" >&2
  tail -n 40 "$WORK/game.log" >&2 2>/dev/null
  exit 1
}

python3 "$HERE/soak.py" script "$SEED" "$FRAMES" "$WORK/input.txt" || fail "cannot write the input script"
echo "soak: $FRAMES frames, seed $SEED, $(grep -vc '^#' "$WORK/input.txt") input events"

# The game runs in an empty folder so it finds its data the way an installed copy does, and a
# map file it might create lands in the scratch folder.
mkdir "$WORK/run"
start=$(date +%s)
# Stacks are unwound the fast way: the slow unwinder deadlocks when the GL driver's code generator
# allocates while registering the frames of the code it made.
( cd "$WORK/run" &&
  ASAN_OPTIONS="fast_unwind_on_malloc=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
  /usr/bin/time -v -o "$WORK/time.txt" \
  "$GAME" --headless --seed "$SEED" --frames "$FRAMES" --input "$WORK/input.txt" --state "$WORK/state.json" \
  >"$WORK/game.log" 2>&1 )
status=$?
elapsed=$(( $(date +%s) - start ))
[ "$status" -eq 0 ] || fail "exit status $status"  # a sanitizer's report, a leak's included, fails the run

peak_kb=$(sed -n 's/^[[:space:]]*Maximum resident set size (kbytes): //p' "$WORK/time.txt")
[ -n "$peak_kb" ] || fail "no peak memory figure from /usr/bin/time"

python3 "$HERE/soak.py" check "$WORK/state.json" "$FRAMES" "$WORK/game.log" || fail "checks"

peak_mb=$(( peak_kb / 1024 ))
echo "soak: $FRAMES frames in ${elapsed}s, peak memory ${peak_mb} MB (bound ${MAX_RSS_MB} MB)"
[ "$peak_mb" -lt "$MAX_RSS_MB" ] || fail "peak memory ${peak_mb} MB is not under ${MAX_RSS_MB} MB"
echo "soak: passed"
