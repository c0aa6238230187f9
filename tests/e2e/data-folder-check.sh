#!/bin/sh
# Runs the built game headless on data folders as players keep them: names in upper case, pictures
# or the map missing, and --data naming no folder.
# Usage: tests/e2e/data-folder-check.sh GAME DATA_DIR
set -u
GAME=$(readlink -f "${1:?usage: data-folder-check.sh GAME DATA_DIR}")
DATA=$(readlink -f "${2:?usage: data-folder-check.sh GAME DATA_DIR}")
. "$(dirname "$0")/checks.sh"

# play DATA_DIR NAME: one headless pass; leaves NAME.json, NAME.world, NAME.log and NAME.status.
play() {
  "$GAME" --headless --seed 3 --frames 1 --data "$1" --state "$WORK/$2.json" --dump-world "$WORK/$2.world" \
    >"$WORK/$2.log" 2>&1
  echo $? >"$WORK/$2.status"
}

cp -R "$DATA" "$WORK/upper"
# Every name below it upper-cased, deepest first so that renamed folders do not move files away.
find "$WORK/upper" -mindepth 1 -depth -name '*[a-z]*' -exec sh -c \
  'mv "$1" "$(dirname "$1")/$(basename "$1" | tr "[:lower:]" "[:upper:]")"' _ {} \;
check "the copy has upper-case names only" "$(find "$WORK/upper" -mindepth 1 -name '*[a-z]*' | wc -l | tr -d ' ')" "0"
play "$WORK/upper" upper
check "upper-cased data: exit status" "$(cat "$WORK/upper.status")" "0"
check "upper-cased data: pictures loaded" "$(json_field "$WORK/upper.json" "['spriteSlotsLoaded']")" "214"
check "upper-cased data: level 0 is the map" \
  "$(cmp -n $LEVEL_BYTES "$WORK/upper.world" "$DATA/map/1.overworld" >/dev/null 2>&1 && echo same)" "same"
check "upper-cased data: nothing said" "$(cat "$WORK/upper.log")" ""

rm "$WORK/upper/BMP_CUBE/"* "$WORK/upper/BMP_LAND/ROAD.BMP"
rm -r "$WORK/upper/MAP/1.OVERWORLD"
mkdir "$WORK/upper/MAP/1.OVERWORLD"
play "$WORK/upper" broken
check "missing pictures and map: the game still runs" "$(cat "$WORK/broken.status")" "0"
check "missing pictures: one line naming the first three" \
  "$(grep -c "^gloamdelve: loaded 206 of 214 pictures from $WORK/upper (missing: bmp_land/road.bmp, bmp_cube/" \
     "$WORK/broken.log")" "1"
check "unopenable map: one line naming it and why" \
  "$(grep -c "^gloamdelve: cannot open the overworld map $WORK/upper/MAP/1.OVERWORLD: Is a directory$" \
     "$WORK/broken.log")" "1"
check "unopenable map: level 0 holds only the start-up cells" \
  "$(head -c $LEVEL_BYTES "$WORK/broken.world" | tr -d '\000' | wc -c | tr -d ' ')" "2"
check "missing pictures and map: two lines in all" "$(wc -l <"$WORK/broken.log" | tr -d ' ')" "2"

for bad in "$WORK/absent" "$WORK/upper.json"; do
  "$GAME" --headless --frames 1 --data "$bad" >"$WORK/bad.out" 2>"$WORK/bad.log"
  check "--data $(basename "$bad"): exit status 2" "$?" "2"
  check "--data $(basename "$bad"): named on the first line" "$(head -n 1 "$WORK/bad.log" | grep -c "$bad")" "1"
  check "--data $(basename "$bad"): the usage follows" "$(grep -c '^usage: gloamdelve' "$WORK/bad.log")" "1"
done

[ "$failures" -eq 0 ] || exit 1
echo "data folder check passed"
