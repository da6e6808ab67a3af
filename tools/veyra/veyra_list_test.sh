#!/usr/bin/env bash
# `veyra list`: one "ORIGINAL  FILENAME" line per scan entry, comparable with `veyra crc`; unsafe
# file names skipped; a list that is no XML document fails with exit status 1.
# Usage: veyra_list_test.sh VEYRA
set -uo pipefail
veyra=$(realpath "${1:?veyra program}")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
mkdir system
printf 123456789 >system/l2.exe
: >empty.dat
printf '<list>\n  <archive filename="system\\l2.exe" original="CBF43926"/>\r\n' >list.xml
printf '  <archive filename="..\\outside.dll" original="00000000"/>\r' >>list.xml
printf '  <group><ARCHIVE Filename = '"'"'empty.dat'"'"' original="00000000"/></group>\n</list>\n' >>list.xml

fail=0
out=$("$veyra" list list.xml 2>err)
status=$?
[ "$status" -eq 0 ] || { echo "exit status $status, expected 0"; cat err; fail=1; }
crc=$("$veyra" crc 'system\l2.exe' empty.dat)
[ "$out" = "$crc" ] || { printf 'list:\n%s\ncrc:\n%s\n' "$out" "$crc"; fail=1; }

printf '404 Not Found' >broken.xml
"$veyra" list broken.xml >/dev/null 2>err && { echo "no XML must exit 1"; fail=1; }
[ -s err ] || { echo "no message for a list that is no XML"; fail=1; }
exit $fail
