#!/usr/bin/env bash
# Draws the menu icon's PNG sizes again from omenary.svg (needs rsvg-convert, Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" omenary.svg -o "icons/omenary-$size.png"
done
