# A private Wine prefix for the Windows tests, made once and kept (making one takes minutes):
# WINEPREFIX if set, else one in the user's cache folder. No Wine chatter on stderr.
export WINEDEBUG=-all
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/gloamdelve-wine}"

# prepare_wine_prefix WINE_COMMAND: makes the prefix if it is not there yet.
prepare_wine_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  echo "  (making the Wine prefix $WINEPREFIX once)"
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$1" wineboot --init >/dev/null 2>&1 && wineserver -w 2>/dev/null
  [ -f "$WINEPREFIX/system.reg" ] || { echo "cannot make the Wine prefix $WINEPREFIX" >&2; return 1; }
}

# keep_wine_server_up: one Wine server for every program that follows, until stop_wine_server.
# A server that a Wine program started quits the moment its last program ends, and resets the
# connection of a program that connects meanwhile; one left quitting (from a build, say) is ended
# first. Inside run-all.sh, which keeps one up for all its checks, this does nothing.
keep_wine_server_up() {
  [ -z "${WINE_SERVER_KEPT:-}" ] || return 0
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
  wineserver -p || { echo "cannot start a Wine server that stays up" >&2; return 1; }
  export WINE_SERVER_KEPT=$$
}

# stop_wine_server: ends the server keep_wine_server_up started in this shell, if it did.
stop_wine_server() {
  [ "${WINE_SERVER_KEPT:-}" = "$$" ] || return 0
  wineserver -k 2>/dev/null || true
}
