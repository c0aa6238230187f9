# A recorded windowed session at the default 60 passes a second, replayed headless at the same
# target rate, ends in the same state and the same picture.

REC="$WORK/session.input"
start_game record --record "$REC" --screenshot "$WORK/record.png"
hold_until F6 window_replaced "$(current_window)"
xdotool mousemove 200 150; sleep 0.3
xdotool mousedown 3; sleep 0.4; xdotool mouseup 3
xdotool keydown Right; sleep 0.3; xdotool keyup Right
sleep 1.5
quit_game
check "recorded session ends with status 0" "$EXIT_STATUS" "0"
"$GAME" --headless --fps 60 --input "$REC" --state "$WORK/replay.json" --screenshot "$WORK/replay.png" >/dev/null 2>&1
check "replay ends with status 0" "$?" "0"
check "replay state equals the recorded game's" "$(cmp -s "$STATE" "$WORK/replay.json" && echo same)" "same"
check "replay picture equals the recorded game's" "$(cmp -s "$WORK/record.png" "$WORK/replay.png" && echo same)" "same"
check "the session walked: a move order was given" "$(json_field "$STATE" "['player']['destX'] > 0")" "True"
