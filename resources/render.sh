#!/usr/bin/env bash
# Renders the program's pictures from their SVG sources: the dialog background and the 16-colour icon.
set -euo pipefail
cd "$(dirname "$0")"
convert -background '#FFFAF6' background.svg -alpha remove -depth 8 PNG24:background.png
convert -background none icon.svg -colors 16 -depth 8 PNG8:icon.png
# The Windows icon: 32 x 32 at 4 bits a pixel, as a classic bitmap entry.
convert -background none icon.svg -alpha remove -background '#FFFFFF' -colors 16 -type Palette -depth 4 \
    -define icon:format=bmp BMP3:/tmp/sumora-icon.bmp
convert /tmp/sumora-icon.bmp -colors 16 -define icon:format=bmp icon.ico
rm -f /tmp/sumora-icon.bmp
