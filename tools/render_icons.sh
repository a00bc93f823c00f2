#!/usr/bin/env bash
# Renders the program's icon to the PNG sizes that menus pick from. The PNGs
# are kept in packaging/icons/, so a build never needs this script; run it
# after changing the SVG (needs rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging"
for size in 48 128 256; do
    rsvg-convert -w "$size" -h "$size" quelmar.svg -o "icons/$size.png"
done
