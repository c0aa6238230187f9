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
  xdotool search --sync --onlyvisible --name "$WINDOW_NAMES" >/dev/null 2>&1 || { echo "no game window" >&2; return 1; }
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

# quit_game: Escape tapped every 0.3 s until the game has ended (in comfort mode Escape first
# closes the console, then asks, and quits on the next press), then its exit status in EXIT_STATUS.
quit_game() {
  timeout 2 xdotool windowfocus "$(current_window)" 2>/dev/null || true
  for _ in $(seq 50); do xdotool key Escape; sleep 0.3; game_ended && break; done
  wait_exit 10
}

# tap_until KEY CONDITION...: one short press on the game window, then up to 10 s for the condition.
# For toggles such as F11, which are not held: a held key auto-repeats into the next window.
tap_until() {
  key=$1; shift
  timeout 2 xdotool windowfocus "$(current_window)" 2>/dev/null || true
  xdotool keydown "$key"; sleep 0.1; xdotool keyup "$key"
  for _ in $(seq 100); do "$@" && { sleep 0.2; return 0; }; sleep 0.1; done
  echo "  (the game did not react to $key)"
  return 1
}

# current_window: the id of the game's window now (it is re-created on every mode or zoom change),
# titled "GAME" in the classic game and "GLOAMDELVE" in comfort mode.
WINDOW_NAMES='^(GAME|GLOAMDELVE)$'
current_window() { xdotool search --onlyvisible --name "$WINDOW_NAMES" 2>/dev/null | tail -n 1; }

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

# console_command TEXT: Tab opens the console, the text is typed and Return submits it. Each
# character is held long enough for one pass to see it, and released during the 120 ms pause that
# follows a typed character, so no second pass sees it.
console_command() {
  xdotool keydown Tab; sleep 0.1; xdotool keyup Tab; sleep 0.6
  printf '%s\n' "$1" | fold -w1 | while IFS= read -r ch; do
    case "$ch" in " ") key=space ;; *) key=$ch ;; esac
    xdotool keydown "$key" sleep 0.08 keyup "$key"; sleep 0.25
  done
  xdotool keydown Return; sleep 0.1; xdotool keyup Return; sleep 1.0
}

# A recording stamps each key change with its pass, on disk within the pass: two Shift taps five
# seconds apart tell how many passes ran in between, whatever start-up cost.
shift_frames() { awk '$2 == "down" && $3 == 16 {print $1}' "$1"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# pace_run NAME VIEW_KEY [ARGS...]: sets rate_NAME to the passes a second and cpu_NAME to the share
# of a core used over five seconds, in the view the key chooses (F5 first person, F6 the map).
pace_run() {
  name=$1; view_key=$2; shift 2
  start_game "$name" --record "$WORK/$name.input" "$@"
  hold_until "$view_key" window_replaced "$(current_window)"
  xdotool keydown shift sleep 0.05 keyup shift
  t0=$(date +%s.%N); c0=$(cpu_ticks "$GAME_PID")
  sleep 5
  xdotool keydown shift sleep 0.05 keyup shift
  t1=$(date +%s.%N); c1=$(cpu_ticks "$GAME_PID")
  sleep 0.3
  quit_game
  set -- $(shift_frames "$WORK/$name.input")
  set -- $(python3 -c "import sys, os
f0,f1,t0,t1,c0,c1=map(float,sys.argv[1:])
print('%.1f %.0f' % ((f1-f0)/(t1-t0), 100*(c1-c0)/os.sysconf('SC_CLK_TCK')/(t1-t0)))" \
    "${1-}" "${2-}" "$t0" "$t1" "$c0" "$c1")
  eval "rate_$name=${1-} cpu_$name=${2-}"
}

# within VALUE LOW HIGH
within() { python3 -c "import sys; v,l,h=map(float,sys.argv[1:]); print('yes' if l<=v<=h else 'no (%s)'%v)" "$@"; }
