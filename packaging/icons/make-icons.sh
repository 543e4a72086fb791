#!/usr/bin/env bash
# Draws the program's icon at 256 pixels and scales it down to the sizes desktops ask for.
# The pictures are kept in the repository; run this again only after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")"
/usr/bin/convert -size 256x256 xc:none \
    -fill '#003c74' -draw 'roundrectangle 8,8 247,247 32,32' \
    -fill '#fdfdfd' -draw 'roundrectangle 44,60 211,195 6,6' \
    -fill none -stroke '#003c74' -strokewidth 16 \
    -draw 'stroke-linecap round line 44,60 128,136 line 128,136 211,60' \
    -stroke none -fill '#f8b330' -draw 'rectangle 60,216 195,231' \
    -strip quillmere-256.png
for size in 16 22 24 32 48 64 128; do
    /usr/bin/convert quillmere-256.png -resize "${size}x$size" -strip "quillmere-$size.png"
done
