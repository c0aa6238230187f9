# Comfort mode's window in a real X session: its title and icon (the classic window keeps "GAME"
# and none), F11 to the size of the screen and back, and a right click after a resize walking to
# the cell under the pointer, wherever the scaled picture sits in the window.

start_game classic-window
check "classic: the window is titled GAME" "$(xdotool getwindowname "$(current_window)")" "GAME"
check "classic: the window carries no icon" "$(xprop -id "$(current_window)" _NET_WM_ICON)" "_NET_WM_ICON:  not found."
quit_game

# The map view a comfort game opens on, and a floor cell 3 to 6 steps from the mage along floor
# cells, on show: where the click will send it.
printf '0 down 117\n0 up 117\n' >"$WORK/map.txt"
"$GAME" --headless --comfort --seed 5 --frames 3 --input "$WORK/map.txt" --state "$WORK/comfort-map.json" \
  --dump-world "$WORK/comfort-world.bin" >/dev/null 2>&1
set -- $(python3 - "$WORK/comfort-map.json" "$WORK/comfort-world.bin" <<'EOF_PY'
import json, sys
from collections import deque
d = json.load(open(sys.argv[1])); p = d['player']
sx, sy, z = d['viewOrigin']
level = open(sys.argv[2], 'rb').read()[z * 65536:(z + 1) * 65536]
start = (p['cellX'], p['cellY']); steps = {start: 0}; queue = deque([start])
while queue:
    x, y = queue.popleft()
    if 3 <= steps[(x, y)] <= 6 and sx + 2 <= x < sx + 38 and sy + 4 <= y < sy + 28:
        print(sx, sy, x, y); break
    for n in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
        if n not in steps and level[n[1] * 256 + n[0]] == 60:
            steps[n] = steps[(x, y)] + 1; queue.append(n)
EOF_PY
)
view_x=${1-} view_y=${2-} target_x=${3-} target_y=${4-}

start_game comfort-window --comfort
window=$(current_window)
check "comfort: the window is titled GLOAMDELVE" "$(xdotool getwindowname "$window")" "GLOAMDELVE"
check "comfort: the window carries the game's 64 x 64 icon" \
  "$(xprop -id "$window" _NET_WM_ICON | grep -c 'Icon (64 x 64)')" "1"
hold_until F6 window_replaced "$window"
before_size=$(window_size)
before_origin=$(window_origin)
screen_size=$(xdpyinfo | awk '/dimensions:/ {print $2}')
tap_until F11 window_size_is "$screen_size"
check "comfort: F11 makes the window the size of the screen" "$(window_size) at $(window_origin)" "$screen_size at 0,0"
tap_until F11 window_size_is "$before_size"
check "comfort: F11 again gives the window back where it was" "$(window_size) at $(window_origin)" \
  "$before_size at $before_origin"

# A window of another shape: the 640 x 480 picture at zoom 1 in its middle, with bars of 180 and 110.
xdotool windowsize "$(current_window)" 1000 700
for _ in $(seq 20); do [ "$(window_size)" = 1000x700 ] && break; sleep 0.1; done
sleep 0.3
origin=$(window_origin)
pointer_x=$(( ${origin%,*} + 180 + (target_x - view_x) * 16 + 8 ))
pointer_y=$(( ${origin#*,} + 110 + 480 - (target_y - view_y) * 16 - 8 ))
xdotool mousemove "$pointer_x" "$pointer_y"; sleep 0.3
xdotool mousedown 3; sleep 0.3; xdotool mouseup 3; sleep 0.5
quit_game
check "comfort: after a resize, a right click orders a walk to the cell under the pointer" \
  "$(json_field "$STATE" "['player']['destX'], d['player']['destY']" | tr -d '(),')" "$target_x $target_y"
check "comfort: the route found ends on that cell" \
  "$(json_field "$STATE" "['player']['path'][0]" | tr -d '[],')" "$target_x $target_y"
