# The frame clock and latched input in a real window: passes meet the wall clock at the rate asked
# for, a paced game sleeps, and taps shorter than a pass or made during a pause are not lost.

pace_run paced60 F6
pace_run paced30 F6 --fps 30
pace_run uncapped F6 --fps 0
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
for key in e n v 4 t e l e p o r t space 1 0 1 space 1 0 1 space 2 Return; do
  keys="$keys keydown $key sleep 0.05 keyup $key sleep 0.117"
done
xdotool $keys
quit_game
check "typing at six keys a second keeps every letter" "$(json_field "$STATE" "['console']['line']")" \
  "env4teleport 101 101 2"
check "Return ran it: the player is on cell 101, 101 of level 2" \
  "$(json_field "$STATE" "['player']['cellX'], d['player']['cellY'], d['player']['level']" | tr -d '(),')" "101 101 2"

# On a French keyboard the letters sit elsewhere: A where QWERTY has Q, Z where it has W, M beside L.
start_game azerty
setxkbmap fr
xdotool keydown Tab sleep 0.05 keyup Tab sleep 0.6
xdotool key --delay 200 a z m
setxkbmap us
quit_game
check "letters follow the keyboard layout" "$(json_field "$STATE" "['console']['line']")" "azm"
