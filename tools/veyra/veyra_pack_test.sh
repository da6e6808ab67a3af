#!/usr/bin/env bash
# `veyra pack` and `veyra unpack`: a round trip that xz agrees with, and a broken archive reported
# with the decoder's text and exit status 1, the archive deleted as the updater deletes it.
# Usage: veyra_pack_test.sh VEYRA
set -uo pipefail
veyra=${1:?veyra program}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
{ seq 1 20000; head -c 100000 /dev/urandom; head -c 100000 /dev/zero; } >"$dir/data"
fail=0

"$veyra" pack "$dir/data" "$dir/data.lzma" || { echo "pack failed"; fail=1; }
xz --format=lzma -dc "$dir/data.lzma" | cmp -s - "$dir/data" || { echo "xz disagrees"; fail=1; }
"$veyra" pack -9 "$dir/data" "$dir/strong.lzma" || { echo "pack -9 failed"; fail=1; }
"$veyra" unpack "$dir/strong.lzma" "$dir/out" || { echo "unpack failed"; fail=1; }
cmp -s "$dir/out" "$dir/data" || { echo "unpacked bytes differ"; fail=1; }
[ ! -e "$dir/strong.lzma" ] || { echo "archive left after unpack"; fail=1; }

printf '\x5d\x00\x00' >"$dir/short.lzma"
"$veyra" unpack "$dir/short.lzma" "$dir/out" 2>"$dir/err"
status=$?
[ "$status" -eq 1 ] || { echo "broken archive: exit status $status, expected 1"; fail=1; }
grep -q "input .lzma file is too short" "$dir/err" || { echo "no decoder message"; fail=1; }
[ ! -e "$dir/short.lzma" ] || { echo "broken archive left behind"; fail=1; }
exit $fail
