#!/bin/sh
# The Windows builds compute what the Linux build computes: the same pictures from the art tool and,
# for three seeds and one input script, the same state, world and last picture from a headless game.
# Usage: tests/windows/parity-check.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR WINE_COMMAND [SEEDS...]
set -u
LINUX_BUILD=$(readlink -f "$1")
WINDOWS_BUILD=$(readlink -f "$2")
WINE=$3
shift 3
SEEDS=${*:-11 222 3333}
HERE=$(dirname "$(readlink -f "$0")")
. "$HERE/../e2e/checks.sh"
. "$HERE/../e2e/lib.sh"
. "$HERE/wine_prefix.sh"
start_xvfb 1280x1024 || exit 1  # the headless game's hidden window still needs a display under Wine
trap 'stop_xvfb; rm -rf "$WORK"' EXIT
prepare_wine_prefix "$WINE" || exit 1

check "the art tool painted the same data folder" \
  "$(diff -r "$LINUX_BUILD/data" "$WINDOWS_BUILD/data" >/dev/null && echo same || echo different)" "same"

# run GAME OUT SEED: a headless game of 480 passes on the given build's own data.
run() {
  "$@" --headless --seed "$SEED" --frames 480 --input "$HERE/parity.input" \
    --state "$OUT.json" --dump-world "$OUT.world" --screenshot "$OUT.png" >"$OUT.log" 2>&1 ||
    echo "  (exit status $? from $*, see below)"
}
for SEED in $SEEDS; do
  OUT="$WORK/linux-$SEED"
  run "$LINUX_BUILD/gloamdelve" --data "$LINUX_BUILD/data"
  OUT="$WORK/windows-$SEED"
  run "$WINE" "$WINDOWS_BUILD/gloamdelve.exe" --data "$WINDOWS_BUILD/data"
  for kind in json world; do
    check "seed $SEED: the $kind is the Linux build's, byte for byte" \
      "$(cmp -s "$WORK/linux-$SEED.$kind" "$WORK/windows-$SEED.$kind" && echo same || echo different)" "same"
  done
  # Two PNG encoders: the same pixels, not the same bytes.
  check "seed $SEED: the last picture is the Linux build's, pixel for pixel" \
    "$(compare -metric AE "$WORK/linux-$SEED.png" "$WORK/windows-$SEED.png" null: 2>&1)" "0"
  [ "$failures" -eq 0 ] || cat "$WORK/windows-$SEED.log"
done

echo "windows parity: $checks checks, $failures failed"
[ "$failures" -eq 0 ]
