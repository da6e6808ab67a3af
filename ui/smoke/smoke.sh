#!/usr/bin/env bash
# Shows the toolkit's smoke window under Xvfb (and Wine for a .exe) and saves a screenshot.
#   smoke.sh PROGRAM OUTPUT.png [--message]   (--message: also show a message box)
# The screen behind the window is a checkerboard, so that transparent pixels show as such.
set -euo pipefail
program=$(realpath "$1")
output=$(realpath -m "$2")
root=$(cd "$(dirname "$0")/../.." && pwd)
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

run=("$program" "$font" 8 ${3:-})
if [[ "$program" == *.exe ]]; then
  export WINEPREFIX=${WINEPREFIX:?set WINEPREFIX to the Wine prefix of the build folder}
  run=("$root/scripts/wine-run.sh" "$program" "Z:${font//\//\\}" 8 ${3:-})
fi

xvfb-run -a -s "-screen 0 1024x600x24" bash -c '
  set -e
  output=$1; shift
  checkerboard=$(mktemp --suffix=.png)
  convert -size 1024x600 pattern:checkerboard "$checkerboard"
  display -geometry +0+0 "$checkerboard" &
  backdrop=$!
  sleep 1
  "$@" &
  pid=$!
  sleep 5
  import -window root "$output"
  wait $pid
  kill $backdrop
  rm -f "$checkerboard"
' smoke "$output" "${run[@]}"
echo "screenshot: $output"
