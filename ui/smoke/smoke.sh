#!/usr/bin/env bash
# Shows the toolkit's smoke window under Xvfb (and Wine for a .exe) and saves a screenshot.
#   smoke.sh PROGRAM OUTPUT.png
# The screen behind the window is a checkerboard, so that transparent pixels show as such.
set -euo pipefail
program=$(realpath "$1")
output=$(realpath -m "$2")
root=$(cd "$(dirname "$0")/../.." && pwd)
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

run=("$program" "$font" 6)
if [[ "$program" == *.exe ]]; then
  export WINEPREFIX=${WINEPREFIX:-$(dirname "$program")/wineprefix}
  run=("$root/scripts/wine-run.sh" "$program" "Z:${font//\//\\}" 6)
fi

xvfb-run -a -s "-screen 0 1024x600x24" bash -c '
  set -e
  output=$1; shift
  xsetroot -bitmap /dev/stdin -fg "#6a6a6a" -bg "#a8a8a8" <<XBM 2>/dev/null || true
#define c_width 16
#define c_height 16
static unsigned char c_bits[] = {
 0xff,0x00,0xff,0x00,0xff,0x00,0xff,0x00,0xff,0x00,0xff,0x00,0xff,0x00,0xff,0x00,
 0x00,0xff,0x00,0xff,0x00,0xff,0x00,0xff,0x00,0xff,0x00,0xff,0x00,0xff,0x00,0xff};
XBM
  "$@" &
  pid=$!
  sleep 4
  import -window root "$output"
  wait $pid
' smoke "$output" "${run[@]}"
echo "screenshot: $output"
