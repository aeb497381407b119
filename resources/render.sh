#!/bin/sh
# Renders background.png, icon.png and icon.ico from their SVG sources with ImageMagick's convert.
set -eu
cd "$(dirname "$0")"
CONVERT=${CONVERT:-convert}
keep_png_stable="-strip -define png:exclude-chunks=date,time"

# Options dialog background: 300 x 86, opaque, 8-bit RGB.
$CONVERT -background '#FFFAF6' background.svg -alpha remove -alpha off -depth 8 \
    $keep_png_stable PNG24:background.png

# Application icon: 32 x 32, hard-edged transparency, at most 16 colours, as a palette PNG and a 4-bit icon.
$CONVERT -background none icon.svg -resize '32x32!' -depth 8 \
    -channel A -threshold 50% +channel +dither -colors 16 \
    $keep_png_stable PNG8:icon.png
$CONVERT icon.png -type PaletteAlpha icon.ico

identify background.png icon.png icon.ico
