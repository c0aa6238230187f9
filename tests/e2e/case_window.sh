# The window itself: size at start, F6 and F5 mode switches, zoom keys, Escape and a close request.

start_game window
check "start-up window is 640x480 (320x240 at zoom 2)" "$(window_size)" "640x480"
check "window at the top-left corner" "$(window_origin)" "0,0"
hold_until F6 window_replaced "$(current_window)"
check "F6 gives the 640x480 map at zoom 1" "$(window_size)" "640x480"
hold_until F3 window_size_is 1920x1440
check "F3 gives zoom 3: 1920x1440" "$(window_size)" "1920x1440"
hold_until F1 window_size_is 640x480
hold_until F5 window_size_is 640x480
hold_until F5 window_replaced "$(current_window)"
hold_until Escape game_ended
wait_exit 10
check "Escape ends with status 0" "$EXIT_STATUS" "0"
check "state written at exit: quit requested" "$(json_field "$STATE" "['quitRequested']")" "1"
check "state: F5 left 320x240 at zoom 2" "$(json_field "$STATE" "['screen']")" "{'width': 320, 'height': 240, 'zoom': 2}"

start_game close
"$SEND_CLOSE" "$(current_window)"
wait_exit 10
check "a close request ends with status 0" "$EXIT_STATUS" "0"
check "state after a close request: quit requested" "$(json_field "$STATE" "['quitRequested']")" "1"
