# Comfort mode in the real window: typing at 15 keys a second puts exactly the typed text on the
# console line, and F3 in the map view on a 1280 x 1024 screen gives a window that fits it.

start_game comfort-typing --comfort
timeout 2 xdotool windowfocus "$(current_window)" 2>/dev/null || true
xdotool key Tab; sleep 0.3
xdotool type --delay 67 "env4teleport 101 101 2"; sleep 0.3
quit_game
check "comfort: typed at 15 keys a second, the line holds exactly the text" \
  "$(json_field "$STATE" "['console']['line']")" "env4teleport 101 101 2"

# A second, smaller screen for the zoom check; the run's own screen comes back afterwards.
outer_display=$DISPLAY outer_xvfb=$XVFB_PID
if start_xvfb 1280x1024; then
  start_game comfort-fit --comfort
  hold_until F6 window_size_is 640x480
  hold_until F3 window_replaced "$(current_window)"
  sleep 0.3
  check "comfort: F3 in the map view on 1280x1024 takes the largest zoom that fits" "$(window_size)" "1280x960"
  check "comfort: the window lies wholly on the screen" \
    "$(window_origin | awk -F, '{print ($1 >= 0 && $2 >= 0 && $1 + 1280 <= 1280 && $2 + 960 <= 1024)}')" "1"
  quit_game
  stop_xvfb
else
  check "comfort: a 1280x1024 screen for the zoom check" "no server" "started"
fi
DISPLAY=$outer_display XVFB_PID=$outer_xvfb
