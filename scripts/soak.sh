#!/usr/bin/env bash
# Runs the game offscreen with six seats played by the house on Auto Deal at
# Very Fast for a number of deals (default 1000), in a private home folder. It
# shows every hundredth deal as it goes, any table invariant that broke at once,
# and at the end how fast it dealt and its memory at the start and the end.
# Exit status 1 when an invariant broke.
set -euo pipefail
cd "$(dirname "$0")/.."

deals=${1:-1000}
program=build/soak/tests/bin/game_under_test
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# Every hundredth "deal N credits ..." line as a count, every other line as it
# comes. Read line by line in the shell: awk may read a pipe a block at a time
# (mawk does), which held a broken invariant back for dozens of deals.
show_progress() {
  local line count
  while IFS= read -r line; do
    if [[ $line == "deal "* ]]; then
      count=${line#deal }
      count=${count%% *}
      if ((count % 100 == 0)); then
        echo "  $count deals"
      fi
    else
      printf '%s\n' "$line"
    fi
  done
}

echo "soak: $deals deals, six seats, Very Fast (load: $(cut -d' ' -f1-3 /proc/loadavg))"
HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
  QT_QPA_PLATFORM=offscreen "$program" --deals "$deals" --seats 6 2>/dev/null |
  show_progress || status=$?
exit "${status:-0}"
