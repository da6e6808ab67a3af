#!/usr/bin/env bash
# The XML reader on a generated patch list of 50,000 entries (about 5 MB) and of ten times that,
# against pugixml on the same text; then the two ratios that matter: against pugixml, and how the
# time grows with ten times the entries. Each case runs in a process of its own, so that no case
# inherits a heap that another one has grown.
# Usage: xml.sh BUILD_DIR   (an optimised build: scripts/build.sh linux)
set -euo pipefail
build=${1:?build folder}
csv=$(mktemp)
trap 'rm -f "$csv" "$csv.one"' EXIT
for name in BM_Veyra BM_Pugixml BM_VeyraScanEntries; do
  for entries in 50000 500000; do
    "$build/bench/xml_bench" --benchmark_filter="^$name/$entries\$" --benchmark_repetitions=3 \
      --benchmark_report_aggregates_only=true --benchmark_out="$csv.one" \
      --benchmark_out_format=csv | grep _median
    cat "$csv.one" >>"$csv"
  done
done
# Medians of CPU time: on a shared machine the wall-clock time mostly measures the neighbours.
awk -F, '/_median"?,/ { gsub(/"|_median/, "", $1); t[$1] = $4 }
  END {
    printf "median CPU ms          50,000 entries   500,000 entries   10x entries\n"
    n = split("BM_Veyra BM_Pugixml BM_VeyraScanEntries", names, " ")
    for (i = 1; i <= n; i++) {
      a = t[names[i] "/50000"]; b = t[names[i] "/500000"]
      printf "%-20s %10.2f %17.2f %12.2fx time\n", names[i], a, b, b / a
    }
    printf "reader against pugixml: %.2fx at 50,000 entries, %.2fx at 500,000\n",
           t["BM_Veyra/50000"] / t["BM_Pugixml/50000"], t["BM_Veyra/500000"] / t["BM_Pugixml/500000"]
  }' "$csv"
