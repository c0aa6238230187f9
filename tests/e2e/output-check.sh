#!/bin/sh
# The built game's outputs never lose data: paths it cannot write are refused before the game starts
# (exit 2), a failed write exits 1 and leaves the file under its name as it was, a device or a pipe
# is written in place and never replaced. Full and read-only file systems are small tmpfs mounts,
# so those cases need root; without it they are reported as skipped.
# Usage: tests/e2e/output-check.sh GAME DATA_DIR
set -u
GAME=$(readlink -f "${1:?usage: output-check.sh GAME DATA_DIR}")
DATA=$(readlink -f "${2:?usage: output-check.sh GAME DATA_DIR}")
. "$(dirname "$0")/checks.sh"
GRID_BYTES=11796480 # 180 levels of 65536 cells

# run NAME OPTION...: a headless game of one pass (unless the options say more), stopped after 20 s;
# leaves NAME.log and NAME.status.
run() {
  name=$1; shift
  timeout 20 "$GAME" --headless --seed 3 --frames 1 --data "$DATA" "$@" >"$WORK/$name.out" 2>"$WORK/$name.log"
  echo $? >"$WORK/$name.status"
}
said() { grep -c "$2" "$WORK/$1.log"; }  # said NAME PATTERN: lines of NAME.log matching

# Refused at the start, long before a run of 2^31 passes would end: each path with its reason.
mkdir -p "$WORK/folder/out.png" && echo text >"$WORK/a-file"
for option in --state --dump-world --screenshot; do
  for row in "absent/out.png:the folder .*/absent does not exist" "a-file/out.png:.*/a-file is not a folder" \
             "folder/out.png:it is a folder"; do
    run refused --frames 2147483647 "$option" "$WORK/${row%%:*}"
    check "$option ${row%%:*}: exit 2 at once, the path and why" \
      "$(cat "$WORK/refused.status") $(said refused "cannot write $option $WORK/${row%%:*}: ${row#*:}$")" "2 1"
  done
done
# --record is a windowed option: its path is checked before any display is looked for.
DISPLAY= timeout 20 "$GAME" --record "$WORK/absent/rec.input" >/dev/null 2>"$WORK/record.log"
check "--record in a missing folder: exit 2, named" "$? $(said record "$WORK/absent/rec.input")" "2 1"

run jpg --screenshot "$WORK/shot.jpg"
check "--screenshot x.jpg: exit 2, nothing written" "$(cat "$WORK/jpg.status") $(ls "$WORK"/shot.* 2>/dev/null)" "2 "
run formats --screenshot "$WORK/SHOT.PNG" --state "$WORK/formats.json"
run formats-bmp --screenshot "$WORK/shot.bmp"
check "--screenshot .PNG and .bmp: exit 0, a PNG and a BMP" "$(cat "$WORK/formats.status") \
$(cat "$WORK/formats-bmp.status") $(head -c 4 "$WORK/SHOT.PNG" | tail -c 3) $(head -c 2 "$WORK/shot.bmp")" "0 0 PNG BM"

run input-folder --frames 2147483647 --input "$WORK/folder"
check "--input a folder: exit 2, named" "$(cat "$WORK/input-folder.status") $(said input-folder "$WORK/folder")" "2 1"

# Devices and pipes are written in place; a regular file is replaced whole.
run full --state /dev/full --dump-world "$WORK/full-world.bin"
check "--state /dev/full: exit 1" "$(cat "$WORK/full.status")" "1"
check "--state /dev/full: named with the reason" "$(said full "/dev/full.*No space left on device")" "1"
check "/dev/full is still a device" "$(test -c /dev/full && echo device)" "device"
check "the other outputs are still written" "$(wc -c <"$WORK/full-world.bin" | tr -d ' ')" "$GRID_BYTES"
timeout 20 "$GAME" --headless --seed 3 --frames 1 --data "$DATA" --state /dev/stdout 2>/dev/null |
  python3 -c "import json,sys; print(json.load(sys.stdin)['frame'])" >"$WORK/piped.txt"
check "--state /dev/stdout into a pipe: the JSON" "$(cat "$WORK/piped.txt")" "1"
echo old >"$WORK/kept.json"
run replaced --state "$WORK/kept.json"
check "an existing state file is replaced" "$(json_field "$WORK/kept.json" "['frame']")" "1"
check "no temporary file is left: only the outputs and the logs" "$(ls -A "$WORK" | LC_ALL=C sort | tr '\n' ' ' |
  sed 's/[^ ]*\.\(log\|out\|status\) //g')" "SHOT.PNG a-file folder formats.json full-world.bin kept.json piped.txt shot.bmp "

if [ "$(id -u)" -ne 0 ]; then
  echo "  skip full and read-only file systems: mounting a tmpfs needs root"
else
  # A file system with room for the state but not the world; an older world dump is in it.
  mkdir "$WORK/fs" "$WORK/ro"
  mount -t tmpfs -o size=1m tmpfs "$WORK/fs" && mount -t tmpfs -o ro,size=64k tmpfs "$WORK/ro"
  trap 'umount "$WORK/fs" "$WORK/ro"; rm -rf "$WORK"' EXIT
  echo "the older dump" >"$WORK/fs/world.bin"
  run nospace --state "$WORK/fs/state.json" --dump-world "$WORK/fs/world.bin"
  check "full file system: exit 1" "$(cat "$WORK/nospace.status")" "1"
  check "full file system: the file and the reason" "$(said nospace "$WORK/fs/world.bin.*No space left on device")" "1"
  check "full file system: the older file is kept whole" \
    "$(echo "the older dump" | cmp -s - "$WORK/fs/world.bin" && echo kept)" "kept"
  check "full file system: what fits is written" "$(json_field "$WORK/fs/state.json" "['frame']")" "1"
  check "full file system: nothing else is left" "$(ls -A "$WORK/fs" | tr '\n' ' ')" "state.json world.bin "
  run readonly --frames 2147483647 --state "$WORK/ro/state.json"
  check "read-only file system: exit 2 at once" "$(cat "$WORK/readonly.status")" "2"
  check "read-only file system: path and reason" "$(said readonly "$WORK/ro/state.json.*Read-only file system")" "1"
fi

echo "outputs: $checks checks, $failures failed"
[ "$failures" -eq 0 ] || exit 1
