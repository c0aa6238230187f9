# Sourced by install-check.sh and package-check.sh: what an installed game must do for a player.
# Needs WORK (a scratch folder the player may enter) and checks.sh sourced before it.

# Runs a command as a player: root drops to nobody, anyone else is already unprivileged.
as_player() {
  if [ "$(id -u)" -eq 0 ]; then
    setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
  else
    "$@"
  fi
}

# Every file below $1 with its checksum, so a later listing shows anything added or changed.
snapshot() { (cd "$1" && find . -exec sh -c 'printf "%s " "$1"; [ -f "$1" ] && md5sum <"$1" || echo' _ {} \; | sort); }

# check_installed_game PROGRAM DATA_DIR [EXTRA GAME OPTIONS...]: runs the installed game headless as
# a player with a fresh home and no XDG_DATA_HOME, from an empty folder, and checks that it finds
# its data alone, loads every picture, plays the installed map on level 0 from a per-user copy,
# says nothing else and writes nothing into the installation.
check_installed_game() {
  program=$1 data=$2; shift 2
  chmod 755 "$WORK"
  mkdir -m 777 "$WORK/empty" "$WORK/out"
  mkdir -m 700 "$WORK/home"
  [ "$(id -u)" -eq 0 ] && chown 65534:65534 "$WORK/home"
  snapshot "$data" >"$WORK/before.list"
  (cd "$WORK/empty" && as_player env -u XDG_DATA_HOME HOME="$WORK/home" "$program" --headless --seed 1 \
     --frames 2 --state "$WORK/out/state.json" --dump-world "$WORK/out/world.bin" "$@" >"$WORK/out/game.log" 2>&1)
  check "the installed game exits with status 0" "$?" "0"
  check "it announces the installed data folder and says nothing else" \
    "$(cat "$WORK/out/game.log")" "gloamdelve: using the game data in $data"
  check "every picture loaded from the installed data" \
    "$(json_field "$WORK/out/state.json" "['spriteSlotsLoaded']")" "214"
  check "level 0 is the installed overworld map" \
    "$(cmp -n $LEVEL_BYTES "$data/map/1.overworld" "$WORK/out/world.bin" >/dev/null 2>&1 && echo same)" "same"
  check "the player's own copy of the map was made" \
    "$(cmp -s "$data/map/1.overworld" "$WORK/home/.local/share/gloamdelve/map/1.overworld" && echo same)" "same"
  snapshot "$data" >"$WORK/after.list"
  check "nothing was written into the installed data" "$(diff "$WORK/before.list" "$WORK/after.list")" ""
  check "the empty working folder stays empty" "$(ls -A "$WORK/empty")" ""
}
