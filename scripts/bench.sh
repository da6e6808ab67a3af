#!/usr/bin/env bash
# Builds the optimised Linux tree and runs every benchmark in bench/ (each bench/*.sh gets the
# build folder as its argument). Takes a few minutes and several GiB in build/bench-data.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" linux
for bench in "$root"/bench/*.sh; do
  echo "== $(basename "$bench" .sh)"
  bash "$bench" "$root/build/linux"
done
