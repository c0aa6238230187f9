#!/bin/sh
# Installs a build into a scratch prefix and runs the installed game from an empty folder as a
# player who cannot write to the installation (as a system-wide install is): it must find its data
# under share/gloamdelve by itself and load every picture, leaving the installation untouched.
# The desktop entry must be in share/applications and name the installed program.
# Usage: tests/e2e/install-check.sh BUILD_DIR
set -u
BUILD=$(readlink -f "${1:?usage: install-check.sh BUILD_DIR}")
WORK=$(mktemp -d)
trap 'chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
PREFIX="$WORK/prefix"
MAP="$PREFIX/share/gloamdelve/map/1.overworld"
LEVEL_BYTES=65536
failures=0

check() {  # check DESCRIPTION ACTUAL EXPECTED
  if [ "$2" = "$3" ]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: got '$2', expected '$3'"
    failures=$((failures + 1))
  fi
}

# Runs the installed game as a player: root drops to nobody, anyone else is already unprivileged.
as_player() {
  if [ "$(id -u)" -eq 0 ]; then
    setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
  else
    "$@"
  fi
}

cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || {
  cat "$WORK/install.log"
  echo "FAILED: cmake --install"
  exit 1
}

check "the program is in bin/" "$([ -x "$PREFIX/bin/gloamdelve" ] && echo yes)" "yes"
check "the overworld map is in share/gloamdelve/map/" "$(wc -c <"$MAP" 2>/dev/null)" "$LEVEL_BYTES"
entry="$PREFIX/share/applications/gloamdelve.desktop"
check "the desktop entry runs gloamdelve" "$(sed -n 's/^Exec=//p' "$entry" 2>/dev/null)" "gloamdelve"

chmod -R a-w "$PREFIX/share"
chmod 755 "$WORK"
mkdir -m 777 "$WORK/empty" "$WORK/out"
( cd "$WORK/empty" && as_player "$PREFIX/bin/gloamdelve" --headless --seed 1 --frames 2 \
    --state "$WORK/out/state.json" --dump-world "$WORK/out/world.bin" >"$WORK/out/game.log" 2>&1 )
check "the installed game exits with status 0" "$?" "0"
check "it announces the installed data folder" \
  "$(grep -c "using the game data in $PREFIX/share/gloamdelve" "$WORK/out/game.log")" "1"
loaded=$(python3 -c "import json,sys; print(json.load(open(sys.argv[1]))['spriteSlotsLoaded'])" "$WORK/out/state.json" 2>&1)
check "every picture loaded from the installed data" "$loaded" "214"
# The map is opened for reading and writing, as the game always has; a player who cannot write
# to the installation gets no overworld (and no error), and the installed file stays as it was.
check "a read-only installation leaves level 0 without the map" \
  "$(cmp -n "$LEVEL_BYTES" "$MAP" "$WORK/out/world.bin" >/dev/null 2>&1 || echo untouched)" "untouched"
check "the installed overworld map is unchanged" \
  "$(cmp -s "$MAP" "$BUILD/data/map/1.overworld" && echo same)" "same"
check "the empty working folder stays empty" "$(ls -A "$WORK/empty")" ""

[ "$failures" -eq 0 ] || { cat "$WORK/out/game.log"; exit 1; }
echo "install check passed"
