#!/bin/sh
# The Windows game in a real window under Wine and Xvfb, driven by real key presses and clicks with
# the helpers of the Linux end-to-end tests.
# Usage: tests/windows/window-check.sh WINDOWS_EXE LINUX_GAME [WINE_COMMAND]
set -u
EXE=$(readlink -f "$1")
LINUX_GAME=$(readlink -f "$2")
WINE=${3:-/usr/lib/wine/wine64}
HERE=$(dirname "$(readlink -f "$0")")
. "$HERE/../e2e/checks.sh"
. "$HERE/../e2e/lib.sh"
. "$HERE/wine_prefix.sh"
start_xvfb 1280x1024 || exit 1
trap 'stop_wine_server; stop_xvfb; chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
prepare_wine_prefix "$WINE" || exit 1
keep_wine_server_up || exit 1
# No window manager runs on this display. Wine's X11 driver, left to expect one, waits 2 s at every
# window the game hides for a window manager to acknowledge it (the first step of DestroyWindow, so
# each re-creation stalls the game that long, and a key held meanwhile re-creates it again) and
# leaves the keyboard focus of each new window to a window manager. Told there is none, it maps and
# focuses the game's windows itself, as a window manager on a desktop does.
"$WINE" reg add 'HKCU\Software\Wine\AppDefaults\gloamdelve.exe\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
  { echo "cannot tell Wine that no window manager runs" >&2; exit 1; }

# Both builds paint the same pictures; each game reads the ones its own build made.
GAME="$WORK/gloamdelve-under-wine"
printf '#!/bin/sh\nexec "%s" "%s" --data "%s" "$@"\n' "$WINE" "$EXE" "$(dirname "$EXE")/data" >"$GAME"
chmod +x "$GAME"

# The start: where the mage stands, and a floor cell two to five cells from it that the map
# view shows (F6 keeps the view origin, so the cell's window pixel follows from both).
"$LINUX_GAME" --headless --seed 5 --frames 0 --state "$WORK/start.json" --dump-world "$WORK/world.bin" \
  >/dev/null 2>&1
set -- $(python3 - "$WORK/start.json" "$WORK/world.bin" <<'PY'
import json, sys
d = json.load(open(sys.argv[1])); level = open(sys.argv[2], 'rb').read()[2 * 65536:3 * 65536]
sx, sy, _ = d['viewOrigin']; px, py = d['player']['cellX'], d['player']['cellY']
floor = lambda x, y: level[y * 256 + x] == 60
for r in range(2, 6):
    for x, y in [(px + r, py), (px - r, py), (px, py + r), (px, py - r)]:
        if 0 <= x - sx < 40 and 0 <= y - sy < 30 and floor(x, y):
            print(x, y, (x - sx) * 16 + 8, 479 - ((y - sy) * 16 + 8)); sys.exit()
PY
)
target_x=$1 target_y=$2 click_x=$3 click_y=$4

echo "== walking"
start_game walk
hold_until F6 window_size_is 640x480
xdotool mousemove "$click_x" "$click_y" click 3
sleep 4
quit_game
check "Escape ends the game" "$EXIT_STATUS" "0"
check "F6 chose the map view" "$(json_field "$STATE" "['screen']['width']")" "640"
check "a right click walked the mage to the cell under the mouse" \
  "$(json_field "$STATE" "['player']['cellX'], d['player']['cellY']" | tr -d '(),')" "$target_x $target_y"

echo "== the console"
start_game console
console_command "env4teleport 101 101 2"
quit_game
check "Tab and the typed line reached the console" "$(json_field "$STATE" "['console']['line']")" \
  "env4teleport 101 101 2"
check "Enter ran it" "$(json_field "$STATE" "['player']['cellX'], d['player']['cellY'], d['player']['level']" | tr -d '(),')" \
  "101 101 2"

echo "== the map view against the Linux build"
# map_picture FILE: the game's window in the map view with the mouse at a fixed place.
map_picture() {
  start_game map
  hold_until F6 window_size_is 640x480
  xdotool mousemove 200 150
  sleep 1
  capture "$WORK/screen.png"
  convert "$WORK/screen.png" -crop 640x480+0+0 +repage "$1"
  quit_game
}
map_picture "$WORK/map-windows.png"
WINDOWS_GAME=$GAME
GAME=$LINUX_GAME
map_picture "$WORK/map-linux.png"
GAME=$WINDOWS_GAME
check "the map view is the Linux build's, pixel for pixel" \
  "$(compare -metric AE "$WORK/map-windows.png" "$WORK/map-linux.png" null: 2>&1)" "0"

echo "== pace"
pace_run map F6
pace_run firstperson F5
check "300 passes take 5.0 s +- 5% in the map view" "$(within "$rate_map" 57 63)" "yes"
check "and in the first-person view" "$(within "$rate_firstperson" 57 63)" "yes"
echo "  (map view ${rate_map}/s at ${cpu_map}% of a core; first person ${rate_firstperson}/s at" \
  "${cpu_firstperson}%)"

echo "windows window: $checks checks, $failures failed"
[ "$failures" -eq 0 ]
