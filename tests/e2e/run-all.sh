#!/bin/sh
# Runs every end-to-end case against the shipped binary in a real window under Xvfb.
# Usage: tests/e2e/run-all.sh path/to/gloamdelve
set -u
GAME=$(readlink -f "${1:-build/gloamdelve}")
HERE=$(dirname "$(readlink -f "$0")")
SEND_CLOSE="$(dirname "$GAME")/e2e/send_close_request"
. "$HERE/checks.sh"
. "$HERE/lib.sh"
start_xvfb || exit 1
trap 'stop_xvfb; rm -rf "$WORK"' EXIT

for case_file in "$HERE"/case_*.sh; do
  echo "== $(basename "$case_file" .sh)"
  . "$case_file"
done

echo "end-to-end: $checks checks, $failures failed"
[ "$failures" -eq 0 ]
