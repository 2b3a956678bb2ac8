#!/usr/bin/env bash
# Runs the game offscreen with six seats played by the house on Auto Deal at
# Very Fast for a number of deals (default 1000), in a private home folder, and
# prints how fast it dealt, its memory at the start and the end, and any table
# invariant that broke. Exit status 1 when one did.
set -euo pipefail
cd "$(dirname "$0")/.."

deals=${1:-1000}
program=build/soak/tests/bin/game_under_test
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

echo "soak: $deals deals, six seats, Very Fast (load: $(cut -d' ' -f1-3 /proc/loadavg))"
HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
  QT_QPA_PLATFORM=offscreen "$program" --deals "$deals" --seats 6 2>/dev/null |
  grep -v '^deal ' || status=$?
exit "${status:-0}"
