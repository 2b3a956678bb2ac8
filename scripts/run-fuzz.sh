#!/usr/bin/env bash
# Runs each fuzz target built by the "fuzz" preset for FUZZ_SECONDS seconds,
# one after the other (default 60 s each). FUZZ_TARGETS="a b" runs only those.
#
# Seeds come from fuzz/corpus/<target>/ and fuzz/crashes/<target>/; inputs the
# run finds new go to build/fuzz/corpus/<target>/ (copy the few that matter
# into fuzz/corpus/ by hand). An input that breaks a check is written to
# fuzz/crashes/<target>/: commit it with its fix, and the test suite replays it.
# Exits 1 when any target found a fault.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/fuzz}
seconds=${FUZZ_SECONDS:-60}
only=${FUZZ_TARGETS:-}
list=$build/fuzz-targets.txt

if [ ! -s "$list" ]; then
  echo "run-fuzz: no targets listed in $list; build the fuzz preset first" >&2
  exit 2
fi

failed=()
while read -r name max_len program; do
  if [ -n "$only" ] && [[ " $only " != *" $name "* ]]; then
    continue
  fi
  work=$build/corpus/$name
  crashes=$root/fuzz/crashes/$name
  mkdir -p "$work" "$crashes"
  options=(-max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048
           -print_final_stats=1 -artifact_prefix="$crashes/")
  if [ -f "$root/fuzz/$name.dict" ]; then
    options+=(-dict="$root/fuzz/$name.dict")
  fi
  log=$build/$name.log
  echo "== $name: ${seconds} s, inputs up to $max_len bytes (log: $log)"
  "$program" "${options[@]}" "$work" "$root/fuzz/corpus/$name" "$crashes" >"$log" 2>&1
  status=$?
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|new_units_added|peak_rss_mb)' "$log"
  grep -E '^Done [0-9]+ runs' "$log"
  if [ $status -ne 0 ]; then
    echo "!! $name found a fault (exit $status):"
    grep -E 'check failed|ERROR: |SUMMARY: |Test unit written to' "$log" | head -n 8
    failed+=("$name")
  fi
done <"$list"

if [ ${#failed[@]} -gt 0 ]; then
  echo "Faults found by: ${failed[*]}" >&2
  exit 1
fi
echo "No fault found."
