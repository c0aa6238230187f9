# The window itself: size at start, F6 and F5 mode switches, zoom keys, Escape and a close request.
# Each key is held until the game shows it reacted; a key the game ignores fails its own check.

reacts_to() { check "the game reacts to $1" "$(hold_until "$@" >/dev/null && echo yes)" "yes"; }

start_game window
check "start-up window is 640x480 (320x240 at zoom 2)" "$(window_size)" "640x480"
check "window at the top-left corner" "$(window_origin)" "0,0"
reacts_to F6 window_replaced "$(current_window)"
check "F6 gives the 640x480 map at zoom 1" "$(window_size)" "640x480"
reacts_to F3 window_size_is 1920x1440
reacts_to F1 window_size_is 640x480
reacts_to F5 window_replaced "$(current_window)"
reacts_to Escape game_ended
wait_exit 10
check "Escape ends with status 0" "$EXIT_STATUS" "0"
check "state written at exit: quit requested" "$(json_field "$STATE" "['quitRequested']")" "1"
check "state: F5 left 320x240 at zoom 2" "$(json_field "$STATE" "['screen']")" "{'width': 320, 'height': 240, 'zoom': 2}"

start_game close
"$SEND_CLOSE" "$(current_window)"
wait_exit 10
check "a close request ends with status 0" "$EXIT_STATUS" "0"
check "state after a close request: quit requested" "$(json_field "$STATE" "['quitRequested']")" "1"
