#!/usr/bin/env bash
# The smoke run as a test: the window must come up on the real backend, draw itself over the
# checkerboard and close by itself.
# Usage: smoke_test.sh PROGRAM OUTPUT.png
set -euo pipefail
here=$(dirname "$0")
timeout 120 "$here/smoke.sh" "$1" "$2" --message >/dev/null
colours=$(convert "$2" -format %k info:)
if [ "$colours" -lt 64 ]; then
  echo "the screenshot $2 holds $colours colours: no window was drawn" >&2
  exit 1
fi
echo "window drawn: $colours colours in $2"
