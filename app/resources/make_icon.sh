#!/usr/bin/env bash
# Draws the application icon (a glowing ember disc in a dark ring) at the sizes Windows asks for
# and packs them into VeyraUpdater.ico. Needs ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 16 24 32 48 64; do
  c=$((size / 2))
  ring=$((size / 2 - 1))
  ember=$((size * 2 / 5))
  convert -size ${size}x${size} radial-gradient:'#ffe3a0'-'#a32a08' "$work/glow.png"
  convert -size ${size}x${size} xc:black -fill white -draw "circle $c,$c $c,$((c - ember))" \
    "$work/ember-mask.png"
  convert -size ${size}x${size} xc:black -fill white -draw "circle $c,$c $c,$((c - ring))" \
    "$work/ring-mask.png"
  convert "$work/glow.png" "$work/ember-mask.png" -alpha off -compose copy_opacity -composite \
    "$work/ember.png"
  convert -size ${size}x${size} xc:'#1c1512' "$work/ring-mask.png" -alpha off \
    -compose copy_opacity -composite "$work/ember.png" -compose over -composite \
    "$work/icon-$size.png"
done
convert "$work"/icon-{16,24,32,48,64}.png VeyraUpdater.ico
