#!/usr/bin/env python3
"""Renders the installed app's icons from the window's icon (app/icons/weiyuanchuang.svg): 192 and
512 pixels as it is, and, for home screens that cut every icon to their own shape (Android's
maskable icons, an iPhone's rounded square), the icon inside the middle 80 % on its tile's blue
filling the whole square, at 512 and at the iPhone's 180.
Usage: site_icons.py ICON_SVG OUTPUT_DIR"""
import os
import re
import subprocess
import sys

source, out = sys.argv[1:3]
with open(source, encoding="utf-8") as file:
    icon = re.sub(r"<\?xml[^>]*\?>", "", file.read())
# The icon nested as it is, so it stays a drawing at any size; the tile's own gradient fills the square.
inner, n = re.subn(r'<svg ([^>]*?)width="32" height="32"', r'<svg \1x="5" y="5" width="22" height="22"', icon, count=1)
if n != 1:
    sys.exit(f"site_icons.py: {source} is no longer a 32 x 32 drawing")
full_bleed = ('<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">'
              '<defs><linearGradient id="bleed" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#2f86eb"/>'
              '<stop offset="1" stop-color="#1b4f9c"/></linearGradient></defs>'
              f'<rect width="32" height="32" fill="url(#bleed)"/>{inner}</svg>')
for name, size, drawing in (("icon-192.png", 192, icon), ("icon-512.png", 512, icon),
                            ("icon-maskable-512.png", 512, full_bleed), ("apple-touch-icon.png", 180, full_bleed)):
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", os.path.join(out, name)],
                   input=drawing.encode(), check=True)
