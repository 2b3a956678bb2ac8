#!/usr/bin/env bash
# Builds the simulator optimised by a record of its own deals: first an
# instrumented build (build/sim-train) plays a few training tables and records
# how often each branch is taken (build/sim-profile), then build/sim is compiled
# from scratch with that record. The result is build/sim/bin/dealmoor-sim; it
# plays exactly the deals of any other build, only faster.
set -euo pipefail
cd "$(dirname "$0")/.."

record=build/sim-profile
tables=$(mktemp -d)
trap 'rm -rf "$tables"' EXIT

cmake --preset sim-train >/dev/null
cmake --build --preset sim-train

rm -rf "$record"
mkdir -p "$record"
printf '[GameSettings]\nPlayers=1\n[Player_1_Settings]\nHuman=0\n' >"$tables/one-seat.ini"
printf '[Player_1_Settings]\nHuman=0\n' >"$tables/six-seats.ini"
train() {
  # One thread a table: the record's counters are not shared safely between threads.
  build/sim-train/bin/dealmoor-sim --threads 1 "$@" >/dev/null
}
echo "training the simulator on five tables"
train --seed 1 --deals 300000 --fast-shuffle --settings "$tables/one-seat.ini"
train --seed 2 --deals 100000 --settings "$tables/one-seat.ini"
train --seed 3 --deals 100000 --fast-shuffle --settings "$tables/six-seats.ini"
train --seed 4 --deals 100000 --settings "$tables/six-seats.ini"
# The table of a first run: a human seat played by the hints beside five house seats.
train --seed 5 --deals 100000

cmake --preset sim >/dev/null
cmake --build --preset sim --clean-first
