#!/usr/bin/env bash
# The main job: installs what is missing, builds the Linux and Windows programs and runs the Linux
# programs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/setup.sh >/dev/null
scripts/build.sh linux
scripts/build.sh win32
echo "Built: build/linux/tools/veyra/veyra and build/win32/tools/veyra/veyra.exe"
echo "CRC-32 of the README, by the Linux and the Windows tool:"
build/linux/tools/veyra/veyra crc README.md
scripts/wine-run.sh build/win32/tools/veyra/veyra.exe crc README.md
