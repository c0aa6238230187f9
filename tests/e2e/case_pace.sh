# The frame clock and latched input in a real window: passes meet the wall clock at the rate asked
# for, a paced game sleeps, and taps shorter than a pass or made during a pause are not lost.

# A recording stamps each key change with its pass, on disk within the pass: two Shift taps five
# seconds apart tell how many passes ran in between, whatever start-up cost.
shift_frames() { awk '$2 == "down" && $3 == 16 {print $1}' "$1"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# pace_run NAME [ARGS...]: sets rate_NAME to the passes a second and cpu_NAME to the share of a
# core used over five seconds.
pace_run() {
  name=$1; shift
  start_game "$name" --record "$WORK/$name.input" "$@"
  hold_until F6 window_replaced "$(current_window)"  # the map view
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

pace_run paced60
pace_run paced30 --fps 30
pace_run uncapped --fps 0
check "the default rate is 60 passes a second (300 passes in 5.0 s +- 5%)" "$(within "$rate_paced60" 57 63)" "yes"
check "--fps 30 runs 30 passes a second" "$(within "$rate_paced30" 28.5 31.5)" "yes"
check "--fps 0 runs faster than the default rate" "$(within "$rate_uncapped" 63 100000)" "yes"
echo "  (map view: paced ${rate_paced60}/s at ${cpu_paced60}% of a core;" \
  "uncapped ${rate_uncapped}/s at ${cpu_uncapped}%)"

start_game escape_in_pause
# A level-key tap starts a 380 ms pause; an Escape tap 150 ms into it must still end the game.
xdotool keydown KP_Add sleep 0.05 keyup KP_Add sleep 0.15 keydown Escape sleep 0.05 keyup Escape
wait_exit 10
check "an Escape tap during a level-key pause ends the game" "$EXIT_STATUS" "0"
check "the level key was taken once" "$(json_field "$STATE" "['viewOrigin'][2]")" \
  "$(( $(json_field "$STATE" "['player']['level']") + 1 ))"

start_game typing
xdotool keydown Tab sleep 0.05 keyup Tab sleep 0.6
# Six keys a second, each a 50 ms tap, in one xdotool so the script's own timing stays exact.
keys=""
for key in e n v 4 t e l e p o r t space 1 0 1 space 1 0 1 space 2; do
  keys="$keys keydown $key sleep 0.05 keyup $key sleep 0.117"
done
xdotool $keys
quit_game
check "typing at six keys a second keeps every letter" "$(json_field "$STATE" "['console']['line']")" \
  "env4teleport 101 101 2"

# On a French keyboard the letters sit elsewhere: A where QWERTY has Q, Z where it has W, M beside L.
start_game azerty
setxkbmap fr
xdotool keydown Tab sleep 0.05 keyup Tab sleep 0.6
xdotool key --delay 200 a z m
setxkbmap us
quit_game
check "letters follow the keyboard layout" "$(json_field "$STATE" "['console']['line']")" "azm"
