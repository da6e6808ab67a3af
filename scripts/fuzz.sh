#!/usr/bin/env bash
# Runs every fuzz target built in build/fuzz.
#   fuzz.sh short        a short run of each (part of the test command)
#   fuzz.sh RUNS         RUNS executions of each (a campaign: fuzz.sh 1000000)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mode=${1:-short}
if [ "$mode" = short ]; then
  limits=(-runs=30000 -max_total_time=60)
else
  limits=(-runs="$mode")
fi
shopt -s nullglob
found=0
for fuzzer in "$root"/build/fuzz/fuzz/*_fuzzer; do
  name=$(basename "$fuzzer")
  corpus="$root/build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  echo "-- $name"
  log="$root/build/fuzz/$name.log"
  if ! "$fuzzer" "${limits[@]}" -print_final_stats=1 -close_fd_mask=3 "$corpus" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz: $name failed (log: $log)" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$log"
  found=$((found + 1))
done
echo "fuzz: $found targets ran clean"
