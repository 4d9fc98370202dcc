#!/usr/bin/env bash
# Draws the launcher's two background bitmaps and the program icon with
# ImageMagick: src/res/background-chip.bmp (129, the maker's chip),
# src/res/background-other.bmp (133, the AC'97 codec on another vendor's
# controller) and src/res/setup.ico (128). Both backgrounds are 640 x 480,
# 8 bits per pixel with a 256-colour palette, uncompressed, and differ only in
# the chip artwork. The results are kept in the repository; run this again
# after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
convert=/usr/bin/convert
out=src/res
font=$(fc-match -f '%{file}' 'DejaVu Sans:bold' 2>/dev/null || true)
[ -f "$font" ] || font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
regular=${font/-Bold/}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Common scene: gradient, title banner with the logo and the family name, and
# the light translucent panel behind the buttons (client 150,100 - 450,360).
"$convert" -size 640x480 gradient:'#0b2f5a'-'#1c7f8c' \
  \( -size 640x92 xc:'#06203f' \) -geometry +0+0 -composite \
  -fill '#f2b134' -draw 'circle 52,46 52,16' \
  -fill '#06203f' -draw 'circle 52,46 52,26' \
  -fill '#f2b134' -draw 'rectangle 40,40 64,52' \
  -font "$font" -pointsize 34 -fill white -annotate +96+52 'Trequa' \
  -font "$regular" -pointsize 15 -fill '#bfe3ea' -annotate +98+76 'TQI Audio Family  -  PCI Audio Driver Disc' \
  -fill '#ffffff59' -draw 'roundrectangle 150,100 450,360 14,14' \
  -font "$regular" -pointsize 11 -fill '#bfe3ea' -annotate +16+468 'Setup' \
  "$tmp/base.png"

# Chip artwork, lower right: a square package with pins on four sides.
chip() {  # name label sublabel
  local pins="" i
  for i in $(seq 0 8); do
    local p=$((502 + i * 10))
    pins+=" rectangle $p,318 $((p + 4)),328 rectangle $p,432 $((p + 4)),442"
    pins+=" rectangle 478,$((p - 160)) 488,$((p - 156)) rectangle 592,$((p - 160)) 602,$((p - 156))"
  done
  "$convert" "$tmp/base.png" \
    -fill '#c9ccd1' -draw "$pins" \
    -fill '#23272e' -draw 'roundrectangle 488,328 592,432 6,6' \
    -fill '#3a4048' -draw 'circle 500,340 500,345' \
    -font "$font" -pointsize 15 -fill '#f2b134' -annotate +500+384 "$2" \
    -font "$regular" -pointsize 10 -fill '#d8dde3' -annotate +500+402 "$3" \
    -type Palette -colors 256 -compress none "BMP3:$out/$1"
}
chip background-chip.bmp 'TQI4716' 'PCI Audio'
chip background-other.bmp 'TQI5716' "AC'97 Codec"

# Icon: the logo on the banner colour, at 32 and 16 pixels.
"$convert" -size 32x32 xc:'#06203f' -fill '#f2b134' -draw 'circle 16,16 16,2' \
  -fill '#06203f' -draw 'circle 16,16 16,7' -fill '#f2b134' -draw 'rectangle 10,13 22,19' \
  -type Palette -colors 16 "$tmp/icon32.png"
"$convert" "$tmp/icon32.png" -resize 16x16 -type Palette -colors 16 "$tmp/icon16.png"
"$convert" "$tmp/icon32.png" "$tmp/icon16.png" "$out/setup.ico"
ls -l "$out"/background-*.bmp "$out/setup.ico"
