#!/bin/sh
# Draws the window icon in its two sizes: a keyword tag on the window's green.
# Needs ImageMagick. Run from this folder; the PNGs are kept in the repository.
set -e
cd "$(dirname "$0")"

convert -size 32x32 xc:none \
    -fill '#c0ffc0' -stroke '#1b5e20' -strokewidth 2 -draw 'roundrectangle 1,1 30,30 6,6' \
    -fill '#2e7d32' -stroke '#1b5e20' -strokewidth 1 \
    -draw 'polygon 5,16 12,8 27,8 27,24 12,24' \
    -fill '#ffffff' -stroke none -draw 'circle 11,16 13,16' \
    -fill '#ffffff' -draw 'rectangle 16,12 24,13' -draw 'rectangle 16,15 22,16' \
    -draw 'rectangle 16,18 24,19' \
    -strip PNG32:orvanta-32.png

convert -size 16x16 xc:none \
    -fill '#c0ffc0' -stroke '#1b5e20' -strokewidth 1 -draw 'roundrectangle 0,0 15,15 3,3' \
    -fill '#2e7d32' -stroke none -draw 'polygon 2,8 6,4 14,4 14,12 6,12' \
    -fill '#ffffff' -draw 'point 6,8' -draw 'rectangle 8,6 12,6' -draw 'rectangle 8,8 11,8' \
    -draw 'rectangle 8,10 12,10' \
    -strip PNG32:orvanta-16.png
