# Playing in the real window: scrolling, level keys, the window move, zoom that keeps the picture,
# walking in the first-person view, and a console command typed key by key (typing at speed and a
# command that moves the player: case_pace.sh).

"$GAME" --headless --seed 5 --frames 0 --state "$WORK/start.json" >/dev/null 2>&1
start_sx=$(json_field "$WORK/start.json" "['viewOrigin'][0]")
start_x=$(json_field "$WORK/start.json" "['player']['cellX']")
start_y=$(json_field "$WORK/start.json" "['player']['cellY']")

start_game scroll
hold_until F6 window_replaced "$(current_window)"
xdotool keydown Left; sleep 0.3; xdotool keyup Left
xdotool keydown KP_Add; sleep 1.0; xdotool keyup KP_Add; sleep 0.5
xdotool mousemove 40 40; sleep 0.3
capture "$WORK/zoom1.png"
hold_until F2 window_size_is 1280x960
xdotool mousemove 80 80; sleep 0.5
capture "$WORK/zoom2.png"
convert "$WORK/zoom1.png" -crop 640x480+0+0 +repage "$WORK/zoom1-window.png"
convert "$WORK/zoom2.png" -crop 1280x960+0+0 +repage -sample 50% "$WORK/zoom2-window.png"
check "F2 shows the same picture twice as large" \
  "$(compare -metric AE "$WORK/zoom1-window.png" "$WORK/zoom2-window.png" null: 2>&1)" "0"
xdotool mousemove 300 200; sleep 0.3
hold_until m [ "$(window_origin)" = "300,200" ]
check "M moves the window's corner to the mouse" "$(window_origin)" "300,200"
quit_game
check "Left scrolled the map" "$(json_field "$STATE" "['viewOrigin'][0] < $start_sx")" "True"
check "numeric-pad plus went down a level or more" "$(json_field "$STATE" "['viewOrigin'][2] > 2")" "True"

start_game walk
xdotool mousemove 320 240; sleep 0.2
xdotool keydown z; sleep 1.5; xdotool keyup z
xdotool mousemove 500 240; xdotool mousedown 2; sleep 0.5; xdotool mouseup 2
xdotool mousedown 1; sleep 1.5; xdotool mouseup 1
quit_game
check "walking moved the player inside or out of the start cell" \
  "$(json_field "$STATE" "['player']['offsetX'] != 0.5 or d['player']['offsetY'] != 0.5 or \
      d['player']['cellX'] != $start_x or d['player']['cellY'] != $start_y")" "True"

start_game console
console_command "screensavertoggle"
quit_game
check "Tab opened the console" "$(json_field "$STATE" "['console']['visible']")" "1"
check "screensavertoggle switched the screen saver on" "$(json_field "$STATE" "['screenSaverMode']")" "1"
