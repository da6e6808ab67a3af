#!/usr/bin/env bash
# `veyra crc`: the sha256sum-like output, and a missing file reported while the others are checked.
# Usage: veyra_crc_test.sh VEYRA
set -uo pipefail
veyra=${1:?veyra program}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf 123456789 >"$dir/digits"
: >"$dir/empty"

out=$("$veyra" crc "$dir/digits" "$dir/missing" "$dir/empty" 2>"$dir/err")
status=$?
expected="CBF43926  $dir/digits
00000000  $dir/empty"
fail=0
[ "$status" -eq 1 ] || { echo "exit status $status, expected 1"; fail=1; }
[ "$out" = "$expected" ] || { printf 'output:\n%s\nexpected:\n%s\n' "$out" "$expected"; fail=1; }
grep -q "$dir/missing" "$dir/err" || { echo "no message naming the missing file"; fail=1; }
"$veyra" crc "$dir/digits" >/dev/null || { echo "a readable file must exit 0"; fail=1; }
exit $fail
