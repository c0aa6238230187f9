#!/bin/sh
# Builds the Debian package from a build, checks it with the Debian tools, installs it with apt,
# runs the installed game headless as a player (see installed-game.sh), takes the screenshot the
# AppStream metadata shows, and removes the package again, leaving nothing behind.
# Needs root (or sudo) for apt. Usage: tests/e2e/package-check.sh BUILD_DIR
set -u
BUILD=$(readlink -f "${1:?usage: package-check.sh BUILD_DIR}")
. "$(dirname "$0")/checks.sh"
. "$(dirname "$0")/installed-game.sh"
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi

rm -f "$BUILD"/gloamdelve_*.deb
(cd "$BUILD" && run_or_fail "$WORK/cpack.log" cpack -G DEB) || exit 1
deb=$(ls "$BUILD"/gloamdelve_*_*.deb)
check "one package, named gloamdelve_<version>_<arch>.deb" "$(echo "$deb" | wc -w | tr -d ' ')" "1"
check "its dependencies come from the binary" "$(dpkg-deb -f "$deb" Depends | grep -c 'libsdl2-2.0-0')" "1"

dpkg-deb -x "$deb" "$WORK/unpacked"
lintian --fail-on error "$deb" >"$WORK/lintian.log" 2>&1
check "lintian finds no error" "$? $(grep -c '^E:' "$WORK/lintian.log")" "0 0"
desktop-file-validate "$WORK/unpacked/usr/share/applications/gloamdelve.desktop" >"$WORK/desktop.log" 2>&1
check "desktop-file-validate passes" "$? $(cat "$WORK/desktop.log")" "0 "
appstreamcli validate --no-net "$WORK"/unpacked/usr/share/metainfo/*.metainfo.xml >"$WORK/appstream.log" 2>&1
check "appstreamcli validate passes" "$?" "0"
check "the manual page formats without warnings" \
  "$(zcat "$WORK/unpacked/usr/share/man/man6/gloamdelve.6.gz" | man -l --warnings -E UTF-8 - 2>&1 >/dev/null)" ""

(cd "$BUILD" && $SUDO env DEBIAN_FRONTEND=noninteractive \
   apt-get install -y -q --no-install-recommends "./$(basename "$deb")" >"$WORK/apt.log" 2>&1)
check "apt installs the package" "$?" "0"
check "the game is in /usr/games" "$([ -x /usr/games/gloamdelve ] && echo yes)" "yes"
check "man 6 gloamdelve finds the page" "$(man -w 6 gloamdelve 2>&1)" "/usr/share/man/man6/gloamdelve.6.gz"

# The first-person view at start-up, then F6 (the top-down map) on pass 2, the mouse mid-screen.
printf '1 mouse 320 240\n2 down 117\n3 up 117\n' >"$WORK/to-map.txt"
chmod 644 "$WORK/to-map.txt"
check_installed_game /usr/games/gloamdelve /usr/share/gloamdelve \
  --frames 6 --input "$WORK/to-map.txt" --screenshot "$WORK/out/screenshot.png"
mkdir -p "$BUILD/package" && cp "$WORK/out/screenshot.png" "$BUILD/package/screenshot.png" 2>/dev/null
check "the screenshot shows the map view" "$(identify -format '%w %h' "$BUILD/package/screenshot.png" 2>&1)" "640 480"

$SUDO env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -q gloamdelve >"$WORK/apt-remove.log" 2>&1
check "apt removes the package" "$?" "0"
check "nothing of it is left" \
  "$(ls -d /usr/games/gloamdelve /usr/share/gloamdelve /usr/share/doc/gloamdelve 2>/dev/null)" ""

[ "$failures" -eq 0 ] || { cat "$WORK/lintian.log" "$WORK/appstream.log" "$WORK/out/game.log" 2>/dev/null; exit 1; }
echo "package check passed"
