#!/usr/bin/env bash
# Renders the icon's raster forms from weiyuanchuang.svg: the 32 x 32 PNG for the desktop and
# the 32 x 32, 24-bit Windows .ico. Run by hand after editing the SVG (needs rsvg-convert,
# ImageMagick and python3); the outputs are committed so a build needs none of these tools.
set -euo pipefail
cd "$(dirname "$0")"
rsvg-convert -w 32 -h 32 weiyuanchuang.svg -o weiyuanchuang-32.png
convert weiyuanchuang-32.png -depth 8 rgba:- | python3 ico24.py > weiyuanchuang.ico
