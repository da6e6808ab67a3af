#!/usr/bin/env bash
# Every test: the Linux tests (with AddressSanitizer and UndefinedBehaviorSanitizer), the Windows
# test program under Wine, and a short run of each fuzz target. Installs what is missing first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/setup.sh >/dev/null

echo "== Linux tests"
scripts/build.sh linux-test
(cd build/linux-test && ctest --output-on-failure)

echo "== Windows tests under Wine"
scripts/build.sh win32
(cd build/win32 && ctest --output-on-failure)

echo "== Short fuzz runs"
scripts/build.sh fuzz build/fuzz -- fuzzers
scripts/fuzz.sh short
