#!/usr/bin/env bash
# Renders the application icon's PNG sizes from data/icons/zaviko.svg.
# The PNGs are checked in, so building needs no SVG renderer; run this after
# changing the SVG (needs rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail

icons="$(cd "$(dirname "$0")/../data/icons" && pwd)"
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" "$icons/zaviko.svg" \
        --output "$icons/zaviko-$size.png"
done
