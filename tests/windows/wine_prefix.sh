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
