#!/usr/bin/env bash
# draw-icon.sh IMAGEMAGICK OUTPUT.ico [quiet]
# Draws the program icon, an alarm clock, and writes it as a Windows icon with the sizes 256
# (stored as PNG), 48, 32, 24 and 16 pixels at 32 bits per pixel. The drawing is laid out on a
# 16-unit grid, so that at 16 pixels the hands fall on whole pixels and stay sharp, and is scaled
# for the larger sizes. With "quiet", the clock carries the quiet mark, a moon on a dark disc in
# its lower right corner, which the tray shows while reminders are held.
set -euo pipefail

magick=$1
output=$2
variant=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rim='#d7362b'
face='#ffffff'
ink='#1f2a44'
moon='#ffc933'

# clock HAND: the drawing, in grid units measured from the image's top left corner; HAND is the
# half width of the clock's hands, whole pixels at the small sizes so that they stay sharp.
clock() {
  local hand=$1
  local left right high low
  left=$(awk "BEGIN { print 8 - $hand }")
  right=$(awk "BEGIN { print 8 + $hand }")
  high=$(awk "BEGIN { print 9 - $hand }")
  low=$(awk "BEGIN { print 9 + $hand }")
  cat <<MVG
stroke-linecap round
stroke $ink
stroke-width 1.4
line 4.9,13.2 3.6,15.2
line 11.1,13.2 12.4,15.2
stroke none
fill $ink
polygon 7,1 9,1 9,3.5 7,3.5
fill $rim
circle 3.8,3.9 3.8,1.4
circle 12.2,3.9 12.2,1.4
stroke $rim
stroke-width 1.9
fill $face
circle 8,9 8,4
stroke none
fill $ink
polygon $left,6 $right,6 $right,$low $left,$low
polygon $left,$high 10,$high 10,$low $left,$low
MVG
}

# The quiet mark, ringed in white to stand apart from the clock beneath it.
quiet_mark() {
  cat <<MVG
stroke $face
stroke-width 0.9
fill $ink
circle 12,12 12,8
stroke none
fill $moon
circle 11.6,12.3 11.6,9.6
fill $ink
circle 13,11.1 13,8.9
MVG
}

sizes=(256 48 32 24 16)
frames=()
for size in "${sizes[@]}"; do
  # Drawn large and averaged down, so that every pixel gets the share of the shapes it covers.
  drawn=$((size <= 48 ? size * 16 : size * 4))
  scale=$(awk "BEGIN { print $drawn / 16 }")
  hand=$(awk "BEGIN { print ($size <= 32) ? 16 / $size : ($size <= 48) ? 32 / $size : 0.6 }")
  frame="$work/$size.png"
  drawing=$(clock "$hand")
  if [[ $variant == quiet ]]; then
    drawing+=$'\n'$(quiet_mark)
  fi
  "$magick" -size "${drawn}x${drawn}" xc:none -draw "scale $scale,$scale $drawing" \
    -filter box -resize "${size}x${size}" -define png:exclude-chunks=date,time "PNG32:$frame"
  frames+=("$frame")
done
"$magick" "${frames[@]}" -define png:exclude-chunks=date,time "$output"
