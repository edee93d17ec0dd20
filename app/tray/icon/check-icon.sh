#!/usr/bin/env bash
# check-icon.sh IMAGEMAGICK ICON.ico [quiet]
# Fails when the icon's pixels differ from what draw-icon.sh draws now, that is when the drawing
# was changed without the icon being drawn anew.
set -euo pipefail

magick=$1
icon=$2
variant=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$(dirname "$0")/draw-icon.sh" "$magick" "$work/drawn.ico" "$variant"
"$magick" "$icon" -depth 8 "RGBA:$work/committed.rgba"
"$magick" "$work/drawn.ico" -depth 8 "RGBA:$work/drawn.rgba"
if ! cmp -s "$work/committed.rgba" "$work/drawn.rgba"; then
  echo "$icon differs from its drawing: run draw-icon.sh $magick $icon $variant" >&2
  exit 1
fi
echo "$icon matches its drawing"
