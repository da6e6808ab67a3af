#!/usr/bin/env bash
# .lzma decoding: DecompressLZMAFile (`veyra unpack`) against `xz --format=lzma -dc FILE > /dev/null`
# on the same 256 MiB archive of mixed data (text-like, binary, zeros), best of three runs each;
# then the peak memory of `veyra unpack` for a 1 GiB output against a tiny archive with the same
# window, which must stay within the window plus 1 MiB.
# Usage: lzma_decode.sh BUILD_DIR   (an optimised build: scripts/build.sh linux)
set -euo pipefail
build=${1:?build folder}
veyra="$build/tools/veyra/veyra"
data="$build/bench-data"
work=$(mktemp -d /dev/shm/veyra-lzma-bench.XXXXXX)  # outputs in memory: no disk in the timing
trap 'rm -rf "$work"' EXIT
mkdir -p "$data"

mixed="$data/mixed-256MiB"
if [ ! -f "$mixed.lzma" ]; then
  "$build/bench/mixed_data" 256 >"$mixed"
  "$veyra" pack "$mixed" "$mixed.lzma"
fi
[ -f "$mixed" ] || xz --format=lzma -dc "$mixed.lzma" >"$mixed"
cat "$mixed.lzma" >/dev/null  # into the page cache

seconds() {
  local start end
  start=$(date +%s.%N)
  "$@"
  end=$(date +%s.%N)
  awk -v s="$start" -v e="$end" 'BEGIN { print e - s }'
}
xz_decode() { xz --format=lzma -dc "$mixed.lzma" >/dev/null; }
veyra_decode() { "$veyra" unpack "$work/mixed.lzma" "$work/mixed"; }

xz_best= veyra_best=
for _ in 1 2 3; do
  t=$(seconds xz_decode)
  xz_best=$(awk -v t="$t" -v b="$xz_best" 'BEGIN { print (b == "" || t < b) ? t : b }')
  cp "$mixed.lzma" "$work/mixed.lzma"  # unpack deletes its archive
  t=$(seconds veyra_decode)
  veyra_best=$(awk -v t="$t" -v b="$veyra_best" 'BEGIN { print (b == "" || t < b) ? t : b }')
done
cmp -s "$work/mixed" "$mixed" || { echo "lzma_decode: veyra unpack produced different bytes" >&2; exit 1; }
rm -f "$work/mixed"
awk -v x="$xz_best" -v v="$veyra_best" -v c="$(stat -c %s "$mixed.lzma")" 'BEGIN {
  mib = 256 * 1048576 / 1e6
  printf "256 MiB of mixed data from a %.1f MB archive, best of 3:\n", c / 1e6
  printf "  xz --format=lzma -dc   %6.2f s  %6.1f MB/s\n", x, mib / x
  printf "  DecompressLZMAFile     %6.2f s  %6.1f MB/s  (%.3fx xz)\n", v, mib / v, x / v }'

# Peak memory: a window of 8 MiB, filled by a 1 GiB output, against a tiny archive's baseline.
window_kib=8192
big="$data/mixed-1GiB.lzma"
[ -f "$big" ] || "$build/bench/mixed_data" 1024 | xz --format=lzma --lzma1=preset=0,dict=8MiB >"$big"
printf x | xz --format=lzma --lzma1=preset=0,dict=8MiB >"$work/tiny.lzma"
peak_kib() {
  /usr/bin/time -v "$veyra" unpack "$1" "$work/out" 2>&1 >/dev/null |
    awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }'
}
baseline=$(peak_kib "$work/tiny.lzma")
cp "$big" "$work/big.lzma"
peak=$(peak_kib "$work/big.lzma")
out_size=$(stat -c %s "$work/out")
rm -f "$work/out"
awk -v b="$baseline" -v p="$peak" -v w="$window_kib" -v o="$out_size" 'BEGIN {
  printf "peak memory, %.2f GiB output: %d KiB, baseline %d KiB, above baseline %d KiB; window %d KiB + 1024 KiB allowed: %s\n",
         o / 1073741824, p, b, p - b, w, (p - b <= w + 1024) ? "within" : "EXCEEDED" }'
