# The checks of every end-to-end script: one line a check, a count of checks and of failures, and
# a scratch folder removed at exit (write bits restored first, for a read-only installation).
WORK=$(mktemp -d)
trap 'chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
checks=0
failures=0
LEVEL_BYTES=65536  # one level of the world dump

check() {  # check DESCRIPTION ACTUAL EXPECTED
  checks=$((checks + 1))
  if [ "$2" = "$3" ]; then
    echo "  ok   $1"
  else
    echo "  FAIL $1: expected '$3', got '$2'"
    failures=$((failures + 1))
  fi
}

# json_field FILE EXPRESSION: prints d<EXPRESSION> of the JSON file read as d.
json_field() { python3 -c "import json,sys; d=json.load(open(sys.argv[1])); print(eval('d'+sys.argv[2]))" "$1" "$2"; }

# run_or_fail LOG COMMAND...: runs a step the checks need; on failure shows its log and stops.
run_or_fail() {
  log=$1; shift
  "$@" >"$log" 2>&1 || { cat "$log"; echo "FAILED: $*"; exit 1; }
}
