#!/usr/bin/env bash
# .lzma decoding: DecompressLZMAFile (`veyra unpack`) against `xz --format=lzma -dc FILE > /dev/null`
# on the same 256 MiB archive of mixed data (text-like, binary, zeros), best of three runs each,
# the file outputs in memory (/dev/shm); then the peak memory of `veyra unpack` for a 1 GiB output against a tiny archive with the same
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

# "WALL CPU" seconds of one run; CPU (user + system) is the steadier figure on a shared machine.
timed() {
  /usr/bin/time -f "%e %U %S" "$@" 2>&1 >/dev/null | awk 'END { print $1, $2 + $3 }'
}
xz_decode() { xz --format=lzma -dc "$mixed.lzma" >/dev/null; }
xz_to_file() { xz --format=lzma -dc "$mixed.lzma" >"$work/xz-out"; }
veyra_decode() { "$veyra" unpack "$work/mixed.lzma" "$work/mixed"; }
export -f xz_decode xz_to_file veyra_decode
export mixed veyra work

best() { awk -v t="$1" -v b="$2" 'BEGIN { print (b == "" || t < b) ? t : b }'; }
xz_wall= xz_cpu= xf_wall= xf_cpu= veyra_wall= veyra_cpu=
for _ in 1 2 3; do
  read -r wall cpu < <(timed bash -c xz_decode)
  xz_wall=$(best "$wall" "$xz_wall") xz_cpu=$(best "$cpu" "$xz_cpu")
  read -r wall cpu < <(timed bash -c xz_to_file)
  xf_wall=$(best "$wall" "$xf_wall") xf_cpu=$(best "$cpu" "$xf_cpu")
  rm -f "$work/xz-out"
  cp "$mixed.lzma" "$work/mixed.lzma"  # unpack deletes its archive
  read -r wall cpu < <(timed bash -c veyra_decode)
  veyra_wall=$(best "$wall" "$veyra_wall") veyra_cpu=$(best "$cpu" "$veyra_cpu")
done
cmp -s "$work/mixed" "$mixed" || { echo "lzma_decode: veyra unpack produced different bytes" >&2; exit 1; }
rm -f "$work/mixed"
awk -v xw="$xz_wall" -v xc="$xz_cpu" -v fw="$xf_wall" -v fc="$xf_cpu" -v vw="$veyra_wall" -v vc="$veyra_cpu" \
    -v c="$(stat -c %s "$mixed.lzma")" 'BEGIN {
  mb = 256 * 1048576 / 1e6
  printf "256 MiB of mixed data from a %.1f MB archive, best of 3 (wall / CPU):\n", c / 1e6
  printf "  xz --format=lzma -dc > /dev/null  %5.2f s %6.1f MB/s / %5.2f s %6.1f MB/s\n",
         xw, mb / xw, xc, mb / xc
  printf "  xz --format=lzma -dc > file       %5.2f s %6.1f MB/s / %5.2f s %6.1f MB/s\n",
         fw, mb / fw, fc, mb / fc
  printf "  DecompressLZMAFile (veyra unpack) %5.2f s %6.1f MB/s / %5.2f s %6.1f MB/s\n",
         vw, mb / vw, vc, mb / vc
  printf "  DecompressLZMAFile against xz > /dev/null: %.3fx wall, %.3fx CPU\n", xw / vw, xc / vc
  printf "  DecompressLZMAFile against xz > file:      %.3fx wall, %.3fx CPU\n", fw / vw, fc / vc }'

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
