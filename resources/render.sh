#!/bin/sh
# Renders background.png, icon.png, icon.ico and the desktop icons under icons/ from their SVG sources with
# ImageMagick's convert.
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

# Desktop icons (hicolor theme sizes): drawn from the SVG at each size (96 dpi is the SVG's 32 px), full alpha.
for size in 16 24 32 48 64 128 256; do
    mkdir -p "icons/${size}x${size}"
    $CONVERT -background none -density "$((96 * size / 32))" icon.svg -resize "${size}x${size}!" -depth 8 \
        $keep_png_stable "PNG32:icons/${size}x${size}/org.sumora.Sumora.png"
done

identify background.png icon.png icon.ico icons/*/org.sumora.Sumora.png
