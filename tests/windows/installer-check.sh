#!/bin/sh
# The Windows packages as a player gets them, under Wine in a private prefix: the 64-bit zip's game
# plays the data and map beside its .exe; the 64-bit installer installs silently, its game plays a
# per-user copy of the map and leaves the install folder as it was, and the uninstaller leaves
# nothing behind.
# Usage: tests/windows/installer-check.sh [FOLDER]   (FOLDER holds the packages; default build-windows)
# Takes a few minutes: most of it is creating the Wine prefix.
set -eu

repo=$(cd "$(dirname "$0")/../.." && pwd)
packages=$(cd "${1:-$repo/build-windows}" && pwd)

fail() {
  printf "installer-check: FAIL: %s\n" "$*" >&2
  exit 1
}
say() { printf "installer-check: %s\n" "$*"; }

wine64=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver64
for tool in "$wine64" "$wineserver" Xvfb xdpyinfo unzip; do
  command -v "$tool" > /dev/null || fail "$tool not found (scripts/windows.sh installs it)"
done

set -- "$packages"/gloamdelve-*-win64-setup.exe
if [ $# -ne 1 ] || [ ! -f "$1" ]; then fail "expected one gloamdelve-VERSION-win64-setup.exe in $packages"; fi
setup=$1
version=${setup##*/gloamdelve-}
version=${version%-win64-setup.exe}
zip=$packages/gloamdelve-$version-win64.zip
[ -f "$zip" ] || fail "no $zip beside $setup"

work=$(mktemp -d "${TMPDIR:-/tmp}/gloamdelve-installer-check.XXXXXX")
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
XVFB_PID=
cleanup() {
  status=$?
  "$wineserver" -k > /dev/null 2>&1 || true
  if [ -n "$XVFB_PID" ]; then stop_xvfb; fi
  if [ "$status" -eq 0 ] || [ -z "${GLOAMDELVE_KEEP_CHECK:-}" ]; then
    rm -rf "$work"
  else
    echo "installer-check: kept $work (GLOAMDELVE_KEEP_CHECK)" >&2
  fi
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A display of our own: even a headless run opens a hidden window for its GL context.
. "$repo/tests/e2e/lib.sh"
start_xvfb 1280x1024 || fail "no Xvfb display"

say "creating a 64-bit Wine prefix (this takes a while)"
started=$(date +%s)
"$wine64" wineboot --init > "$work/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -5 "$work/wineboot.log")"
"$wineserver" -w
say "prefix ready in $(($(date +%s) - started)) s"
drive_c=$WINEPREFIX/drive_c
[ -d "$drive_c/Program Files" ] || fail "the prefix has no Program Files folder"

# %LOCALAPPDATA% of this prefix as a Linux path.
local_app_data_win=$("$wine64" cmd /c echo %LOCALAPPDATA% 2> /dev/null | tr -d '\r')
local_app_data=$("$wine64" winepath -u "$local_app_data_win" 2> /dev/null | tr -d '\r')
local_app_data=${local_app_data%/}
[ -d "$local_app_data" ] || fail "LOCALAPPDATA ($local_app_data_win) is not a folder: $local_app_data"
user_copy=$local_app_data/GLOAMDELVE/map/1.overworld

# Runs the game headless for 5 passes in folder $1 as Windows program $2, with the state, the
# world dump and stderr left in $1; fails unless it exits 0 with all 214 pictures loaded.
run_game() {
  (cd "$1" && "$wine64" "$2" --headless --seed 7 --frames 5 --state state.json --dump-world world.bin \
    > stdout.txt 2> stderr.txt) || fail "the game at $2 exited with $?: $(cat "$1/stderr.txt")"
  grep -q '"spriteSlotsLoaded":214[,}]' "$1/state.json" ||
    fail "the game at $2 did not load 214 pictures: $(cat "$1/state.json") $(cat "$1/stderr.txt")"
  if grep -q 'loaded [0-9]* of 214' "$1/stderr.txt"; then fail "the game at $2 complained: $(cat "$1/stderr.txt")"; fi
  [ "$(wc -c < "$1/world.bin")" -eq $((180 * 65536)) ] || fail "the world dump of $2 has the wrong size"
}

# True when level 0 of the world dump in folder $1 equals the map file $2.
level0_is() {
  head -c 65536 "$1/world.bin" | cmp -s - "$2"
}

# Flips one byte in the middle of a map file (a cell code the game reads as it is).
change_a_cell() {
  byte=$(od -An -tu1 -j 32896 -N 1 "$1" | tr -d ' ')
  # shellcheck disable=SC2059 # the format is the one octal escape of the new byte
  printf "$(printf '\\%03o' $(((byte + 1) % 256)))" | dd of="$1" bs=1 seek=32896 conv=notrunc status=none
}

listing() { (cd "$1" && find . -print | LC_ALL=C sort); }
start_menu() { find "$drive_c" -path '*/Start Menu/*' -print 2> /dev/null | LC_ALL=C sort; }

# Fails with message $3 and the start of the difference unless files $1 and $2 are the same.
same_or_fail() {
  cmp -s "$1" "$2" || fail "$3: $(diff "$1" "$2" | head)"
}

# ---- the zip ---------------------------------------------------------------------------------
say "checking $(basename "$zip")"
mkdir "$work/unzipped" "$work/zip-run"
unzip -q "$zip" -d "$work/unzipped"
top=$(ls -A "$work/unzipped")
[ "$top" = "gloamdelve-$version-win64" ] || fail "the zip should hold one folder gloamdelve-$version-win64, holds: $top"
game=$work/unzipped/$top
for item in gloamdelve.exe README.txt LICENSE.txt map/1.overworld bmp_dungeon bmp_unit bmp_cube; do
  [ -e "$game/$item" ] || fail "the zip has no $top/$item"
done
[ ! -e "$game/installed.txt" ] || fail "the zip holds the installer's marker installed.txt"
grep -q "Permission is granted to anyone to use this software for any purpose" "$game/LICENSE.txt" ||
  fail "LICENSE.txt is not the zlib licence"
[ "$(head -n 1 "$game/README.txt" | tail -c 2 | od -An -tx1 | tr -d ' \n')" = 0d0a ] ||
  fail "README.txt does not have Windows line ends"
printed=$("$wine64" "$game/gloamdelve.exe" --version 2> /dev/null | tr -d '\r')
[ "$printed" = "gloamdelve $version" ] || fail "the zip's game says '$printed', its name says $version"

zip_map=$game/map/1.overworld
cp "$zip_map" "$work/zip-map.orig"
change_a_cell "$zip_map"
cmp -s "$zip_map" "$work/zip-map.orig" && fail "could not change a cell of the zip's map"
run_game "$work/zip-run" "$("$wine64" winepath -w "$game/gloamdelve.exe" | tr -d '\r')"
level0_is "$work/zip-run" "$zip_map" || fail "level 0 of the zip's game is not the map beside its .exe"
[ ! -e "$local_app_data/GLOAMDELVE" ] || fail "the zip's game made a per-user folder $local_app_data/GLOAMDELVE"
written=$(cd "$work/zip-run" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
[ "$written" = "./state.json ./stderr.txt ./stdout.txt ./world.bin " ] ||
  fail "the zip's game wrote other files than asked into its working folder: $written"
say "zip: one folder, $(find "$game" -type f | wc -l) files, 214 pictures, the map beside the .exe played"

# ---- the installer ---------------------------------------------------------------------------
say "installing $(basename "$setup") silently"
program_files=$drive_c/Program\ Files
listing "$program_files" > "$work/program-files.before"
start_menu > "$work/start-menu.before"

started=$(date +%s)
"$wine64" "$setup" /S > "$work/setup.log" 2>&1 || fail "the installer exited with $?: $(cat "$work/setup.log")"
"$wineserver" -w
say "installed in $(($(date +%s) - started)) s"
installed=$program_files/GLOAMDELVE
for item in gloamdelve.exe installed.txt Uninstall.exe README.txt LICENSE.txt map/1.overworld bmp_dungeon bmp_unit; do
  [ -e "$installed/$item" ] || fail "the installation has no $item in $installed"
done
shortcut=$(find "$drive_c" -path '*/Start Menu/Programs/GLOAMDELVE/GLOAMDELVE.lnk' 2> /dev/null | head -n 1)
[ -n "$shortcut" ] || fail "no Start-menu entry GLOAMDELVE/GLOAMDELVE.lnk"
say "installed: $(find "$installed" -type f | wc -l) files, Start-menu entry ${shortcut#"$drive_c"/}"
# The installation is the zip's content plus the marker and the uninstaller.
(cd "$game" && find . -type f | LC_ALL=C sort) > "$work/zip.files"
(cd "$installed" && find . -type f | grep -v -x -e ./installed.txt -e ./Uninstall.exe | LC_ALL=C sort) > "$work/installed.files"
same_or_fail "$work/zip.files" "$work/installed.files" "the installer installed other files than the zip holds"
cmp -s "$installed/map/1.overworld" "$work/zip-map.orig" || fail "the installed map differs from the zip's"

snapshot() { (cd "$installed" && find . -type f -exec sha256sum {} + | LC_ALL=C sort && find . -type d | LC_ALL=C sort); }
snapshot > "$work/installed.before"

mkdir "$work/installed-run" "$work/installed-run-2"
exe_win=$("$wine64" winepath -w "$installed/gloamdelve.exe" | tr -d '\r')
[ ! -e "$user_copy" ] || fail "a per-user map exists before the installed game ran"
run_game "$work/installed-run" "$exe_win"
[ -f "$user_copy" ] || fail "the installed game made no per-user map $user_copy"
cmp -s "$user_copy" "$installed/map/1.overworld" || fail "the per-user map is not a copy of the installed one"
level0_is "$work/installed-run" "$user_copy" || fail "level 0 of the installed game is not its map"
# The copy, not the installed map, is what the game plays from now on.
change_a_cell "$user_copy"
run_game "$work/installed-run-2" "$exe_win"
level0_is "$work/installed-run-2" "$user_copy" || fail "level 0 of the second run is not the per-user copy"
level0_is "$work/installed-run-2" "$installed/map/1.overworld" && fail "the second run played the installed map"
snapshot > "$work/installed.after"
same_or_fail "$work/installed.before" "$work/installed.after" "the installed game changed its install folder"
say "installed game: 214 pictures, map copied to $local_app_data_win\\GLOAMDELVE\\map\\1.overworld and played from there, install folder unchanged"

say "uninstalling silently"
"$wine64" "$installed/Uninstall.exe" /S > "$work/uninstall.log" 2>&1 || fail "the uninstaller exited with $?"
"$wineserver" -w  # the uninstaller runs from a copy of itself in the temp folder
for _ in $(seq 60); do
  [ -e "$installed" ] || break
  sleep 1
done
[ ! -e "$installed" ] || fail "the uninstaller left $installed: $(cd "$installed" && find . | head)"
listing "$program_files" > "$work/program-files.after"
same_or_fail "$work/program-files.before" "$work/program-files.after" "Program Files differs after the uninstall"
start_menu > "$work/start-menu.after"
same_or_fail "$work/start-menu.before" "$work/start-menu.after" "the Start menu differs after the uninstall"
say "uninstalled: Program Files and the Start menu as before"
say "PASS"
