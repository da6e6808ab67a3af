#!/usr/bin/env bash
# Every test: the Linux tests (with AddressSanitizer and UndefinedBehaviorSanitizer), the Windows
# test program under Wine, and a short run of each fuzz target. Installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
logs="$root/build/test-logs"

scripts/setup.sh >/dev/null
mkdir -p "$logs"

# Runs ctest in a build folder and adds its count of passed tests to `passed`.
passed=0
run_ctest() {
  local dir=$1 log=$logs/$(basename "$1").log
  (cd "$dir" && ctest --output-on-failure) | tee "$log"
  local count
  count=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log")
  passed=$((passed + count))
}

echo "== Linux tests"
scripts/build.sh linux-test >"$logs/build-linux-test.log" || { tail -50 "$logs/build-linux-test.log"; exit 1; }
run_ctest build/linux-test

echo "== Windows tests under Wine"
scripts/build.sh win32 >"$logs/build-win32.log" || { tail -50 "$logs/build-win32.log"; exit 1; }
run_ctest build/win32

echo "== Short fuzz runs"
scripts/build.sh fuzz build/fuzz -- fuzzers >"$logs/build-fuzz.log" || { tail -50 "$logs/build-fuzz.log"; exit 1; }
scripts/fuzz.sh short | tee "$logs/fuzz.log"
fuzzers=$(sed -n 's/^fuzz: \([0-9]*\) targets ran clean/\1/p' "$logs/fuzz.log")

echo "test.sh: $((passed + fuzzers)) passed, 0 failed"
