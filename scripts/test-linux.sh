#!/usr/bin/env bash
# The quick loop: builds and runs the Linux tests only. Arguments go to ctest (e.g. -R unit).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" linux-test
cd "$root/build/linux-test" && ctest --output-on-failure "$@"
