#!/bin/sh
# Installs a build into a scratch prefix laid out as Debian lays out a game, makes it read-only, and
# runs the installed game from an empty folder as a player would (see installed-game.sh).
# Usage: tests/e2e/install-check.sh BUILD_DIR
set -u
BUILD=$(readlink -f "${1:?usage: install-check.sh BUILD_DIR}")
. "$(dirname "$0")/checks.sh"
PREFIX="$WORK/prefix"
. "$(dirname "$0")/installed-game.sh"

run_or_fail "$WORK/install.log" cmake --install "$BUILD" --prefix "$PREFIX"

check "the overworld map is in share/gloamdelve/map/" \
  "$(cmp -s "$PREFIX/share/gloamdelve/map/1.overworld" "$BUILD/data/map/1.overworld" && echo same)" "same"
entry="$PREFIX/share/applications/gloamdelve.desktop"
check "the desktop entry runs gloamdelve with its icon" \
  "$(sed -n 's/^Exec=//p; s/^Icon=//p' "$entry" 2>/dev/null | tr '\n' ' ')" "gloamdelve gloamdelve "
check "an icon at every hicolor size" \
  "$(ls "$PREFIX"/share/icons/hicolor/*/apps/gloamdelve.png 2>/dev/null | wc -l | tr -d ' ')" "6"
check "a manual page in section 6" "$([ -s "$PREFIX/share/man/man6/gloamdelve.6.gz" ] && echo yes)" "yes"

chmod -R a-w "$PREFIX"
check_installed_game "$PREFIX/games/gloamdelve" "$PREFIX/share/gloamdelve"

[ "$failures" -eq 0 ] || { cat "$WORK/out/game.log"; exit 1; }
echo "install check passed"
