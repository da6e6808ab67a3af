#!/usr/bin/env bash
# `veyra settings`: the nine fields in order, and after a failure the fields read so far, the
# failure on standard error and exit status 1.
# Usage: veyra_settings_test.sh VEYRA
set -uo pipefail
veyra=${1:?veyra program}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
cat >"$dir/Settings.xml" <<'XML'
<?xml version="1.0" encoding="windows-1251"?>
<settings>
  <version>4</version>
  <patchlistURL>http://h/full.xml?a=1&amp;b=2</patchlistURL>
  <criticalPatchlistURL>http://h/critical.xml</criticalPatchlistURL>
  <patchListFolder>http://h/files/</patchListFolder>
  <updaterURL>http://h/VeyraUpdater.exe</updaterURL>
  <criticalVersion>0x10</criticalVersion>
  <autoStartClient>Yes</autoStartClient>
  <removeOldUpdater>false</removeOldUpdater>
  <doubleRunCheck>no</doubleRunCheck>
  <closeUpdaterAfterStartinGame>1</closeUpdaterAfterStartinGame>
</settings>
XML
grep -v updaterURL "$dir/Settings.xml" >"$dir/NoUpdater.xml"

fail=0
out=$("$veyra" settings "$dir/Settings.xml" 2>"$dir/err")
status=$?
expected="version=4
patchlist=http://h/full.xml?a=1&b=2
criticalPatchlist=http://h/critical.xml
patchListFolder=http://h/files/
updaterURL=http://h/VeyraUpdater.exe
criticalVersion=16
autoStartClient=true
doubleRunCheck=false
closeUpdaterAfterStartinGame=true"
[ "$status" -eq 0 ] || { echo "exit status $status, expected 0"; cat "$dir/err"; fail=1; }
[ "$out" = "$expected" ] || { printf 'output:\n%s\nexpected:\n%s\n' "$out" "$expected"; fail=1; }

out=$("$veyra" settings "$dir/NoUpdater.xml" 2>"$dir/err")
status=$?
expected="version=4
patchlist=http://h/full.xml?a=1&b=2
criticalPatchlist=http://h/critical.xml
patchListFolder=http://h/files/
updaterURL=
criticalVersion=0
autoStartClient=false
doubleRunCheck=false
closeUpdaterAfterStartinGame=false"
[ "$status" -eq 1 ] || { echo "missing updaterURL: exit status $status, expected 1"; fail=1; }
[ "$out" = "$expected" ] || { printf 'output:\n%s\nexpected:\n%s\n' "$out" "$expected"; fail=1; }
grep -q updaterURL "$dir/err" || { echo "no message naming updaterURL"; fail=1; }

"$veyra" settings "$dir/missing.xml" >/dev/null 2>&1 && { echo "a missing file must exit 1"; fail=1; }
exit $fail
