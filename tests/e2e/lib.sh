# Shared helpers of the end-to-end tests, beside checks.sh: one Xvfb for the whole run, the game
# started in the background with its state written at exit, and conditions on its window.

# start_xvfb [WIDTHxHEIGHT]: a screen of that size (default 2048x1536) on the first free display.
start_xvfb() {
  for n in 91 92 93 94 95 96 97 98 99; do
    [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "${1:-2048x1536}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    kill "$XVFB_PID" 2>/dev/null
  done
  echo "cannot start Xvfb" >&2
  return 1
}

stop_xvfb() { kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; true; }

# start_game NAME [ARGS...]: starts the game with --state $WORK/NAME.json and waits for its window.
# The window appears part-way through start-up. F5 re-creates the window in the mode it already
# has, so a new window proves the loop is reading keys, and leaves nothing else changed.
start_game() {
  name=$1; shift
  STATE="$WORK/$name.json"
  rm -f "$STATE"
  "$GAME" --seed 5 --state "$STATE" "$@" >"$WORK/$name.log" 2>&1 &
  GAME_PID=$!
  xdotool search --sync --onlyvisible --name '^GAME$' >/dev/null 2>&1 || { echo "no game window" >&2; return 1; }
  hold_until F5 window_replaced "$(current_window)"
}

# wait_exit SECONDS: waits for the game to end and sets EXIT_STATUS (124 when it did not end).
# Not for a command substitution: only this shell can reap its own child.
wait_exit() {
  EXIT_STATUS=124
  for _ in $(seq $(( $1 * 10 ))); do
    if game_ended; then wait "$GAME_PID"; EXIT_STATUS=$?; return; fi
    sleep 0.1
  done
  kill "$GAME_PID" 2>/dev/null; wait "$GAME_PID" 2>/dev/null
}

# quit_game: Escape pressed until the game has ended (in comfort mode Escape first closes the
# console, then asks, and quits on the next press), then its exit status in EXIT_STATUS.
quit_game() { tap_until Escape game_ended; wait_exit 10; }

# tap_until KEY CONDITION...: presses and releases KEY every 0.3 s until the condition holds.
tap_until() {
  key=$1; shift
  timeout 2 xdotool windowfocus "$(current_window)" 2>/dev/null || true
  for _ in $(seq 50); do
    xdotool key "$key"
    sleep 0.3
    if "$@"; then return 0; fi
  done
  echo "  (the game did not react to $key)"
  return 1
}

# current_window: the id of the game's window now (it is re-created on every mode or zoom change).
current_window() { xdotool search --onlyvisible --name '^GAME$' 2>/dev/null | tail -n 1; }

# window_info AWK_PROGRAM: the game window's xwininfo read by the program, or "none" without a window.
window_info() {
  w=$(current_window)
  [ -n "$w" ] || { echo none; return; }  # xwininfo without an id would wait for a click
  xwininfo -id "$w" 2>/dev/null | awk "$1"
}
window_size() { window_info '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}'; }
window_origin() { window_info '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x "," y}'; }

# hold_until KEY CONDITION...: holds a key on the game window until the condition command
# succeeds (the game has seen the key), at most 15 seconds; then releases it. Fails on timeout.
hold_until() {
  key=$1; shift
  timeout 2 xdotool windowfocus "$(current_window)" 2>/dev/null || true
  xdotool keydown "$key"
  for _ in $(seq 150); do
    if "$@"; then xdotool keyup "$key"; sleep 0.2; return 0; fi
    sleep 0.1
  done
  xdotool keyup "$key"
  echo "  (the game did not react to $key)"
  return 1
}

# Conditions for hold_until.
window_replaced() { [ -n "$(current_window)" ] && [ "$(current_window)" != "$1" ]; }
window_size_is() { [ "$(window_size)" = "$1" ]; }
game_ended() { ! kill -0 "$GAME_PID" 2>/dev/null || [ "$(ps -o stat= -p "$GAME_PID" | cut -c1)" = "Z" ]; }

capture() { xwd -root -silent | convert xwd:- "$1"; }
