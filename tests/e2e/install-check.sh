#!/bin/sh
# Installs a build into a scratch prefix and runs the installed game from an empty folder: it must
# find its data under share/gloamdelve by itself and load every picture; the desktop entry must be
# in share/applications and name the installed program.
# Usage: tests/e2e/install-check.sh BUILD_DIR
set -u
BUILD=$(readlink -f "${1:?usage: install-check.sh BUILD_DIR}")
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
PREFIX="$WORK/prefix"
failures=0

check() {  # check DESCRIPTION ACTUAL EXPECTED
  if [ "$2" = "$3" ]; then
    echo "ok: $1"
  else
    echo "FAILED: $1: got '$2', expected '$3'"
    failures=$((failures + 1))
  fi
}

cmake --install "$BUILD" --prefix "$PREFIX" >"$WORK/install.log" 2>&1 || {
  cat "$WORK/install.log"
  echo "FAILED: cmake --install"
  exit 1
}

check "the program is in bin/" "$([ -x "$PREFIX/bin/gloamdelve" ] && echo yes)" "yes"
check "the overworld map is in share/gloamdelve/map/" "$([ -s "$PREFIX/share/gloamdelve/map/1.overworld" ] && echo yes)" "yes"
entry="$PREFIX/share/applications/gloamdelve.desktop"
check "the desktop entry runs gloamdelve" "$(sed -n 's/^Exec=//p' "$entry" 2>/dev/null)" "gloamdelve"

mkdir "$WORK/empty"
( cd "$WORK/empty" && "$PREFIX/bin/gloamdelve" --headless --seed 1 --frames 2 --state "$WORK/state.json" \
    >"$WORK/game.log" 2>&1 )
check "the installed game exits with status 0" "$?" "0"
check "it announces the installed data folder" \
  "$(grep -c "using the game data in $PREFIX/share/gloamdelve" "$WORK/game.log")" "1"
loaded=$(python3 -c "import json,sys; print(json.load(open(sys.argv[1]))['spriteSlotsLoaded'])" "$WORK/state.json" 2>&1)
check "every picture loaded from the installed data" "$loaded" "214"
check "the empty working folder stays empty" "$(ls -A "$WORK/empty")" ""

[ "$failures" -eq 0 ] || { cat "$WORK/game.log"; exit 1; }
echo "install check passed"
